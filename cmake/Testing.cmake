# How the programs of the tests run. Every test program, and every build
# step that writes a test fixture, runs through the runner
# (cmake/test-run.sh), which fails a program that did not run to its normal
# end and checks the files that one test writes and another reads; a
# Windows program runs after it through the Wine runner (cmake/wine-run.sh).
set(ZL_TEST_RUN ${PROJECT_SOURCE_DIR}/cmake/test-run.sh)
set(ZL_WINE_RUN "")
if(WIN32)
  set(ZL_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix for the tests")
  # Every Windows program of the tree starts through its winelaunch
  # (tools/winelaunch), which the runner needs to tell a start that failed.
  set(ZL_WINELAUNCH "${CMAKE_BINARY_DIR}/tools/winelaunch/winelaunch.exe")
  set(ZL_WINE_RUN ${PROJECT_SOURCE_DIR}/cmake/wine-run.sh ${ZL_WINEPREFIX} ${ZL_WINE_ARCH} ${ZL_WINELAUNCH})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZL_TEST_RUN} ${ZL_WINE_RUN})
endif()

# A file that a test reads must come from this run (test-run.sh --reads).
# The test command says when its run started (ZL_RUN_START); otherwise each
# ctest of this tree marks its own start as it reads its tests.
set(run_start ${CMAKE_BINARY_DIR}/run-start.cmake)
file(WRITE ${run_start} "if(NOT DEFINED ENV{ZL_RUN_START})
  file(TOUCH ${CMAKE_BINARY_DIR}/run-start)
  set(ENV{ZL_RUN_START} ${CMAKE_BINARY_DIR}/run-start)
endif()
")
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY TEST_INCLUDE_FILES ${run_start})

# zl_runner_command(VARIABLE [WRITES file...] [READS file...] [SKIPS file]
#                   COMMAND program [arg...])
# The command that runs PROGRAM through the runner, into VARIABLE (SKIPS: a
# whole gtest program, whose skipped cases go into the file). PROGRAM is a
# target of this tree, defined before (it runs through Wine in a Windows
# tree), or a script's path.
function(zl_runner_command variable)
  cmake_parse_arguments(ARG "" "SKIPS" "WRITES;READS;COMMAND" ${ARGN})
  list(POP_FRONT ARG_COMMAND program)
  set(command ${ZL_TEST_RUN})
  if(ARG_SKIPS)
    list(APPEND command --skips ${ARG_SKIPS})
  endif()
  foreach(file IN LISTS ARG_WRITES)
    list(APPEND command --writes ${file})
  endforeach()
  foreach(file IN LISTS ARG_READS)
    list(APPEND command --reads ${file})
  endforeach()
  if(TARGET ${program})
    list(APPEND command ${ZL_WINE_RUN} $<TARGET_FILE:${program}>)
  elseif(IS_ABSOLUTE ${program})
    list(APPEND command ${program})
  else()
    message(FATAL_ERROR "${program} is no target (defined so far) and no path")
  endif()
  set(${variable} ${command} ${ARG_COMMAND} PARENT_SCOPE)
endfunction()

# zl_add_test(NAME name [WRITES file...] [READS file...] [SKIPS file] COMMAND program [arg...])
function(zl_add_test)
  cmake_parse_arguments(ARG "" "NAME" "" ${ARGN})
  zl_runner_command(command ${ARG_UNPARSED_ARGUMENTS})
  add_test(NAME ${ARG_NAME} COMMAND ${command})
endfunction()
