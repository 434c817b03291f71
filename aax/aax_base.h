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

// The host's interfaces of a running effect (AAX_HostInterfaces.h). A second
// interface of the same service is a later version of the first: it
// continues the first's slots.
constexpr ACFUID IID_AAX_IACFController = {
  0x9D5E3E3D, 0x52DC, 0x5EFB, {0x20, 0x18, 0xDE, 0x1D, 0xE2, 0xE6, 0x3F, 0x4E}};
constexpr ACFUID IID_AAX_IACFController_V2 = {
  0x4C59AA0E, 0xD7C0, 0x4205, {0x8B, 0x6C, 0x32, 0x46, 0x8D, 0x42, 0xD2, 0x02}};
constexpr ACFUID IID_AAX_IACFAutomationDelegate = {
  0x9D5E3D3D, 0x42DC, 0x5EFA, {0x22, 0x17, 0xEE, 0xE2, 0xE8, 0xE5, 0x3E, 0x2E}};
constexpr ACFUID IID_AAX_IACFTransport = {
  0x5CEE4EF4, 0x6337, 0x4359, {0xB6, 0x3B, 0xFE, 0x58, 0xDC, 0x36, 0x54, 0x3A}};
constexpr ACFUID IID_AAX_IACFTransport_V2 = {
  0x203CBD9F, 0x982C, 0x4FE6, {0xA8, 0x27, 0x07, 0x48, 0x02, 0x57, 0xAE, 0xC3}};
constexpr ACFUID IID_AAX_IACFViewContainer = {
  0x22DA0BBC, 0xD550, 0x4D5E, {0x8C, 0xC6, 0x73, 0x44, 0x83, 0xB8, 0x83, 0x7F}};
// Host services are not queried from a host object but made by its object
// factory, as an object of this class offering this interface.
constexpr ACFUID IID_IACFHostObjectFactory = {
  0x382B6A96, 0x7FD0, 0x11D6, {0xBC, 0xFE, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};
constexpr ACFUID CLSID_AAX_HostServices = {
  0x88882C2D, 0xEBBC, 0x42EF, {0xC0, 0xAB, 0x89, 0x81, 0xB0, 0xBD, 0x0C, 0xCA}};
constexpr ACFUID IID_AAX_IACFHostServices = {
  0x96D42C2D, 0xEBBC, 0x41EF, {0xB0, 0xAB, 0x99, 0x91, 0xA0, 0xED, 0x0C, 0xCA}};

// Results: 32-bit signed, 0 success.
enum AAX_Result : int32_t
{
  kAAXSuccess = 0,
  kAAXNoParameter = -20001,   // no parameter with this identifier or index
  kAAXNoText = -20002,        // out string missing, or conversion refused
  // Interface not obtainable, or operation refused. Also the answer to any
  // other out-pointer that is null: a host's null is never written through.
  kAAXRefused = -20004,
  kAAXBadChunkIndex = -20006,
  kAAXUnknownChunk = -20007,
  kAAXBadChunkSize = -20008,  // negative, or changed between size query and write
  kAAXNotSupported = -20009,
  kAAXNoController = -20011,
  kAAXNegativeStepCount = -20033,
  kAAXChunkOverflow = -333,
  kACFNoInterface = static_cast<int32_t>(0x80000004u),
  // An exception caught at an export or at any other entry a host calls.
  kACFUnexpected = static_cast<int32_t>(0x8000FFFFu),
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

// The library's own chunk, the default of every effect-parameters object.
constexpr AAX_FourCC kDefaultChunkId = 0x656C636B;  // 'elck'

// The effect-parameters face: its slots 0 to 47 are the host's, all
// __stdcall (ACF_CALL). The virtual operations the library adds after them
// are called only from inside the module, by name: under GCC a class's
// destructor and its overrides of CACFUnknown take table entries between
// them, so their slot numbers are the compiler's.
constexpr int kEffectParametersHostSlots = 48;

// A view size: two floats, the vertical size first.
struct AAX_Point
{
  float vert;
  float horz;
};
static_assert(sizeof(AAX_Point) == 8, "two floats");

// The algorithm context the host fills for every call of the process
// callback: pointer-sized fields at the indices the description declares.
// Fields 2 and 4 are declared by nobody and only hold their places.
class AAX_IMidiNode;
class AAX_ITransportNode;
struct AAX_AlgorithmContext
{
  float** audioInputs;                 // 0: the host's 32-bit input buffers
  float** audioOutputs;                // 1: its output buffers
  void* field2;
  const int32_t* bufferLength;         // 3: frames of this block
  void* field4;
  AAX_IMidiNode* inputMidiNode;        // 5
  void* globalMidiNode;                // 6
  AAX_ITransportNode* transportNode;   // 7
  // 8: the cell that GetPrivateData(kPrivateDataField) filled. It holds the
  // effect-parameters object's address: 4 bytes in the 32-bit module, a
  // pointer's size wherever the library is built.
  void* const* privateData;
  void* idList;                        // 9
};
static_assert(offsetof(AAX_AlgorithmContext, bufferLength) == 3 * sizeof(void*), "field 3");
static_assert(offsetof(AAX_AlgorithmContext, inputMidiNode) == 5 * sizeof(void*), "field 5");
static_assert(offsetof(AAX_AlgorithmContext, transportNode) == 7 * sizeof(void*), "field 7");
static_assert(offsetof(AAX_AlgorithmContext, privateData) == 8 * sizeof(void*), "field 8");
constexpr uint32_t kPrivateDataField = 8;
constexpr uint32_t kPrivateDataCellSize = sizeof(void*);

// A MIDI packet of an input MIDI node: 14 bytes, packets consecutive, so
// only byte fields (no alignment, no padding).
struct AAX_MidiPacket
{
  unsigned char timestamp[4];  // uint32: frames into the block
  unsigned char unused[4];
  unsigned char status;
  unsigned char data1;
  unsigned char data2;
  unsigned char unused2[3];
};
static_assert(sizeof(AAX_MidiPacket) == 14 && alignof(AAX_MidiPacket) == 1, "14 bytes, any address");

// What an input MIDI node hands over for a block: the count, then the
// packets, in the platform's natural layout.
struct AAX_MidiStream
{
  uint32_t packetCount;
  const AAX_MidiPacket* packets;
};
