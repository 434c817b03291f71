#pragma once

#include "aax_base.h"

#include <memory>
#include <new>
#include <vector>

// The child proxies that a description proxy made, owned in the order they
// were made. A child handed back to its parent is recognised by its address
// among these, so that a pointer the parent did not make is never used.
template <class Child>
class OwnedChildren
{
public:
  OwnedChildren() = default;
  OwnedChildren(const OwnedChildren&) = delete;
  OwnedChildren& operator=(const OwnedChildren&) = delete;
  ~OwnedChildren() { Clear(); }

  // A new child over the host object (which may be null), kept here; null
  // when memory cannot be had for it.
  Child* Make(IACFUnknown* host) noexcept
  {
    try
    {
      mChildren.reserve(mChildren.size() + 1);
    }
    catch (...)
    {
      return nullptr;
    }
    Child* child = new (std::nothrow) Child(host);
    if (child)
      mChildren.emplace_back(child);
    return child;
  }

  // The child made here whose face this is; null for any other pointer
  // (null included).
  template <class Face>
  Child* Find(const Face* face) const
  {
    for (const auto& child : mChildren)
      if (static_cast<const Face*>(child.get()) == face)
        return child.get();
    return nullptr;
  }

  // The first host interface of a child made here; null for a child without
  // one, and for a pointer that is not a child of these.
  template <class Face>
  IACFUnknown* HostInterfaceOf(const Face* face) const
  {
    const Child* child = Find(face);
    return child ? child->HostInterface() : nullptr;
  }

  // Deletes the children in the order they were made.
  void Clear() noexcept
  {
    for (auto& child : mChildren)
      child.reset();
    mChildren.clear();
  }

private:
  std::vector<std::unique_ptr<Child>> mChildren;
};
