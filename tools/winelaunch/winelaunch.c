/* Runs one Windows program for cmake/wine-run.sh:
 *   winelaunch MARK PROGRAM [ARGUMENTS...]
 * First it creates the file MARK, which tells the runner that Wine got as
 * far as running a program of ours; then it runs PROGRAM with the rest of
 * its own command line and this process's standard handles, writes the
 * program's exit code into MARK and exits with it. A program that cannot be
 * started is reported with Windows' reason, and the exit code is 125. An
 * empty MARK therefore means that Wine ended the launcher before the
 * program was done.
 *
 * The program and every process it starts run in a job that ends them all
 * when the launcher's handle to it closes: a launcher ended from outside
 * (a test's timeout) takes the program with it, which Wine would otherwise
 * leave running on its own. */

#include <windows.h>

#include <stdio.h>
#include <string.h>

/* The command line after its first argument, by the rules of the C
 * runtime's parsing: quotes group, and backslashes count only before a
 * quote. */
static const wchar_t* SkipArgument(const wchar_t* line)
{
  int quoted = 0;
  while (*line == L' ' || *line == L'\t')
    ++line;
  while (*line && (quoted || (*line != L' ' && *line != L'\t')))
  {
    if (*line == L'\\')
    {
      const wchar_t* start = line;
      while (*line == L'\\')
        ++line;
      if (*line == L'"' && (line - start) % 2 == 1)
        ++line;
      continue;
    }
    if (*line == L'"')
      quoted = !quoted;
    ++line;
  }
  while (*line == L' ' || *line == L'\t')
    ++line;
  return line;
}

/* Writes text into the mark, replacing what it held. */
static int WriteMark(const wchar_t* path, const char* text)
{
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  DWORD written = 0;
  if (file == INVALID_HANDLE_VALUE)
    return 0;
  WriteFile(file, text, (DWORD)strlen(text), &written, NULL);
  CloseHandle(file);
  return 1;
}

/* A job whose processes end when its last handle closes, or null. */
static HANDLE CreateKillOnCloseJob(void)
{
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits;
  HANDLE job = CreateJobObjectW(NULL, NULL);
  if (!job)
    return NULL;
  ZeroMemory(&limits, sizeof limits);
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits))
  {
    CloseHandle(job);
    return NULL;
  }
  return job;
}

static void ReportError(const char* what, const wchar_t* name)
{
  const DWORD error = GetLastError();
  wchar_t reason[256] = L"";
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, error, 0, reason, 256, NULL);
  fprintf(stderr, "winelaunch: %s %ls: error %lu: %ls\n", what, name, error, reason);
}

static int Finish(const wchar_t* mark, DWORD exitCode)
{
  char text[16];
  snprintf(text, sizeof text, "%lu\n", exitCode);
  WriteMark(mark, text);
  /* Wine passes on only the low byte as the Unix exit status: a failure
   * such as 256 must not read as success there. */
  return exitCode != 0 && (exitCode & 0xFF) == 0 ? 1 : (int)exitCode;
}

int main(void)
{
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count < 3)
  {
    fprintf(stderr, "usage: winelaunch MARK PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  if (!WriteMark(arguments[1], ""))
  {
    fprintf(stderr, "winelaunch: cannot create the mark %ls (error %lu)\n", arguments[1], GetLastError());
    return 125;
  }

  /* The program's command line is ours without the launcher and the mark. */
  wchar_t* programLine = _wcsdup(SkipArgument(SkipArgument(GetCommandLineW())));
  HANDLE job = CreateKillOnCloseJob();
  if (!job)
  {
    ReportError("cannot make a job for", arguments[2]);
    return Finish(arguments[1], 125);
  }
  STARTUPINFOW startup;
  PROCESS_INFORMATION process;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  /* Suspended until it is in the job, so that nothing it starts escapes. */
  if (!programLine ||
      !CreateProcessW(arguments[2], programLine, NULL, NULL, TRUE, CREATE_SUSPENDED, NULL, NULL, &startup, &process))
  {
    ReportError("cannot start", arguments[2]);
    return Finish(arguments[1], 125);
  }
  if (!AssignProcessToJobObject(job, process.hProcess))
  {
    ReportError("cannot put into a job:", arguments[2]);
    TerminateProcess(process.hProcess, 125);
    return Finish(arguments[1], 125);
  }
  ResumeThread(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  /* Ends whatever the program left running. */
  CloseHandle(job);
  return Finish(arguments[1], exitCode);
}
