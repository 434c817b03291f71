// PNG decoding from arbitrary bytes: never a crash, a leak or a read outside
// the block; a bitmap, when there is one, of the size its header announces.

#include "LICE_Png.h"
#include "LICE_PngCrc.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

// In place of the loader's own choice: mutated chunks get past their CRCs
// to the decoder.
void lice::ChoosePngCrcAction(png_structp png) { png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE); }

namespace
{
std::uint32_t BigEndian(const std::uint8_t* bytes)
{
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 | bytes[3];
}

struct Size
{
  std::uint64_t width = 0;
  std::uint64_t height = 0;
  bool found = false;
};

// From the first IHDR chunk, reached chunk by chunk as libpng reads them:
// other chunks may stand before it.
Size HeaderSize(const std::uint8_t* data, std::size_t size)
{
  for (std::uint64_t at = 8; at + 16 <= size; at += 12 + std::uint64_t{BigEndian(data + at)})
  {
    if (std::memcmp(data + at + 4, "IHDR", 4) == 0)
      return {BigEndian(data + at + 8), BigEndian(data + at + 12), true};
  }
  return {};
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  // The loader allocates the whole bitmap, and a row table, before it
  // decodes a row: a header may ask for gigabytes in a few bytes. An image
  // of more than 2^16 pixels reaches nothing in the decoder that a smaller
  // one does not, and its allocation would cost more than the decoding.
  const Size header = HeaderSize(data, size);
  if (size > 1 << 20 || header.width * header.height > (std::uint64_t{1} << 16))
    return 0;
  std::unique_ptr<LICE_IBitmap> bitmap(LICE_ReadPngMemory(data, static_cast<int>(size)));
  if (bitmap && (!header.found || std::uint64_t(bitmap->Width()) != header.width ||
                 std::uint64_t(bitmap->Height()) != header.height))
    __builtin_trap();
  return 0;
}
