#pragma once

#include "HostCallGuard.h"
#include "aax_base.h"

#include <utility>

// Runs the work of an entry the host calls: an exception becomes
// kACFUnexpected, since none may unwind into the host.
template <class Work>
int32_t GuardedEntry(Work&& work) noexcept
{
  return GuardHostCall<int32_t>(kACFUnexpected, kACFUnexpected, std::forward<Work>(work));
}
