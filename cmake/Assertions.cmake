# The AAX module is built without assertions (ZL_NO_ASSERTIONS), every other
# module and program with them. The libraries that hold assertions, the base
# and the editor, are built a second time for it (zl_base_noassert,
# zl_editor_noassert). A library that the AAX module links names them
# through ZL_BASE_LIBRARY and ZL_EDITOR_LIBRARY: these choose by the
# property ZL_NO_ASSERTIONS of the program or module being linked, so that
# the libraries without assertions are built once and serve both.
if(ZL_AAX_MODULE)
  set(ZL_BASE_LIBRARY "$<IF:$<BOOL:$<TARGET_PROPERTY:ZL_NO_ASSERTIONS>>,zl_base_noassert,zl_base>")
  set(ZL_EDITOR_LIBRARY "$<IF:$<BOOL:$<TARGET_PROPERTY:ZL_NO_ASSERTIONS>>,zl_editor_noassert,zl_editor>")
else()
  set(ZL_BASE_LIBRARY zl_base)
  set(ZL_EDITOR_LIBRARY zl_editor)
endif()

# zl_without_assertions(TARGET): TARGET is built and linked without
# assertions.
function(zl_without_assertions target)
  target_compile_definitions(${target} PRIVATE ZL_NO_ASSERTIONS)
  set_target_properties(${target} PROPERTIES ZL_NO_ASSERTIONS ON)
endfunction()

# zl_add_copy_without_assertions(LIBRARY): where the AAX module is built,
# LIBRARY_noassert: the same static library (sources, include directories,
# definitions, options and links, as they stand when this is called) built
# without assertions. Call it at the end of the library's CMakeLists.txt.
function(zl_add_copy_without_assertions library)
  if(NOT ZL_AAX_MODULE)
    return()
  endif()
  set(copy ${library}_noassert)
  get_target_property(sources ${library} SOURCES)
  add_library(${copy} STATIC ${sources})
  foreach(property INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES COMPILE_DEFINITIONS
                   INTERFACE_COMPILE_DEFINITIONS COMPILE_OPTIONS LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(value ${library} ${property})
    if(value)
      set_property(TARGET ${copy} PROPERTY ${property} "${value}")
    endif()
  endforeach()
  zl_without_assertions(${copy})
endfunction()
