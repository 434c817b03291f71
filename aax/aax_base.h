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

// The host's description objects (AAX_DescriptionInterfaces.h), each made by
// the host object factory as an object of its class offering its interface;
// the descriptors, components and property maps are then asked for a second
// interface, which continues the first's slots.
constexpr ACFUID CLSID_AAX_Collection = {0x89882C2D, 0x77BC, 0x42EF, {0x70, 0x7B, 0x79, 0x81, 0xB7, 0xBD, 0x0C, 0xCA}};
constexpr ACFUID IID_AAX_IACFCollection = {
  0x96D42C2D, 0xEBBC, 0x41DF, {0xB1, 0xAB, 0x99, 0x91, 0xA2, 0xEE, 0x0C, 0xCA}};
constexpr ACFUID CLSID_AAX_EffectDescriptor = {
  0x89872C2D, 0x75BC, 0x423F, {0x40, 0x1B, 0xF9, 0xA1, 0xBA, 0xAD, 0x0C, 0xCA}};
constexpr ACFUID IID_AAX_IACFEffectDescriptor = {
  0x96D42C2D, 0xEBBC, 0x41EF, {0xD1, 0xCB, 0x49, 0x94, 0x42, 0xE4, 0x0F, 0xDA}};
constexpr ACFUID IID_AAX_IACFEffectDescriptor_V2 = {
  0x41ECCC52, 0x416B, 0x4072, {0x84, 0xBD, 0x40, 0xB0, 0x52, 0x10, 0xA7, 0x4C}};
constexpr ACFUID CLSID_AAX_ComponentDescriptor = {
  0x94872C3D, 0x95BC, 0x413D, {0xD0, 0xDB, 0xD9, 0xB1, 0x2A, 0xAD, 0x0C, 0xCA}};
constexpr ACFUID IID_AAX_IACFComponentDescriptor = {
  0x96E42C2D, 0xE2BC, 0x51EF, {0x61, 0xC7, 0x48, 0x99, 0x4A, 0xEB, 0x0C, 0xDA}};
constexpr ACFUID IID_AAX_IACFComponentDescriptor_V2 = {
  0x1895259E, 0xAAA9, 0x4F0F, {0xA9, 0x85, 0x14, 0x98, 0x37, 0xB7, 0x6F, 0x89}};
constexpr ACFUID CLSID_AAX_PropertyMap = {
  0xA587AD3D, 0xD53C, 0x4ADC, {0xD0, 0xDD, 0xD9, 0xD1, 0x2D, 0xDD, 0xDC, 0xDA}};
constexpr ACFUID IID_AAX_IACFPropertyMap = {
  0x96EE2C2D, 0xEECC, 0x5EFF, {0xE2, 0xD7, 0xE8, 0x49, 0xE3, 0xE2, 0xEE, 0xEE}};
constexpr ACFUID IID_AAX_IACFPropertyMap_V2 = {
  0x7177DF80, 0x7C9C, 0x11E2, {0xB9, 0x2A, 0x08, 0x00, 0x20, 0x0C, 0x9A, 0x66}};
// What ACFRegisterPlugin hands back: this interface of the host's
// collection object, as the host's own query answers it.
constexpr ACFUID IID_ACFPluginDefinition = {
  0x00EEF015, 0x7FD0, 0x11D6, {0x84, 0x85, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};

// The version ACFGetSDKVersion reports: a 64-bit value in native byte order,
// so the low word 0x007756BF lies first (BF 56 77 00 01 02 00 00).
constexpr uint64_t kACFSDKVersion = 0x00000201007756BFull;

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
inline unsigned char* ChunkData(ChunkRecord& record)
{
  return reinterpret_cast<unsigned char*>(&record) + sizeof record;
}
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
// The editor face: the host's slots 0 to 12, all ACF_CALL. The four hooks
// the library adds follow as 13 to 16 (nothing comes between them: they are
// declared first) and are called only from inside the module.
constexpr int kEffectGUIHostSlots = 13;

// A view size: two floats, the vertical size first (GetViewSize writes the
// editor's height, then its width).
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

// The effect description. Property ids and values, layout codes and node
// types mean what the host says they mean: 32-bit words, passed as given.
typedef uint32_t AAX_PropertyId;
typedef int32_t AAX_PropertyValue;
// A yes/no answer of a host operation (whether a property map holds a
// property) is a bool: one byte, in AL on 32-bit x86, so that what a host
// leaves in the rest of the register does not count.
typedef bool AAX_Answer;
// What the create callbacks return: a new object with no reference yet,
// through the IACFUnknown head of its face; the host queries it (and so
// takes the first reference). Null when none could be made.
typedef IACFUnknown*(AAX_CALLBACK_CALL* AAX_CreateCallback)();
// The process callback: the contexts of one call, as [first, end).
typedef void(AAX_CALLBACK_CALL* AAX_ProcessCallback)(AAX_AlgorithmContext* const* first,
                                                     AAX_AlgorithmContext* const* end);
// The ids of the two create callbacks, and the node types of the context
// nodes a description can declare.
constexpr uint32_t kCreateEffectParametersId = 0;
constexpr uint32_t kCreateEffectGUIId = 1;
constexpr int32_t kInputMidiNodeType = 0;
constexpr int32_t kGlobalMidiNodeType = 2;
constexpr int32_t kTransportNodeType = 3;
