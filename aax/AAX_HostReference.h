#pragma once

#include "AAX_HostInterfaces.h"

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

// Releases what field holds and fills it with a new host object of class
// classId, answering iid, made by the host object's factory (which is
// released again); null when there is no host object, no factory or no such
// object.
template <class Interface>
void MakeHostObject(Interface*& field, IACFUnknown* host, const ACFUID& classId, const ACFUID& iid)
{
  ReleaseHostInterface(field);
  IACFHostObjectFactory* factory = nullptr;
  ObtainHostInterface(factory, host, IID_IACFHostObjectFactory);
  if (!factory)
    return;
  void* answer = nullptr;
  if (factory->CreateHostObject(&classId, nullptr, &iid, &answer) == kAAXSuccess)
    field = static_cast<Interface*>(answer);
  ReleaseHostInterface(factory);
}

// A host object kept by a proxy, with the reference taken on it.
inline IACFUnknown* HoldHostObject(IACFUnknown* host)
{
  if (host)
    host->AddRef();
  return host;
}
