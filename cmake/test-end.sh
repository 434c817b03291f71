# Sourced by the test scripts that the runner (test-run.sh) runs:
# reached_the_end, a script's last act, deletes the file that shows the
# runner that the script ran to its normal end.
reached_the_end() {
  [ -z "${TEST_PREMATURE_EXIT_FILE:-}" ] || rm -f -- "$TEST_PREMATURE_EXIT_FILE"
}
