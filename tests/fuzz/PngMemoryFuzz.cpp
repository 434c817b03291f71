// PNG decoding from arbitrary bytes: never a crash, a leak or a read outside
// the block; a bitmap, when there is one, of the size its header announces.

#include "LICE_Png.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace
{
std::uint32_t BigEndian(const std::uint8_t* bytes)
{
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 | bytes[3];
}

// The loader allocates the whole bitmap before it decodes a row: a header
// may ask for gigabytes in a few bytes.
bool AnnouncesOver2To24Pixels(const std::uint8_t* data, std::size_t size)
{
  if (size < 24 || data[12] != 'I' || data[13] != 'H' || data[14] != 'D' || data[15] != 'R')
    return false;
  return std::uint64_t{BigEndian(data + 16)} * BigEndian(data + 20) > (std::uint64_t{1} << 24);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size > 1 << 20 || AnnouncesOver2To24Pixels(data, size))
    return 0;
  std::unique_ptr<LICE_IBitmap> bitmap(LICE_ReadPngMemory(data, static_cast<int>(size)));
  if (bitmap && (std::uint32_t(bitmap->Width()) != BigEndian(data + 16) ||
                 std::uint32_t(bitmap->Height()) != BigEndian(data + 20)))
    __builtin_trap();
  return 0;
}
