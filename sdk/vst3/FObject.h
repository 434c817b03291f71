#pragma once

#include "vst3_base.h"

#include <atomic>

namespace Steinberg
{
// The reference-counted object behind a class's interface faces: every face
// forwards addRef and release here, and the last release deletes it.
class FObject
{
public:
  FObject() = default;
  FObject(const FObject&) = delete;
  FObject& operator=(const FObject&) = delete;
  virtual ~FObject() = default;

  uint32 AddRef() { return ++mRefCount; }
  uint32 Release()
  {
    const uint32 count = --mRefCount;
    if (count == 0)
      delete this;
    return count;
  }
  uint32 RefCount() const { return mRefCount; }

  virtual const char* isA() const { return "FObject"; }
  virtual bool isTypeOf(const char* name, bool askBaseClass = true) const;

private:
  std::atomic<uint32> mRefCount{1};
};

// Hands out obj as the asked interface, with a reference added.
template <class Face>
tresult GiveInterface(Face* face, FObject* object, void** obj)
{
  object->AddRef();
  *obj = face;
  return kResultOk;
}
}

// The FUnknown part of a face of an FObject class.
#define ZL_FOBJECT_FACE_REFCOUNT                                                        \
  ::Steinberg::uint32 PLUGIN_API addRef() override { return AsFObject()->AddRef(); }   \
  ::Steinberg::uint32 PLUGIN_API release() override { return AsFObject()->Release(); }
