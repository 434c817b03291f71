#include "TestEnd.h"

#include <stdio.h>
#include <stdlib.h>

int RunToTheEnd(int (*run)(int argc, char** argv), int argc, char** argv)
{
  const int status = run(argc, argv);
  const char* endFile = getenv("TEST_PREMATURE_EXIT_FILE");
  if (endFile && *endFile)
    remove(endFile);
  return status;
}
