#pragma once

#include <chrono>
#include <cstdlib>
#include <future>
#include <memory>
#include <thread>
#include <utility>

// Where 32-bit Windows programs run through qemu-user (kernels without
// 32-bit support), Wine cannot start a second thread: the emulator wrapper
// then sets ZL_NO_THREADS.
inline bool ThreadsUnavailable()
{
  const char* value = std::getenv("ZL_NO_THREADS");
  return value && value[0] == '1';
}

// Runs both functions at once, or one after the other where no second thread
// can be had (the results must then still hold, only the race is untested).
template <class First, class Second>
void RunConcurrently(First&& first, Second&& second)
{
  if (ThreadsUnavailable())
  {
    first();
    second();
    return;
  }
  std::thread other(std::forward<Second>(second));
  first();
  other.join();
}

// Runs work on a thread of its own and waits for it at most patience: true
// when it finished. A thread that did not is left behind, so that a test
// that meets a deadlock fails instead of hanging; whatever its work uses
// must then outlive the test. Without a second thread the work runs here,
// unbounded.
template <class Work>
bool FinishesWithin(std::chrono::milliseconds patience, Work work)
{
  if (ThreadsUnavailable())
  {
    work();
    return true;
  }
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  std::thread([done, work]() mutable {
    work();
    done->set_value();
  }).detach();
  return finished.wait_for(patience) == std::future_status::ready;
}
