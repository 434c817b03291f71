#include "PngChunks.h"

#include <zlib.h>

#include <algorithm>

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

std::vector<unsigned char> Deflate(const std::vector<unsigned char>& bytes, std::size_t zerosAfter)
{
  z_stream stream = {};
  deflateInit(&stream, Z_BEST_COMPRESSION);
  std::vector<unsigned char> out;
  unsigned char piece[1 << 16];
  const std::vector<unsigned char> zeros(1 << 16, 0);
  auto pump = [&](const unsigned char* in, std::size_t size, int flush) {
    stream.next_in = const_cast<unsigned char*>(in);
    stream.avail_in = static_cast<uInt>(size);
    do
    {
      stream.next_out = piece;
      stream.avail_out = sizeof piece;
      deflate(&stream, flush);
      out.insert(out.end(), piece, piece + (sizeof piece - stream.avail_out));
    } while (stream.avail_out == 0);
  };
  pump(bytes.data(), bytes.size(), Z_NO_FLUSH);
  for (std::size_t left = zerosAfter; left > 0;)
  {
    const std::size_t n = left < zeros.size() ? left : zeros.size();
    pump(zeros.data(), n, Z_NO_FLUSH);
    left -= n;
  }
  pump(nullptr, 0, Z_FINISH);
  deflateEnd(&stream);
  return out;
}

std::vector<unsigned char> Inflate(const std::vector<unsigned char>& compressed)
{
  z_stream stream = {};
  inflateInit(&stream);
  std::vector<unsigned char> out;
  unsigned char piece[1 << 16];
  stream.next_in = const_cast<unsigned char*>(compressed.data());
  stream.avail_in = static_cast<uInt>(compressed.size());
  int result;
  do
  {
    stream.next_out = piece;
    stream.avail_out = sizeof piece;
    result = inflate(&stream, Z_NO_FLUSH);
    out.insert(out.end(), piece, piece + (sizeof piece - stream.avail_out));
  } while (result == Z_OK);
  inflateEnd(&stream);
  return out;
}

std::vector<unsigned char> RecompressImageData(const std::vector<unsigned char>& png, std::size_t surplus,
                                               std::size_t chunkSize)
{
  const std::vector<ChunkPlace> chunks = ChunksOf(png);
  std::vector<unsigned char> compressed;
  for (const ChunkPlace& chunk : chunks)
    if (chunk.type == "IDAT")
      compressed.insert(compressed.end(), png.begin() + chunk.offset + 8, png.begin() + chunk.offset + 8 + chunk.length);
  const std::vector<unsigned char> stream = Deflate(Inflate(compressed), surplus);

  PngChunks rebuilt;
  bool dataWritten = false;
  for (const ChunkPlace& chunk : chunks)
  {
    if (chunk.type != "IDAT")
    {
      rebuilt.Add(chunk.type, std::vector<unsigned char>(png.begin() + chunk.offset + 8,
                                                          png.begin() + chunk.offset + 8 + chunk.length));
      continue;
    }
    if (dataWritten)
      continue;
    for (std::size_t at = 0; at < stream.size(); at += chunkSize)
      rebuilt.Add("IDAT", std::vector<unsigned char>(stream.begin() + at,
                                                     stream.begin() + std::min(stream.size(), at + chunkSize)));
    dataWritten = true;
  }
  return rebuilt.Bytes();
}
