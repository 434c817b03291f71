#include "Mutex.h"
#include "support/Threads.h"

#include <gtest/gtest.h>

#include <chrono>

namespace
{
// Far longer than entering and leaving a lock takes.
constexpr std::chrono::seconds kPatience(10);

// A lock that is not recursive would hang its thread at the second enter,
// and one whose leaves do not match the enters would keep other threads
// out. Such a thread is left behind, with its lock: the lock is not freed
// when the test fails.
TEST(Mutex, IsRecursiveAndEveryEnterIsLeftOnce)
{
  auto* mutex = new Mutex;
  ASSERT_TRUE(FinishesWithin(kPatience, [mutex] {
    MutexGuard outer(mutex);
    MutexGuard inner(mutex);
    MutexGuard none(nullptr);
  })) << "a thread holding the lock could not enter it again";
  ASSERT_TRUE(FinishesWithin(kPatience, [mutex] { MutexGuard guard(mutex); }))
    << "the lock was still held after every enter was left";
  delete mutex;
}

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
