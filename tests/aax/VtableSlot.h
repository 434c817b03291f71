#pragma once

#include <cstdint>
#include <cstring>

// The table slot of a virtual member function, from its member pointer: in
// the C++ ABI that both GCC and MinGW follow, a pointer to a virtual member
// holds 1 plus the slot's byte offset in the table.
template <class Member>
int VtableSlot(Member member)
{
  static_assert(sizeof(Member) == 2 * sizeof(uintptr_t), "a pointer and an adjustment");
  uintptr_t word;
  std::memcpy(&word, &member, sizeof word);
  return (word & 1) ? static_cast<int>((word - 1) / sizeof(void*)) : -1;
}
