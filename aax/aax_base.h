#pragma once

// Our own declarations of the AAX binary interface, as far as the support
// library needs them. No AAX header is used: every point the interface leaves
// open is decided here, once, with its reason; no other file repeats a
// convention, a size or an identifier's bytes.

#include <cstddef>
#include <cstdint>
#include <cstring>

// Calling conventions. Only 32-bit Windows has more than one; elsewhere the
// macros are empty.
#if defined(_WIN32) && !defined(_WIN64)
// The IACFUnknown family (our faces and every host interface) follows COM,
// whose methods are __stdcall.
#define ACF_CALL __stdcall
// C++ tables that cross without IACFUnknown (AAX_IString, AAX_IParameter, the
// objects of an algorithm context) are called as the hosts' C++ compiler calls
// a member: __thiscall, this in ECX, the callee pops the rest.
#define AAX_MEMBER_CALL __thiscall
// The create and process callbacks are plain functions: the C default.
#define AAX_CALLBACK_CALL __cdecl
// The host looks the exports up by decorated names such as _ACFStartup@4,
// which are the names of __stdcall functions.
#define ACF_EXPORT_CALL __stdcall
#else
#define ACF_CALL
#define AAX_MEMBER_CALL
#define AAX_CALLBACK_CALL
#define ACF_EXPORT_CALL
#endif

// Sizes. A bool crosses as one byte, in arguments and through out-pointers.
static_assert(sizeof(bool) == 1, "bool must be one byte");
static_assert(sizeof(float) == 4 && sizeof(double) == 8, "IEEE single and double");
// A value whose meaning lies with the host: 4 bytes, so that a __stdcall
// callee pops exactly what the host pushed.
typedef int32_t AAX_Value;
// A four-character code: first character in the most significant byte, as
// FourCharCode gives it.
typedef uint32_t AAX_FourCC;

// Slot 0 of a crossing C++ table is one deleting destructor taking an
// unsigned flag (a C++ virtual destructor would take two slots under GCC).
// As with the hosts' compiler (MSVC), the low bit asks it to free the memory.
constexpr uint32_t kDeleteFreesMemory = 1;

// Interface identifier: passed by pointer, in native byte order (so
// {964E333D-334C-533F-C2C7-3834C3C23E3E} lies in memory as 3D 33 4E 96 4C 33
// 3F 53 C2 C7 38 34 C3 C2 3E 3E). All four parts are compared.
struct ACFUID
{
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
};
static_assert(sizeof(ACFUID) == 16, "an identifier is 16 bytes");

constexpr bool operator==(const ACFUID& a, const ACFUID& b)
{
  if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3)
    return false;
  for (int i = 0; i < 8; ++i)
    if (a.data4[i] != b.data4[i])
      return false;
  return true;
}
constexpr bool operator!=(const ACFUID& a, const ACFUID& b) { return !(a == b); }

constexpr ACFUID IID_IACFUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr ACFUID IID_AAX_IACFEffectParameters = {
  0x964E333D, 0x334C, 0x533F, {0xC2, 0xC7, 0x38, 0x34, 0xC3, 0xC2, 0x3E, 0x3E}};
constexpr ACFUID IID_AAX_IACFEffectParameters_V2 = {
  0xF1F47D06, 0x308F, 0x4CC5, {0x9C, 0x7C, 0x50, 0xA8, 0x3F, 0x8A, 0xB8, 0x13}};
constexpr ACFUID IID_AAX_IACFEffectGUI = {0x964E323D, 0x424C, 0x5E1A, {0x22, 0x27, 0x28, 0x24, 0x23, 0x22, 0x2E, 0x1E}};

// Results: 32-bit signed, 0 success.
enum AAX_Result : int32_t
{
  kAAXSuccess = 0,
  kAAXNoParameter = -20001,   // no parameter with this identifier or index
  kAAXNoText = -20002,        // out string missing, or conversion refused
  kAAXRefused = -20004,       // interface not obtainable, or operation refused
  kAAXBadChunkIndex = -20006,
  kAAXUnknownChunk = -20007,
  kAAXBadChunkSize = -20008,  // negative, or changed between size query and write
  kAAXNotSupported = -20009,
  kAAXNoController = -20011,
  kAAXNegativeStepCount = -20033,
  kAAXChunkOverflow = -333,
  kACFNoInterface = static_cast<int32_t>(0x80000004u),
  kACFUnexpected = static_cast<int32_t>(0x8000FFFFu),  // exception caught at an export
};

// Texts: identifiers and the description's names are NUL-terminated C
// strings (const char*); a text handed back goes into an AAX_IString* out.

// The head of every interface of the IACFUnknown family.
class IACFUnknown
{
public:
  virtual int32_t ACF_CALL QueryInterface(const ACFUID* iid, void** out) = 0;
  virtual int32_t ACF_CALL AddRef() = 0;
  virtual int32_t ACF_CALL Release() = 0;

protected:
  ~IACFUnknown() = default;
};

// The host's chunk record. Its fields are byte arrays, so the record needs no
// alignment (a host's need not be aligned): they are read and written through
// memcpy in native byte order. The data follows at offset 56.
struct ChunkRecord
{
  unsigned char size[4];      // int32: data size in bytes
  unsigned char version[4];   // version word
  unsigned char unused[12];
  unsigned char chunkId[4];   // AAX_FourCC
  char name[32];              // NUL-padded
};
static_assert(offsetof(ChunkRecord, size) == 0, "size word at 0");
static_assert(offsetof(ChunkRecord, version) == 4, "version word at 4");
static_assert(offsetof(ChunkRecord, chunkId) == 20, "chunk identifier at 20");
static_assert(offsetof(ChunkRecord, name) == 24, "name at 24");
static_assert(sizeof(ChunkRecord) == 56, "data at 56");
static_assert(alignof(ChunkRecord) == 1, "any address holds a record");

inline uint32_t ReadChunkWord(const unsigned char (&field)[4])
{
  uint32_t word;
  std::memcpy(&word, field, sizeof word);
  return word;
}
inline void WriteChunkWord(unsigned char (&field)[4], uint32_t word) { std::memcpy(field, &word, sizeof word); }
inline int32_t ChunkDataSize(const ChunkRecord& record) { return static_cast<int32_t>(ReadChunkWord(record.size)); }
inline unsigned char* ChunkData(ChunkRecord& record) { return reinterpret_cast<unsigned char*>(&record) + sizeof record; }
inline const unsigned char* ChunkData(const ChunkRecord& record)
{
  return reinterpret_cast<const unsigned char*>(&record) + sizeof record;
}
