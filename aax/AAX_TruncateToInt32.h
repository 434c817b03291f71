#pragma once

#include <cstdint>

// Truncation toward zero (28.999999999999996 gives 28, -4.8 gives -4). A value
// that is not a number or lies outside the int32 range gives INT32_MIN, as the
// host's integer conversion does; a plain cast would be undefined there.
inline int32_t AAX_TruncateToInt32(double value)
{
  if (value > -2147483649.0 && value < 2147483648.0)
    return static_cast<int32_t>(value);
  return INT32_MIN;
}
