#pragma once

#include <cstring>
#include <vector>

// Equal bit for bit: a result that must not differ in any sample, not even
// in the sign of a zero.
template <class Sample>
bool SameBits(const std::vector<Sample>& a, const std::vector<Sample>& b)
{
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(Sample)) == 0;
}
