#pragma once

#include "aax_base.h"

// A proxy's references on host interfaces: each one obtained is held until
// the proxy releases it.

template <class Interface>
void ReleaseHostInterface(Interface*& field)
{
  if (field)
    field->Release();
  field = nullptr;
}

// Releases what field holds and fills it with the interface the host object
// answers for iid; null when there is no host object or it does not answer.
template <class Interface>
void ObtainHostInterface(Interface*& field, IACFUnknown* host, const ACFUID& iid)
{
  ReleaseHostInterface(field);
  void* answer = nullptr;
  if (host && host->QueryInterface(&iid, &answer) == kAAXSuccess)
    field = static_cast<Interface*>(answer);
}
