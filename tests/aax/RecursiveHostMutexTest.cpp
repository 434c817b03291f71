#include "RecursiveHostMutex.h"
#include "support/Threads.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
TEST(RecursiveHostMutex, OnlyTheFirstLockOfAThreadAcquires)
{
  RecursiveHostMutex mutex;
  EXPECT_TRUE(mutex.Lock());
  EXPECT_FALSE(mutex.Lock());
  mutex.Unlock();
  EXPECT_TRUE(mutex.Lock());
  mutex.Unlock();
}

TEST(RecursiveHostMutex, InnerGuardDoesNotRelease)
{
  RecursiveHostMutex mutex;
  {
    RecursiveHostMutexGuard outer(mutex);
    {
      RecursiveHostMutexGuard inner(mutex);
    }
    EXPECT_FALSE(mutex.Lock());
  }
  EXPECT_TRUE(mutex.Lock());
  mutex.Unlock();
}

TEST(RecursiveHostMutex, AnotherThreadCannotRelease)
{
  if (ThreadsUnavailable())
    GTEST_SKIP() << "needs a second thread";
  RecursiveHostMutex mutex;
  ASSERT_TRUE(mutex.Lock());
  std::thread other([&] { mutex.Unlock(); });
  other.join();
  EXPECT_FALSE(mutex.Lock());
  mutex.Unlock();
}

TEST(RecursiveHostMutex, ExcludesAnotherThread)
{
  RecursiveHostMutex mutex;
  long counter = 0;
  auto work = [&] {
    for (int i = 0; i < 5000; ++i)
    {
      RecursiveHostMutexGuard outer(mutex);
      {
        RecursiveHostMutexGuard inner(mutex);
      }
      // Still held after the inner guard: no other thread comes in between.
      const long seen = counter;
      std::this_thread::yield();
      counter = seen + 1;
    }
  };
  RunConcurrently(work, work);
  EXPECT_EQ(counter, 10000);
}
}
