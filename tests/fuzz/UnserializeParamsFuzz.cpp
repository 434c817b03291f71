// Parameter state read back from arbitrary bytes, as the base reads it and
// as a host's bytes are restored over the current state: never a crash,
// every value finite and in range, and a position that is -1 or just
// behind the state.

#include "StatePlug.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size > 1 << 16)
    return 0;
  StatePlug plug;
  StateChunk chunk;
  // The first byte picks the start position, as framing in front would,
  // and the way of reading.
  const int start = size ? data[0] % 16 - 1 : 0;
  const bool restore = size && (data[0] & 0x80);
  if (size > 1)
    chunk.PutBytes(data + 1, static_cast<int>(size - 1));

  const int end = restore ? plug.RestorePlugState(&chunk, start) : plug.UnserializeParams(&chunk, start);
  if (end != -1 && end != start + 8 * plug.NParams())
    __builtin_trap();
  for (int i = 0; i < plug.NParams(); ++i)
  {
    const IPlugParameter* param = plug.GetParam(i);
    const double v = param->Value();
    if (!std::isfinite(v) || v < param->Min() || v > param->Max())
      __builtin_trap();
  }
  return 0;
}
