#pragma once

#include <cstdlib>
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
