#include "PngChunks.h"

#include <zlib.h>

namespace
{
void PutBigEndian(std::vector<unsigned char>& out, std::uint32_t value)
{
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<unsigned char>(value >> shift));
}

std::uint32_t GetBigEndian(const unsigned char* in)
{
  return std::uint32_t{in[0]} << 24 | std::uint32_t{in[1]} << 16 | std::uint32_t{in[2]} << 8 | in[3];
}
}

PngChunks::PngChunks() : mBytes{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A} {}

PngChunks& PngChunks::Add(const std::string& type, const std::vector<unsigned char>& data)
{
  PutBigEndian(mBytes, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = mBytes.size();
  mBytes.insert(mBytes.end(), type.begin(), type.end());
  mBytes.insert(mBytes.end(), data.begin(), data.end());
  const uLong crc = crc32(crc32(0, nullptr, 0), mBytes.data() + typeAt, static_cast<uInt>(mBytes.size() - typeAt));
  PutBigEndian(mBytes, static_cast<std::uint32_t>(crc));
  return *this;
}

PngChunks& PngChunks::Header(std::uint32_t width, std::uint32_t height, int bitDepth, int colorType)
{
  std::vector<unsigned char> data;
  PutBigEndian(data, width);
  PutBigEndian(data, height);
  data.insert(data.end(), {static_cast<unsigned char>(bitDepth), static_cast<unsigned char>(colorType), 0, 0, 0});
  return Add("IHDR", data);
}

PngChunks& PngChunks::ImageData(const std::vector<unsigned char>& rows) { return Add("IDAT", Deflate(rows)); }

PngChunks& PngChunks::End() { return Add("IEND", {}); }

PngChunks& PngChunks::Declare(const std::string& type, std::uint32_t length, const std::vector<unsigned char>& start)
{
  PutBigEndian(mBytes, length);
  mBytes.insert(mBytes.end(), type.begin(), type.end());
  mBytes.insert(mBytes.end(), start.begin(), start.end());
  return *this;
}

std::vector<ChunkPlace> ChunksOf(const std::vector<unsigned char>& png)
{
  std::vector<ChunkPlace> chunks;
  for (std::size_t at = 8; at + 12 <= png.size();)
  {
    const ChunkPlace chunk = {std::string(png.begin() + at + 4, png.begin() + at + 8), at, GetBigEndian(&png[at])};
    chunks.push_back(chunk);
    at = chunk.End();
  }
  return chunks;
}

std::vector<unsigned char> Deflate(const std::vector<unsigned char>& bytes)
{
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::vector<unsigned char> data(size);
  compress(data.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()));
  data.resize(size);
  return data;
}
