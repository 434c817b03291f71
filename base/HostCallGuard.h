#pragma once

#include <new>

// No C++ exception may leave a module into its host: it would unwind through
// frames that were not built for it and end the host's process. A host entry
// whose work can throw (a standard container that could not allocate) runs
// that work through here and answers the host's failure result instead.
template <class Result, class Work>
Result GuardHostCall(Result outOfMemory, Result otherFailure, Work&& work) noexcept
{
  try
  {
    return work();
  }
  catch (const std::bad_alloc&)
  {
    return outOfMemory;
  }
  catch (...)
  {
    return otherFailure;
  }
}
