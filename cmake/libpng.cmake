# zl_png: libpng with zlib. Natively the system's libpng. For Windows, and
# for the fuzz targets, a static library compiled from the libpng source that
# scripts/setup.sh fetches: no Windows module imports a libpng or zlib DLL
# (mingw's static zlib is linked in), and the fuzz targets are guided by
# libpng's own branches, which the fuzz build instruments like the rest.
include_guard(GLOBAL)

if(NOT WIN32 AND NOT ZL_FUZZ)
  find_package(PNG 1.6 REQUIRED)
  add_library(zl_png INTERFACE)
  target_link_libraries(zl_png INTERFACE PNG::PNG)
  return()
endif()

set(ZL_LIBPNG_SOURCE "${PROJECT_SOURCE_DIR}/.deps/libpng" CACHE PATH "libpng source tree for the Windows and fuzz builds")
if(NOT EXISTS "${ZL_LIBPNG_SOURCE}/png.c")
  message(FATAL_ERROR "No libpng source in ${ZL_LIBPNG_SOURCE}: run scripts/setup.sh")
endif()
if(WIN32)
  set(zlib "/usr/${ZL_TRIPLE}/lib/libz.a")
  if(NOT EXISTS "${zlib}")
    message(FATAL_ERROR "No static zlib at ${zlib}: install libz-mingw-w64-dev")
  endif()
else()
  find_package(ZLIB REQUIRED)
  set(zlib ZLIB::ZLIB)
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
target_link_libraries(zl_png PUBLIC "${zlib}")
