# zl_png_fixtures(DIR folder FILES name...): a rule that writes the named
# fixtures of png_fixture_writer into folder (through the emulator in a
# Windows build), rerun when the writer changes. Sets ZL_PNG_FIXTURES to
# the files written.
set(ZL_PNG_FIXTURE_SOURCES ${CMAKE_CURRENT_LIST_DIR})

function(zl_png_fixtures)
  cmake_parse_arguments(ARG "" "DIR" "FILES" ${ARGN})
  if(NOT TARGET png_fixture_writer)
    add_executable(png_fixture_writer
      ${ZL_PNG_FIXTURE_SOURCES}/PngFixtureWriter.cpp
      ${ZL_PNG_FIXTURE_SOURCES}/PngFixtures.cpp
      ${ZL_PNG_FIXTURE_SOURCES}/PngChunks.cpp)
    target_link_libraries(png_fixture_writer PRIVATE zl_lice zl_png zl_test_end)
  endif()
  file(MAKE_DIRECTORY ${ARG_DIR})
  # A Windows writer starts through the Wine runner's launcher.
  set(launcher)
  if(WIN32)
    set(launcher winelaunch)
  endif()
  list(TRANSFORM ARG_FILES PREPEND "${ARG_DIR}/" OUTPUT_VARIABLE outputs)
  zl_runner_command(command WRITES ${outputs} COMMAND png_fixture_writer ${ARG_DIR} ${ARG_FILES})
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${command}
    DEPENDS png_fixture_writer ${launcher}
    COMMENT "Writing PNG fixtures into ${ARG_DIR}")
  set(ZL_PNG_FIXTURES ${outputs} PARENT_SCOPE)
endfunction()
