#pragma once

#include "HostCallGuard.h"
#include "ZelvarLispera.h"

// Constructs one effect on the module's wrapper for a host; null when that
// failed, since no exception may leave into the host. Constructions never
// run concurrently: instances fill process-wide caches.
template <class Wrapper>
Wrapper* CreatePlugInstance(typename Wrapper::InstanceInfo instanceInfo = {})
{
  static Mutex sInstanceMutex;
  MutexGuard lock(&sInstanceMutex);
  return GuardHostCall<Wrapper*>(nullptr, nullptr, [&] { return new ZelvarLispera<Wrapper>(instanceInfo); });
}
