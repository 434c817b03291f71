/* How a test program that is not built on gtest shows its runner
 * (cmake/test-run.sh) that it ran to its normal end: the runner makes the
 * file that TEST_PREMATURE_EXIT_FILE names, and the program deletes it as
 * its last act. A program that ends anywhere else (exit in the middle of
 * its checks, a crash whose exit status hides it) leaves the file, and the
 * runner fails it whatever its exit status. */
#ifndef ZL_TEST_END_H
#define ZL_TEST_END_H

#ifdef __cplusplus
extern "C" {
#endif

/* Runs run(argc, argv), then deletes the runner's file, and gives run's
 * result: a program's main is
 *   int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); } */
int RunToTheEnd(int (*run)(int argc, char** argv), int argc, char** argv);

#ifdef __cplusplus
}
#endif

#endif
