/* The host's own declarations of the AAX binary interface (32-bit Windows):
 * identifiers as bytes in memory order, records with their offsets checked
 * below, vtables in the slot order and calling convention of each interface
 * family. They are written apart from the module's declarations, so that a
 * wrong slot, identifier or convention in either fails instead of cancelling
 * out. Also what the host's parts share. */
#ifndef AAXHOST_H
#define AAXHOST_H

#include <stddef.h>
#include <stdint.h>

#include "hostkit.h"

#if !defined(_WIN32) || defined(_WIN64)
#error "the AAX module is a 32-bit Windows module: build this host for i686"
#endif

/* The IACFUnknown family (COM's conventions). */
#define STDCALL __stdcall
/* C++ tables that cross without IACFUnknown (strings, parameters, the nodes
 * of an algorithm context) are called as a C++ member: __thiscall. C has no
 * __thiscall; __fastcall with a dummy second argument is the same call:
 * self in ECX, EDX unused, the rest on the stack, removed by the callee. */
#define THISCALL __fastcall
/* Create and process callbacks. */
#define CDECL_CALL __cdecl


enum
{
  kOk = 0,
  kNoParameter = -20001,
  kNoText = -20002,
  kRefused = -20004,
  kBadChunkIndex = -20006,
  kUnknownChunk = -20007,
  kBadChunkSize = -20008,
  kNotSupported = -20009,
  kNoController = -20011,
  kNoInterface = (int32_t)0x80000004u
};

/* Four-character codes: the first character in the most significant byte. */
#define FOURCC(a, b, c, d) (((uint32_t)(a) << 24) | ((uint32_t)(b) << 16) | ((uint32_t)(c) << 8) | (uint32_t)(d))
#define kPlugChunkId FOURCC('Z', 'v', 'L', 'P')
#define kDefaultChunkId FOURCC('e', 'l', 'c', 'k')

/* ---- identifiers ----------------------------------------------------------- */

/* IACFUnknown {00000000-0000-0000-C000-000000000046} */
extern const unsigned char kUnknownIID[16];
/* the effect-parameters face {964E333D-334C-533F-C2C7-3834C3C23E3E} */
extern const unsigned char kEffectParametersIID[16];
/* the effect-parameters face, second version {F1F47D06-308F-4CC5-9C7C-50A83F8AB813} */
extern const unsigned char kEffectParametersV2IID[16];
/* the editor face {964E323D-424C-5E1A-2227-282423222E1E} */
extern const unsigned char kEffectGuiIID[16];
/* controller {9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E} */
extern const unsigned char kControllerIID[16];
/* controller, second version {4C59AA0E-D7C0-4205-8B6C-32468D42D202} */
extern const unsigned char kControllerV2IID[16];
/* automation delegate {9D5E3D3D-42DC-5EFA-2217-EEE2E8E53E2E} */
extern const unsigned char kAutomationIID[16];
/* transport {5CEE4EF4-6337-4359-B63B-FE58DC36543A} */
extern const unsigned char kTransportIID[16];
/* transport, second version {203CBD9F-982C-4FE6-A827-07480257AEC3} */
extern const unsigned char kTransportV2IID[16];
/* view container {22DA0BBC-D550-4D5E-8CC6-734483B8837F} */
extern const unsigned char kViewContainerIID[16];
/* host object factory {382B6A96-7FD0-11D6-BCFE-00306542A024} */
extern const unsigned char kFactoryIID[16];
/* host services: class {88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA} */
extern const unsigned char kHostServicesClass[16];
/* host services: interface {96D42C2D-EBBC-41EF-B0AB-9991A0ED0CCA} */
extern const unsigned char kHostServicesIID[16];
/* collection: class {89882C2D-77BC-42EF-707B-7981B7BD0CCA} */
extern const unsigned char kCollectionClass[16];
/* collection: interface {96D42C2D-EBBC-41DF-B1AB-9991A2EE0CCA} */
extern const unsigned char kCollectionIID[16];
/* effect descriptor: class {89872C2D-75BC-423F-401B-F9A1BAAD0CCA} */
extern const unsigned char kDescriptorClass[16];
/* effect descriptor: interface {96D42C2D-EBBC-41EF-D1CB-499442E40FDA} */
extern const unsigned char kDescriptorIID[16];
/* effect descriptor: second interface {41ECCC52-416B-4072-84BD-40B05210A74C} */
extern const unsigned char kDescriptorV2IID[16];
/* component descriptor: class {94872C3D-95BC-413D-D0DB-D9B12AAD0CCA} */
extern const unsigned char kComponentClass[16];
/* component descriptor: interface {96E42C2D-E2BC-51EF-61C7-48994AEB0CDA} */
extern const unsigned char kComponentIID[16];
/* component descriptor: second interface {1895259E-AAA9-4F0F-A985-149837B76F89} */
extern const unsigned char kComponentV2IID[16];
/* property map: class {A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA} */
extern const unsigned char kPropertyMapClass[16];
/* property map: interface {96EE2C2D-EECC-5EFF-E2D7-E849E3E2EEEE} */
extern const unsigned char kPropertyMapIID[16];
/* property map: second interface {7177DF80-7C9C-11E2-B92A-0800200C9A66} */
extern const unsigned char kPropertyMapV2IID[16];
/* what ACFRegisterPlugin hands back {00EEF015-7FD0-11D6-8485-00306542A024} */
extern const unsigned char kRegisteredIID[16];

/* Name of an identifier this host knows ("factory", "map:2"), or "other". */
const char* IdName(const void* iid);

/* ---- records ------------------------------------------------------------------ */

/* The chunk record: the data follows the 56-byte header. Words are stored
 * little-endian, bytes only, so any address holds one. */
typedef struct
{
  unsigned char size[4];
  unsigned char version[4];
  unsigned char unused[12];
  unsigned char chunkId[4];
  char name[32];
} ChunkHeader;
typedef char ChunkHeaderSize[sizeof(ChunkHeader) == 56 ? 1 : -1];
typedef char ChunkHeaderId[offsetof(ChunkHeader, chunkId) == 20 ? 1 : -1];
typedef char ChunkHeaderName[offsetof(ChunkHeader, name) == 24 ? 1 : -1];

/* A view size: the vertical size first. */
typedef struct
{
  float vert;
  float horz;
} AaxPoint;
typedef char AaxPointSize[sizeof(AaxPoint) == 8 ? 1 : -1];

/* An algorithm context: pointer-sized fields at the indices the description
 * declared. */
enum
{
  kFieldAudioIn = 0,
  kFieldAudioOut = 1,
  kFieldBufferLength = 3,
  kFieldInputMidi = 5,
  kFieldGlobalMidi = 6,
  kFieldTransport = 7,
  kFieldPrivateData = 8,
  kFieldIdList = 9,
  kContextFields = 10
};
typedef struct
{
  void* fields[kContextFields];
} AlgorithmContext;
typedef char AlgorithmContextSize[sizeof(AlgorithmContext) == 40 ? 1 : -1];

typedef void(CDECL_CALL* ProcessCallbackFn)(AlgorithmContext* const* first, AlgorithmContext* const* end);
typedef void*(CDECL_CALL* CreateCallbackFn)(void);

/* ---- the IACFUnknown family ------------------------------------------------- */

#define UNKNOWN_SLOTS                                                                                                  \
  int32_t(STDCALL* queryInterface)(void* self, const void* iid, void** out);                                           \
  int32_t(STDCALL* addRef)(void* self);                                                                                \
  int32_t(STDCALL* release)(void* self)

typedef struct
{
  UNKNOWN_SLOTS;
} UnknownVtbl;
typedef struct
{
  const UnknownVtbl* vtbl;
} UnknownObject;

/* The module's effect-parameters face: 48 slots. Out strings are the
 * host's own (HostString); a bool out is one byte. */
typedef struct EffectParametersVtbl
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* initializeEffect)(void* self, void* controller); /* 3 */
  int32_t(STDCALL* uninitializeEffect)(void* self);
  int32_t(STDCALL* receiveNotification)(void* self, uint32_t code, const void* data, uint32_t size);
  int32_t(STDCALL* countParameters)(void* self, int32_t* count);
  int32_t(STDCALL* getMasterBypassId)(void* self, void* identifier);
  int32_t(STDCALL* isParameterAutomatable)(void* self, const char* id, uint8_t* automatable);
  int32_t(STDCALL* countParameterSteps)(void* self, const char* id, int32_t* steps);
  int32_t(STDCALL* getParameterNameText)(void* self, const char* id, void* name); /* 10 */
  int32_t(STDCALL* getParameterShortenedName)(void* self, const char* id, void* name, int32_t limit);
  int32_t(STDCALL* getParameterDefault)(void* self, const char* id, double* normalized);
  int32_t(STDCALL* setParameterDefault)(void* self, const char* id, double normalized);
  int32_t(STDCALL* getParameterKind)(void* self, const char* id, int32_t* kind);
  int32_t(STDCALL* getParameterAuxValue)(void* self, const char* id, int32_t* value); /* 15 */
  int32_t(STDCALL* findParameterObject)(void* self, const char* id, void** parameter);
  int32_t(STDCALL* indexOfParameter)(void* self, const char* id, int32_t* index);
  int32_t(STDCALL* parameterIdAt)(void* self, int32_t index, void* id);
  int32_t(STDCALL* queryParameterValueInfo)(void* self, int32_t a, int32_t b, int32_t* info);
  int32_t(STDCALL* parseParameterText)(void* self, const char* id, double* normalized, const void* text); /* 20 */
  int32_t(STDCALL* formatParameterValue)(void* self, const char* id, double normalized, void* text, int32_t limit);
  int32_t(STDCALL* formatCurrentParameterValue)(void* self, const char* id, void* text, int32_t limit);
  int32_t(STDCALL* getParameterNormalized)(void* self, const char* id, double* normalized);
  int32_t(STDCALL* requestParameterNormalized)(void* self, const char* id, double normalized);
  int32_t(STDCALL* requestParameterDelta)(void* self, const char* id, double delta); /* 25 */
  int32_t(STDCALL* touchParameter)(void* self, const char* id);
  int32_t(STDCALL* releaseParameter)(void* self, const char* id);
  int32_t(STDCALL* stubCall28)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* updateParameterFromHost)(void* self, const char* id, double normalized, int32_t source);
  int32_t(STDCALL* updateParameterDeltaFromHost)(void* self, const char* id, double delta); /* 30 */
  int32_t(STDCALL* dispatchParameterPackets)(void* self);
  int32_t(STDCALL* getPrivateData)(void* self, uint32_t field, void* buffer, uint32_t size);
  int32_t(STDCALL* countChunks)(void* self, int32_t* count);
  int32_t(STDCALL* chunkIdAt)(void* self, int32_t index, uint32_t* chunkId);
  int32_t(STDCALL* getChunkByteSize)(void* self, uint32_t chunkId, int32_t* size); /* 35 */
  int32_t(STDCALL* writeChunk)(void* self, uint32_t chunkId, void* record);
  int32_t(STDCALL* readChunk)(void* self, uint32_t chunkId, const void* record);
  int32_t(STDCALL* compareChunk)(void* self, const void* record, uint8_t* equal);
  int32_t(STDCALL* countChanges)(void* self, int32_t* changes);
  /* 40 to 47: operations whose meaning lies with the host, reached through
   * CallCounted, which also checks their argument lists. */
  const void* hostSlots[8];
} EffectParametersVtbl;
typedef char EffectParametersVtblSize[sizeof(EffectParametersVtbl) == 48 * 4 ? 1 : -1];
typedef struct
{
  const EffectParametersVtbl* vtbl;
} EffectParameters;

/* The module's editor face: 13 slots. */
typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* initializeGui)(void* self, void* host); /* 3 */
  int32_t(STDCALL* uninitializeGui)(void* self);
  const void* stubCall5; /* three values */
  int32_t(STDCALL* setViewContainer)(void* self, void* container);
  int32_t(STDCALL* getViewSize)(void* self, AaxPoint* size);
  const void* stubCall8;                                          /* one value */
  const void* stubCall9;                                          /* none */
  int32_t(STDCALL* parameterUpdated)(void* self, const char* id); /* 10 */
  const void* unsupportedCall11;                                  /* two values */
  const void* stubCall12;                                         /* three values */
} EffectGuiVtbl;
typedef char EffectGuiVtblSize[sizeof(EffectGuiVtbl) == 13 * 4 ? 1 : -1];
typedef struct
{
  const EffectGuiVtbl* vtbl;
} EffectGui;

/* Calls a __stdcall function with count 32-bit arguments (args[0] first,
 * the object) and tells through balanced whether the callee removed exactly
 * those: one that declares another argument list leaves the stack pointer
 * elsewhere. */
int32_t CallCounted(const void* function, const uint32_t* args, int count, int* balanced);

/* ---- C++ tables that cross -------------------------------------------------- */

/* A parameter the module hands out (FindParameterObject): the slots this
 * host reads; the others hold their places. */
typedef struct
{
  const void* destroy; /* 0 */
  const char*(THISCALL* identifier)(void* self, void* edx);
  const void* slots2to6[5];
  uint8_t(THISCALL* isAutomatable)(void* self, void* edx); /* 7 */
  const void* slots8to11[4];
  double(THISCALL* normalizedValue)(void* self, void* edx); /* 12 */
  const void* slots13to16[4];
  uint32_t(THISCALL* stepCount)(void* self, void* edx); /* 17 */
  const void* slots18to36[19];
  int32_t(THISCALL* kind)(void* self, void* edx); /* 37 */
  const void* slots38to42[5];
} ParameterVtbl;
typedef char ParameterVtblSize[sizeof(ParameterVtbl) == 43 * 4 ? 1 : -1];
typedef struct
{
  const ParameterVtbl* vtbl;
} ParameterObject;

/* The host's own text, behind the string table both sides use for every
 * text handed over. */
typedef struct HostString HostString;
typedef struct
{
  void(THISCALL* destroy)(HostString* self, void* edx, uint32_t flags);
  uint32_t(THISCALL* length)(const HostString* self, void* edx);
  uint32_t(THISCALL* maxLength)(const HostString* self, void* edx);
  const char*(THISCALL* cString)(const HostString* self, void* edx);
  void(THISCALL* setCString)(HostString* self, void* edx, const char* text);
  HostString*(THISCALL* assignCString)(HostString* self, void* edx, const char* text);
  HostString*(THISCALL* assignString)(HostString* self, void* edx, const HostString* other);
} HostStringVtbl;
struct HostString
{
  const HostStringVtbl* vtbl;
  char text[256];
};
/* A string holding text: the module reads it, or replaces it. */
void InitString(HostString* string, const char* text);

/* ---- the module's exports ---------------------------------------------------- */

typedef struct
{
  void* module; /* HMODULE */
  int32_t(STDCALL* canUnloadNow)(void* unused);
  int32_t(STDCALL* getClassFactory)(void* host, const void* classId, const void* iid, void** out);
  int32_t(STDCALL* getSdkVersion)(uint64_t* version);
  int32_t(STDCALL* registerComponent)(void* host, const void* classId, int32_t* out);
  int32_t(STDCALL* registerPlugin)(void* host, void** out);
  int32_t(STDCALL* shutdown)(void* unused);
  int32_t(STDCALL* startup)(void* host);
} Exports;

#endif
