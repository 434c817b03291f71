#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// PNG files put together chunk by chunk (CRCs from zlib), for the inputs
// that an encoder never writes.
class PngChunks
{
public:
  PngChunks();  // the signature
  PngChunks& Add(const std::string& type, const std::vector<unsigned char>& data);
  PngChunks& Header(std::uint32_t width, std::uint32_t height, int bitDepth = 8, int colorType = 6);
  // Rows as PNG stores them (each with its filter byte), compressed.
  PngChunks& ImageData(const std::vector<unsigned char>& rows);
  PngChunks& End();
  // A chunk that declares length bytes of data and holds only start: the
  // file ends inside it.
  PngChunks& Declare(const std::string& type, std::uint32_t length, const std::vector<unsigned char>& start);
  const std::vector<unsigned char>& Bytes() const { return mBytes; }

private:
  std::vector<unsigned char> mBytes;
};

// Where a chunk of a PNG file lies: its length field at offset, then its
// type, length bytes of data and its CRC.
struct ChunkPlace
{
  std::string type;
  std::size_t offset;
  std::size_t length;
  std::size_t End() const { return offset + 12 + length; }
};
std::vector<ChunkPlace> ChunksOf(const std::vector<unsigned char>& png);

// Bytes in the zlib format, as IDAT chunks carry them, followed in the
// stream by zerosAfter zero bytes (which need not be held anywhere).
std::vector<unsigned char> Deflate(const std::vector<unsigned char>& bytes, std::size_t zerosAfter = 0);
std::vector<unsigned char> Inflate(const std::vector<unsigned char>& stream);
// The PNG file with its image data compressed again, surplus zero bytes
// after the rows in the stream, and split into IDAT chunks of at most
// chunkSize bytes.
std::vector<unsigned char> RecompressImageData(const std::vector<unsigned char>& png, std::size_t surplus,
                                               std::size_t chunkSize);
