# zl_png: libpng with zlib. Natively the system's libpng; for Windows a static
# library compiled from the libpng source that scripts/setup.sh fetches, with
# mingw's static zlib, so that no module imports a libpng or zlib DLL.
include_guard(GLOBAL)

if(NOT WIN32)
  find_package(PNG 1.6 REQUIRED)
  add_library(zl_png INTERFACE)
  target_link_libraries(zl_png INTERFACE PNG::PNG)
  return()
endif()

set(ZL_LIBPNG_SOURCE "${PROJECT_SOURCE_DIR}/.deps/libpng" CACHE PATH "libpng source tree for the Windows builds")
set(zlib_archive "/usr/${ZL_TRIPLE}/lib/libz.a")
if(NOT EXISTS "${ZL_LIBPNG_SOURCE}/png.c")
  message(FATAL_ERROR "No libpng source in ${ZL_LIBPNG_SOURCE}: run scripts/setup.sh")
endif()
if(NOT EXISTS "${zlib_archive}")
  message(FATAL_ERROR "No static zlib at ${zlib_archive}: install libz-mingw-w64-dev")
endif()

# The prebuilt configuration is libpng's default one; png.h finds it beside
# itself first, so the source tree must not hold one (it does not).
set(libpng_config_dir "${CMAKE_BINARY_DIR}/libpng-config")
configure_file("${ZL_LIBPNG_SOURCE}/scripts/pnglibconf.h.prebuilt" "${libpng_config_dir}/pnglibconf.h" COPYONLY)

set(libpng_sources png.c pngerror.c pngget.c pngmem.c pngpread.c pngread.c pngrio.c pngrtran.c
  pngrutil.c pngset.c pngtrans.c pngwio.c pngwrite.c pngwtran.c pngwutil.c)
list(TRANSFORM libpng_sources PREPEND "${ZL_LIBPNG_SOURCE}/")
add_library(zl_png STATIC ${libpng_sources})
target_include_directories(zl_png SYSTEM PUBLIC "${ZL_LIBPNG_SOURCE}" "${libpng_config_dir}")
# Plain C everywhere: no hand-written SIMD paths.
target_compile_definitions(zl_png PRIVATE
  PNG_ARM_NEON_OPT=0 PNG_INTEL_SSE_OPT=0 PNG_MIPS_MSA_OPT=0 PNG_POWERPC_VSX_OPT=0)
target_compile_options(zl_png PRIVATE -w)
target_link_libraries(zl_png PUBLIC "${zlib_archive}")
