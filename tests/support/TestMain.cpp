// The main of every test program. On Windows gtest's own printer hands each
// failure and skip to OutputDebugStringA, which raises an exception; where
// 32-bit Wine runs under qemu-user an exception cannot be dispatched and the
// program dies on the first failed or skipped case. There this printer
// takes the printing of test part results, and gtest's prints the rest.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace
{
#ifdef _WIN32
class PartResultPrinter : public testing::EmptyTestEventListener
{
public:
  explicit PartResultPrinter(testing::TestEventListener* defaultPrinter) : mDefault(defaultPrinter) {}

  void OnTestProgramStart(const testing::UnitTest& test) override { mDefault->OnTestProgramStart(test); }
  void OnTestIterationStart(const testing::UnitTest& test, int iteration) override
  {
    mDefault->OnTestIterationStart(test, iteration);
  }
  void OnEnvironmentsSetUpStart(const testing::UnitTest& test) override { mDefault->OnEnvironmentsSetUpStart(test); }
  void OnEnvironmentsSetUpEnd(const testing::UnitTest& test) override { mDefault->OnEnvironmentsSetUpEnd(test); }
  void OnTestSuiteStart(const testing::TestSuite& suite) override { mDefault->OnTestSuiteStart(suite); }
  void OnTestStart(const testing::TestInfo& info) override { mDefault->OnTestStart(info); }
  void OnTestPartResult(const testing::TestPartResult& result) override
  {
    if (result.type() == testing::TestPartResult::kSuccess)
      return;
    const char* kind = result.type() == testing::TestPartResult::kSkip ? "Skipped" : "Failure";
    if (result.file_name())
      std::printf("%s:%d: %s\n%s\n", result.file_name(), result.line_number(), kind, result.message());
    else
      std::printf("unknown file: %s\n%s\n", kind, result.message());
    std::fflush(stdout);
  }
  void OnTestEnd(const testing::TestInfo& info) override { mDefault->OnTestEnd(info); }
  void OnTestSuiteEnd(const testing::TestSuite& suite) override { mDefault->OnTestSuiteEnd(suite); }
  void OnEnvironmentsTearDownStart(const testing::UnitTest& test) override
  {
    mDefault->OnEnvironmentsTearDownStart(test);
  }
  void OnEnvironmentsTearDownEnd(const testing::UnitTest& test) override { mDefault->OnEnvironmentsTearDownEnd(test); }
  void OnTestIterationEnd(const testing::UnitTest& test, int iteration) override
  {
    mDefault->OnTestIterationEnd(test, iteration);
  }
  void OnTestProgramEnd(const testing::UnitTest& test) override { mDefault->OnTestProgramEnd(test); }

private:
  std::unique_ptr<testing::TestEventListener> mDefault;
};

void ReplaceDefaultPrinter()
{
  testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
  if (testing::TestEventListener* defaultPrinter = listeners.Release(listeners.default_result_printer()))
    listeners.Append(new PartResultPrinter(defaultPrinter));
}
#else
void ReplaceDefaultPrinter() {}
#endif
}

int main(int argc, char** argv)
{
  testing::InitGoogleTest(&argc, argv);
  ReplaceDefaultPrinter();
  return RUN_ALL_TESTS();
}
