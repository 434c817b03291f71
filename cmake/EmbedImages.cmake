# cmake -DOUTPUT=file.cpp -DIMAGES="id=path|id=path|..." -P EmbedImages.cmake
# Writes a source that registers each image's PNG bytes with the headless
# editor under its id, for builds whose modules have no resources.
set(body "// Made at build time from the editor's images.\n#include \"IGraphicsHeadless.h\"\n\nnamespace\n{\n")
set(registrations "")
string(REPLACE "|" ";" IMAGES "${IMAGES}")
foreach(entry ${IMAGES})
  string(REPLACE "=" ";" parts ${entry})
  list(GET parts 0 id)
  list(GET parts 1 path)
  file(READ ${path} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char kImage${id}[${size}] = {${bytes}};\n")
  string(APPEND registrations "    IGraphicsHeadless::RegisterImage(${id}, kImage${id}, ${size});\n")
endforeach()
string(APPEND body "\nstruct Registration\n{\n  Registration()\n  {\n${registrations}  }\n} gRegistration;\n}\n")
file(WRITE ${OUTPUT} "${body}")
