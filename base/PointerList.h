#pragma once

#include "HeapBuffer.h"

#include <cstring>

// An ordered list of pointers in a HeapBuffer. The list owns its entries
// only through the delete operations: its owner calls DeleteAll (or
// DeleteAt) before the list goes; the destructor frees just the array.
template <class T>
class PointerList
{
public:
  PointerList() = default;
  PointerList(const PointerList&) = delete;
  PointerList& operator=(const PointerList&) = delete;

  int Count() const { return mBuffer.Size() / static_cast<int>(sizeof(T*)); }

  // Null when the list is empty or the index is out of range.
  T* Get(int index) const
  {
    T** entries = Entries();
    return entries && index >= 0 && index < Count() ? entries[index] : nullptr;
  }

  // Returns the pointer, or null when the list could not grow.
  T* Add(T* item) { return Insert(Count(), item); }

  T* Insert(int index, T* item)
  {
    const int count = Count();
    if (index < 0)
      index = 0;
    if (index > count)
      index = count;
    if (!Grow(count + 1))
      return nullptr;
    T** entries = Entries();
    std::memmove(entries + index + 1, entries + index, (count - index) * sizeof(T*));
    entries[index] = item;
    return item;
  }

  // Deletes the entry at the index and closes the gap; an index out of
  // range is ignored.
  void DeleteAt(int index)
  {
    const int count = Count();
    if (index < 0 || index >= count)
      return;
    T** entries = Entries();
    delete entries[index];
    std::memmove(entries + index, entries + index + 1, (count - index - 1) * sizeof(T*));
    mBuffer.Resize((count - 1) * static_cast<int>(sizeof(T*)), false);
  }

  // Deletes every entry, last first (each entry's destructor frees what it
  // owns), and leaves the list empty. Null entries are skipped.
  void DeleteAll()
  {
    for (int i = Count() - 1; i >= 0; --i)
    {
      delete Entries()[i];
      mBuffer.Resize(i * static_cast<int>(sizeof(T*)), false);
    }
  }

  // Forgets the entries without deleting them (for lists that own nothing).
  void Empty() { mBuffer.Resize(0, false); }

private:
  T** Entries() const { return static_cast<T**>(mBuffer.Get()); }

  bool Grow(int count)
  {
    if (count > 0x7fffffff / static_cast<int>(sizeof(T*)))
      return false;
    const int bytes = count * static_cast<int>(sizeof(T*));
    mBuffer.Resize(bytes, false);
    return mBuffer.Size() == bytes;
  }

  HeapBuffer mBuffer{4096};
};
