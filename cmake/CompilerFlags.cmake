# Arithmetic must agree across the three targets: no contraction into fused
# multiply-adds, no fast-math, and SSE2 rather than x87 on 32-bit x86.
add_compile_options(-ffp-contract=off -fno-fast-math -Wall -Wextra)

if(WIN32)
  set(ZL_WINDOWS ON)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(ZL_WINE_ARCH 32)
    # Hosts may call in with a stack aligned to 4 bytes only.
    add_compile_options(-msse2 -mfpmath=sse -mstackrealign)
  else()
    set(ZL_WINE_ARCH 64)
  endif()
  # A module or test program must need no runtime DLL of the toolchain.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(ZL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(ZL_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

if(ZL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
