#include "Mutex.h"
#include "support/Threads.h"

#include <gtest/gtest.h>

namespace
{
TEST(Mutex, IsRecursive)
{
  Mutex mutex;
  MutexGuard outer(&mutex);
  MutexGuard inner(&mutex);
  SUCCEED();
}

TEST(Mutex, NullGuardDoesNothing) { MutexGuard guard(nullptr); }

TEST(Mutex, ExcludesOtherThreads)
{
  Mutex mutex;
  long counter = 0;
  auto work = [&] {
    for (int i = 0; i < 20000; ++i)
    {
      MutexGuard guard(&mutex);
      MutexGuard again(&mutex);
      ++counter;
    }
  };
  RunConcurrently(work, work);
  EXPECT_EQ(counter, 40000);
}
}
