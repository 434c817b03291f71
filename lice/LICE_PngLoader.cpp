// PNG decoding with libpng, from memory and from files, and the PNG entry of
// the image loader list. The registration lives here so that every program
// that loads a PNG links it.

#include "LICE_ImageLoader.h"
#include "LICE_MemBitmap.h"
#include "LICE_Png.h"
#include "LICE_PngCrc.h"
#include "LICE_PngPlatform.h"
#include "LICE_Rows.h"

#include "HeapAllocator.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

namespace
{
const unsigned char kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// libpng's I/O pointer while a block of memory is decoded.
struct MemorySource
{
  const unsigned char* next;
  int remaining;
  png_size_t zerosPastTheEnd;
};

// A chunk that claims up to 2 GB would be read (libpng may ask for all of
// it at once), in zeros, and checksummed to its end: seconds for a block of
// a few bytes. A valid image never reads past its end, so this much is
// already a failed load.
constexpr png_size_t kMostZerosPastTheEnd = 1 << 16;

// Past the end of the block it delivers zeros, on which libpng then fails,
// so no byte outside the block is read.
void ReadMemory(png_structp png, void* from, png_bytep destination, png_size_t length)
{
  MemorySource* source = static_cast<MemorySource*>(from);
  const png_size_t available = static_cast<png_size_t>(source->remaining);
  const png_size_t n = length < available ? length : available;
  source->zerosPastTheEnd += length - n;
  if (source->zerosPastTheEnd > kMostZerosPastTheEnd)
    png_error(png, "PNG data ends early");
  std::memset(destination, 0, length);
  std::memcpy(destination, source->next, n);
  source->next += n;
  source->remaining -= static_cast<int>(n);
}

void ReadFile(png_structp png, void* from, png_bytep destination, png_size_t length)
{
  if (std::fread(destination, 1, length, static_cast<std::FILE*>(from)) != length)
    png_error(png, "Read Error");
}

// libpng's own blocks come from the framework's heap like every other.
png_voidp PngAllocate(png_structp, png_alloc_size_t bytes) { return HeapAllocate(bytes); }
void PngRelease(png_structp, png_voidp block) { HeapRelease(block); }

// libpng's usual bound on a chunk it allocates for, made explicit. Only the
// chunks the loader parses (the header, palette and transparency, which
// fit a few hundred bytes) are held to it; the others are skipped unparsed,
// read in small pieces whatever they declare.
constexpr png_alloc_size_t kMostChunkBytes = 8000000;

// The loader's chunks: every chunk but the header, palette, transparency
// and image data is skipped unparsed: nothing is allocated for them and
// their oddities do not cost the image.
void SkipUnusedChunks(png_structp png)
{
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_set_chunk_malloc_max(png, kMostChunkBytes);
}

// What one decode owns. It lives outside the frame that libpng's errors jump
// back to, so it keeps its values across the jump and the error path can
// release it.
struct Decode
{
  void (*read)(png_structp, void*, png_bytep, png_size_t);
  void* source;
  LICE_IBitmap* target;  // the caller's, or null
  png_structp png;
  png_infop info;
  png_uint_32 width;
  png_uint_32 height;
  int bitDepth;
  int colorType;
  LICE_IBitmap* created;
  LICE_IBitmap* bitmap;  // target or created
  png_bytep* rows;
  // Set while the last row of the last pass is being read, and once every
  // row is in place; then what libpng may still read, and whether it asked
  // for more.
  bool lastRow = false;
  bool complete = false;
  png_size_t bytesAfterTheRows = 0;
  bool stopped = false;
};

// After the last row libpng reads on to the end of the compressed stream,
// inflating whatever it holds (any amount, to check that it ends), then the
// rest of the chunk and its CRC. A valid stream ends within a few bytes of
// the last row: its final block's end and its Adler-32 sum, perhaps in a
// chunk of their own. libpng gets this much more, no more: a load that
// would need more is done, good, without inflating the surplus (beyond
// what libpng already holds of it, at most one piece of 8 KB).
constexpr png_size_t kMostBytesAfterTheRows = 1024;

Decode& DecodeOf(png_structp png) { return *static_cast<Decode*>(png_get_error_ptr(png)); }

void PngRead(png_structp png, png_bytep destination, png_size_t length)
{
  Decode& d = DecodeOf(png);
  if (d.complete)
  {
    if (length > kMostBytesAfterTheRows - d.bytesAfterTheRows)
    {
      d.stopped = true;
      png_error(png, "surplus data after the image");
    }
    d.bytesAfterTheRows += length;
  }
  d.read(png, d.source, destination, length);
}

// libpng's errors, as libpng prints them, then back to the decode's frame;
// the stop after the last row is no error.
void PngError(png_structp png, png_const_charp message)
{
  if (!DecodeOf(png).stopped)
    std::fprintf(stderr, "libpng error: %s\n", message);
  png_longjmp(png, 1);
}

// A chunk type as libpng names the chunk it reads: its four letters, big-endian.
constexpr png_uint_32 ChunkType(const char (&type)[5])
{
  return static_cast<png_uint_32>(type[0]) << 24 | static_cast<png_uint_32>(type[1]) << 16 |
         static_cast<png_uint_32>(type[2]) << 8 | static_cast<png_uint_32>(type[3]);
}

bool IsParsedChunk(png_uint_32 chunk)
{
  return chunk == ChunkType("IHDR") || chunk == ChunkType("PLTE") || chunk == ChunkType("tRNS");
}

// libpng's benign errors arrive here as warnings. Those of a chunk the
// loader parses end the load: a malformed or misplaced palette or
// transparency, or one that declares more than kMostChunkBytes, is not
// quietly dropped. Others (a large chunk that is skipped, compressed data
// left over after the image) cost nothing but the warning.
void PngWarning(png_structp png, png_const_charp message)
{
  if (IsParsedChunk(png_get_io_chunk_type(png)))
    png_error(png, message);
  std::fprintf(stderr, "libpng warning: %s\n", message);
}

// Called for each row that libpng decodes, after its other transforms.
void NoteRow(png_structp png, png_row_infop, png_bytep)
{
  Decode& d = *static_cast<Decode*>(png_get_user_transform_ptr(png));
  if (d.lastRow)
    d.complete = true;
}

// Rows then arrive with 4 bytes per pixel: alpha (or 255), red, green, blue.
// No gamma or colour-space transform: the samples stay as stored.
void ChooseTransforms(png_structp png, png_infop info, int bitDepth, int colorType)
{
  if (colorType == PNG_COLOR_TYPE_PALETTE)
    png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
    png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS))
  {
    png_set_tRNS_to_alpha(png);
    colorType |= PNG_COLOR_MASK_ALPHA;
  }
  if (bitDepth == 16)
    png_set_strip_16(png);
  if (bitDepth < 8)
    png_set_packing(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(png);
  if (colorType & PNG_COLOR_MASK_ALPHA)
    png_set_swap_alpha(png);
  else
    png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
}

// A bitmap of exactly the image's size (a failed allocation leaves a
// LICE_MemBitmap empty), and a row table in display order. An image of more
// than kMostPngPixels is refused before anything is allocated for it.
bool PrepareRows(Decode& d)
{
  if (static_cast<unsigned long long>(d.width) * d.height > kMostPngPixels)
    return false;
  // libpng keeps both within 31 bits.
  const int width = static_cast<int>(d.width);
  const int height = static_cast<int>(d.height);
  if (d.target)
  {
    d.target->Resize(width, height);
    d.bitmap = d.target;
  }
  else
  {
    d.bitmap = d.created = new (std::nothrow) LICE_MemBitmap(width, height);
  }
  if (!d.bitmap || d.bitmap->Width() != width || d.bitmap->Height() != height || !d.bitmap->PixelData())
    return false;
  d.rows = static_cast<png_bytep*>(HeapAllocate(sizeof(png_bytep) * static_cast<std::size_t>(height)));
  if (!d.rows)
    return false;
  const lice::Rows rows(d.bitmap, 0, 0);
  for (int r = 0; r < height; ++r)
    d.rows[r] = reinterpret_cast<png_bytep>(rows.Row(r));
  return true;
}

// Every pass over every row, as png_read_image reads them, but telling when
// the last row is in place. In the last pass of an interlaced image libpng
// decodes only the odd rows: when the last row is even, the rows are all
// in place before its turn.
void ReadRows(Decode& d)
{
  const int passes = png_set_interlace_handling(d.png);
  png_set_read_user_transform_fn(d.png, NoteRow);
  png_set_user_transform_info(d.png, &d, 0, 0);
  png_read_update_info(d.png, d.info);
  for (int pass = 0; pass < passes; ++pass)
    for (png_uint_32 y = 0; y < d.height; ++y)
    {
      if (pass == passes - 1 && y == d.height - 1)
      {
        d.lastRow = true;
        d.complete = passes > 1 && y % 2 == 0;
      }
      png_read_row(d.png, d.rows[y], nullptr);
    }
}

// The frame that libpng's errors jump back to: no locals, nothing to
// destroy. The stop after the last row is the end of a good load.
bool ReadImage(Decode& d)
{
  if (setjmp(png_jmpbuf(d.png)))
    return d.stopped;
  png_set_read_fn(d.png, nullptr, PngRead);
  lice::ChoosePngCrcAction(d.png);
  SkipUnusedChunks(d.png);
  png_read_info(d.png, d.info);
  png_get_IHDR(d.png, d.info, &d.width, &d.height, &d.bitDepth, &d.colorType, nullptr, nullptr, nullptr);
  ChooseTransforms(d.png, d.info, d.bitDepth, d.colorType);
  if (!PrepareRows(d))
    return false;
  ReadRows(d);
  return true;
}

// Alpha, red, green, blue become blue, green, red, alpha; the row padding
// stays as it is.
void ReverseEachPixel(png_bytep* rows, int width, int height)
{
  for (int r = 0; r < height; ++r)
  {
    for (png_bytep pixel = rows[r], end = rows[r] + 4 * static_cast<std::size_t>(width); pixel != end; pixel += 4)
    {
      std::swap(pixel[0], pixel[3]);
      std::swap(pixel[1], pixel[2]);
    }
  }
}

LICE_IBitmap* DecodePng(void (*readSource)(png_structp, void*, png_bytep, png_size_t), void* source,
                        LICE_IBitmap* target)
{
  Decode d = {readSource, source, target, nullptr, nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr};
  d.png = png_create_read_struct_2("1.6.8", &d, PngError, PngWarning, nullptr, PngAllocate, PngRelease);
  if (!d.png)
    return nullptr;
  d.info = png_create_info_struct(d.png);
  const bool read = d.info && ReadImage(d);
  png_destroy_read_struct(&d.png, &d.info, nullptr);
  if (read)
    ReverseEachPixel(d.rows, d.bitmap->Width(), d.bitmap->Height());
  else
    delete d.created;
  HeapRelease(d.rows);
  return read ? d.bitmap : nullptr;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The text from the last '.', '/' or '\' on is ".png" in any case. The first
// character never counts as a separator: without one the whole path counts.
bool HasPngExtension(const char* path)
{
  const char* tail = path + std::strlen(path);
  while (tail > path && *tail != '.' && *tail != '/' && *tail != '\\')
    --tail;
  const char* extension = ".png";
  for (; *tail && *extension; ++tail, ++extension)
  {
    if (AsciiLower(*tail) != *extension)
      return false;
  }
  return *tail == *extension;
}

ImageLoaderEntry gPngLoader = {PngLoaderLoad, PngLoaderTypes, nullptr};

void RegisterPngLoader()
{
  gPngLoader.next = ImageLoaderList;
  ImageLoaderList = &gPngLoader;
}

struct PngLoaderRegistration
{
  PngLoaderRegistration() { RegisterPngLoader(); }
} gPngLoaderRegistration;
}

LICE_IBitmap* LICE_ReadPngMemory(const void* data, int size)
{
  if (!data || size < 8 || std::memcmp(data, kPngSignature, sizeof kPngSignature) != 0)
    return nullptr;
  // libpng checks the signature again, from the first byte.
  MemorySource source = {static_cast<const unsigned char*>(data), size, 0};
  return DecodePng(ReadMemory, &source, nullptr);
}

LICE_IBitmap* LICE_ReadPngFile(const char* path, LICE_IBitmap* target)
{
  std::FILE* file = path ? lice::OpenPngFile(path) : nullptr;
  if (!file)
    return nullptr;
  LICE_IBitmap* bitmap = DecodePng(ReadFile, file, target);
  std::fclose(file);
  return bitmap;
}

LICE_IBitmap* PngLoaderLoad(const char* path, bool checkExtension, LICE_IBitmap* target)
{
  if (!path || (checkExtension && !HasPngExtension(path)))
    return nullptr;
  return LICE_ReadPngFile(path, target);
}

const char* PngLoaderTypes() { return "PNG files (*.PNG)\0*.PNG\0"; }
