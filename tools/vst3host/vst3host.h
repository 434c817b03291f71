/* The host's own declarations of the VST3 binary interface: identifiers in
 * COM memory order, records with 8-byte packing, vtables in published slot
 * order, __stdcall on 32-bit Windows. */
#ifndef VST3HOST_H
#define VST3HOST_H

#include <stdint.h>

#include "hostkit.h"

#ifdef _WIN64
#define STDCALL
#else
#define STDCALL __stdcall
#endif

#define kResultOk 0
#define kResultFalse 1
#define kNoInterface ((int32_t)0x80004002)


/* FUnknown {00000000-0000-0000-C000-000000000046} */
static const char kFUnknownIID[16] = {(char)0x00, (char)0x00, (char)0x00, (char)0x00, (char)0x00, (char)0x00, (char)0x00, (char)0x00, (char)0xC0, (char)0x00, (char)0x00, (char)0x00, (char)0x00, (char)0x00, (char)0x00, (char)0x46};
/* IPluginBase {22888DDB-156E-45AE-8358-B34808190625} */
static const char kIPluginBaseIID[16] = {(char)0xDB, (char)0x8D, (char)0x88, (char)0x22, (char)0x6E, (char)0x15, (char)0xAE, (char)0x45, (char)0x83, (char)0x58, (char)0xB3, (char)0x48, (char)0x08, (char)0x19, (char)0x06, (char)0x25};
/* IPluginFactory {7A4D811C-5211-4A1F-AED9-D2EE0B43BF9F} */
static const char kIPluginFactoryIID[16] = {(char)0x1C, (char)0x81, (char)0x4D, (char)0x7A, (char)0x11, (char)0x52, (char)0x1F, (char)0x4A, (char)0xAE, (char)0xD9, (char)0xD2, (char)0xEE, (char)0x0B, (char)0x43, (char)0xBF, (char)0x9F};
/* IPluginFactory2 {0007B650-F24B-4C0B-A464-EDB9F00B2ABB} */
static const char kIPluginFactory2IID[16] = {(char)0x50, (char)0xB6, (char)0x07, (char)0x00, (char)0x4B, (char)0xF2, (char)0x0B, (char)0x4C, (char)0xA4, (char)0x64, (char)0xED, (char)0xB9, (char)0xF0, (char)0x0B, (char)0x2A, (char)0xBB};
/* IPluginFactory3 {4555A2AB-C123-4E57-9B12-291036878931} */
static const char kIPluginFactory3IID[16] = {(char)0xAB, (char)0xA2, (char)0x55, (char)0x45, (char)0x23, (char)0xC1, (char)0x57, (char)0x4E, (char)0x9B, (char)0x12, (char)0x29, (char)0x10, (char)0x36, (char)0x87, (char)0x89, (char)0x31};
/* IComponent {E831FF31-F2D5-4301-928E-BBEE25697802} */
static const char kIComponentIID[16] = {(char)0x31, (char)0xFF, (char)0x31, (char)0xE8, (char)0xD5, (char)0xF2, (char)0x01, (char)0x43, (char)0x92, (char)0x8E, (char)0xBB, (char)0xEE, (char)0x25, (char)0x69, (char)0x78, (char)0x02};
/* IAudioProcessor {42043F99-B7DA-453C-A569-E79D9AAEC33D} */
static const char kIAudioProcessorIID[16] = {(char)0x99, (char)0x3F, (char)0x04, (char)0x42, (char)0xDA, (char)0xB7, (char)0x3C, (char)0x45, (char)0xA5, (char)0x69, (char)0xE7, (char)0x9D, (char)0x9A, (char)0xAE, (char)0xC3, (char)0x3D};
/* IEditController {DCD7BBE3-7742-448D-A874-AACC979C759E} */
static const char kIEditControllerIID[16] = {(char)0xE3, (char)0xBB, (char)0xD7, (char)0xDC, (char)0x42, (char)0x77, (char)0x8D, (char)0x44, (char)0xA8, (char)0x74, (char)0xAA, (char)0xCC, (char)0x97, (char)0x9C, (char)0x75, (char)0x9E};
/* IEditController2 {7F4EFE59-F320-4967-AC27-A3AEAFB63038} */
static const char kIEditController2IID[16] = {(char)0x59, (char)0xFE, (char)0x4E, (char)0x7F, (char)0x20, (char)0xF3, (char)0x67, (char)0x49, (char)0xAC, (char)0x27, (char)0xA3, (char)0xAE, (char)0xAF, (char)0xB6, (char)0x30, (char)0x38};
/* IConnectionPoint {70A4156F-6E6E-4026-9891-48BFAA60D8D1} */
static const char kIConnectionPointIID[16] = {(char)0x6F, (char)0x15, (char)0xA4, (char)0x70, (char)0x6E, (char)0x6E, (char)0x26, (char)0x40, (char)0x98, (char)0x91, (char)0x48, (char)0xBF, (char)0xAA, (char)0x60, (char)0xD8, (char)0xD1};
/* IUnitInfo {3D4BD6B5-913A-4FD2-A886-E768A5EB92C1} */
static const char kIUnitInfoIID[16] = {(char)0xB5, (char)0xD6, (char)0x4B, (char)0x3D, (char)0x3A, (char)0x91, (char)0xD2, (char)0x4F, (char)0xA8, (char)0x86, (char)0xE7, (char)0x68, (char)0xA5, (char)0xEB, (char)0x92, (char)0xC1};
/* IMidiMapping {DF0FF9F7-49B7-4669-B63A-B7327ADBF5E5} */
static const char kIMidiMappingIID[16] = {(char)0xF7, (char)0xF9, (char)0x0F, (char)0xDF, (char)0xB7, (char)0x49, (char)0x69, (char)0x46, (char)0xB6, (char)0x3A, (char)0xB7, (char)0x32, (char)0x7A, (char)0xDB, (char)0xF5, (char)0xE5};
/* IHostApplication {58E595CC-DB2D-4969-8B6A-AF8C36A664E5} */
static const char kIHostApplicationIID[16] = {(char)0xCC, (char)0x95, (char)0xE5, (char)0x58, (char)0x2D, (char)0xDB, (char)0x69, (char)0x49, (char)0x8B, (char)0x6A, (char)0xAF, (char)0x8C, (char)0x36, (char)0xA6, (char)0x64, (char)0xE5};
/* IBStream {C3BF6EA2-3099-4752-9B6B-F9901EE33E9B} */
static const char kIBStreamIID[16] = {(char)0xA2, (char)0x6E, (char)0xBF, (char)0xC3, (char)0x99, (char)0x30, (char)0x52, (char)0x47, (char)0x9B, (char)0x6B, (char)0xF9, (char)0x90, (char)0x1E, (char)0xE3, (char)0x3E, (char)0x9B};
/* IComponentHandler {93A0BEA3-0BD0-45DB-8E89-0B0CC1E46AC6} */
static const char kIComponentHandlerIID[16] = {(char)0xA3, (char)0xBE, (char)0xA0, (char)0x93, (char)0xD0, (char)0x0B, (char)0xDB, (char)0x45, (char)0x8E, (char)0x89, (char)0x0B, (char)0x0C, (char)0xC1, (char)0xE4, (char)0x6A, (char)0xC6};
/* IComponentHandler3 {69F11617-D26B-400D-A4B6-B9647B6EBBAB} */
static const char kIComponentHandler3IID[16] = {(char)0x17, (char)0x16, (char)0xF1, (char)0x69, (char)0x6B, (char)0xD2, (char)0x0D, (char)0x40, (char)0xA4, (char)0xB6, (char)0xB9, (char)0x64, (char)0x7B, (char)0x6E, (char)0xBB, (char)0xAB};
/* IContextMenu {2E93C863-0C9C-4588-97DB-ECF5AD17817D} */
static const char kIContextMenuIID[16] = {(char)0x63, (char)0xC8, (char)0x93, (char)0x2E, (char)0x9C, (char)0x0C, (char)0x88, (char)0x45, (char)0x97, (char)0xDB, (char)0xEC, (char)0xF5, (char)0xAD, (char)0x17, (char)0x81, (char)0x7D};
/* IPlugView {5BC32507-D060-49EA-A615-1B522B755B29} */
static const char kIPlugViewIID[16] = {(char)0x07, (char)0x25, (char)0xC3, (char)0x5B, (char)0x60, (char)0xD0, (char)0xEA, (char)0x49, (char)0xA6, (char)0x15, (char)0x1B, (char)0x52, (char)0x2B, (char)0x75, (char)0x5B, (char)0x29};
/* IPlugFrame {367FAF01-AFA9-4693-8D4D-A2A0ED0882A3} */
static const char kIPlugFrameIID[16] = {(char)0x01, (char)0xAF, (char)0x7F, (char)0x36, (char)0xA9, (char)0xAF, (char)0x93, (char)0x46, (char)0x8D, (char)0x4D, (char)0xA2, (char)0xA0, (char)0xED, (char)0x08, (char)0x82, (char)0xA3};

/* IParamValueQueue {01263A18-ED07-4F6F-98C9-D3564686F9BA} */
static const char kIParamValueQueueIID[16] = {(char)0x18, (char)0x3A, (char)0x26, (char)0x01, (char)0x07, (char)0xED, (char)0x6F, (char)0x4F, (char)0x98, (char)0xC9, (char)0xD3, (char)0x56, (char)0x46, (char)0x86, (char)0xF9, (char)0xBA};
/* IParameterChanges {A4779663-0BB6-4A56-B443-84A8466FEB9D} */
static const char kIParameterChangesIID[16] = {(char)0x63, (char)0x96, (char)0x77, (char)0xA4, (char)0xB6, (char)0x0B, (char)0x56, (char)0x4A, (char)0xB4, (char)0x43, (char)0x84, (char)0xA8, (char)0x46, (char)0x6F, (char)0xEB, (char)0x9D};

#pragma pack(push, 8)
typedef struct
{
  char vendor[64];
  char url[256];
  char email[128];
  int32_t flags;
} PFactoryInfo;

typedef struct
{
  char cid[16];
  int32_t cardinality;
  char category[32];
  char name[64];
  uint32_t classFlags;
  char subCategories[128];
  char vendor[64];
  char version[64];
  char sdkVersion[64];
} PClassInfo2;

typedef struct
{
  char cid[16];
  int32_t cardinality;
  char category[32];
  uint16_t name[64];
  uint32_t classFlags;
  char subCategories[128];
  uint16_t vendor[64];
  uint16_t version[64];
  uint16_t sdkVersion[64];
} PClassInfoW;

typedef struct
{
  int32_t mediaType;
  int32_t direction;
  int32_t channelCount;
  uint16_t name[128];
  int32_t busType;
  uint32_t flags;
} BusInfo;

typedef struct
{
  int32_t processMode;
  int32_t symbolicSampleSize;
  int32_t maxSamplesPerBlock;
  double sampleRate;
} ProcessSetup;

typedef struct
{
  uint32_t id;
  uint16_t title[128];
  uint16_t shortTitle[128];
  uint16_t units[128];
  int32_t stepCount;
  double defaultNormalizedValue;
  int32_t unitId;
  int32_t flags;
} ParameterInfo;
#pragma pack(pop)

typedef char PFactoryInfoSize[sizeof(PFactoryInfo) == 452 ? 1 : -1];
typedef char PClassInfo2Size[sizeof(PClassInfo2) == 440 ? 1 : -1];
typedef char PClassInfoWSize[sizeof(PClassInfoW) == 696 ? 1 : -1];
typedef char BusInfoSize[sizeof(BusInfo) == 276 ? 1 : -1];
typedef char ProcessSetupSize[sizeof(ProcessSetup) == 24 ? 1 : -1];
typedef char ParameterInfoSize[sizeof(ParameterInfo) == 792 ? 1 : -1];

#define FUNKNOWN_SLOTS                                                  \
  int32_t(STDCALL* queryInterface)(void* self, const char* iid, void** obj); \
  uint32_t(STDCALL* addRef)(void* self);                                 \
  uint32_t(STDCALL* release)(void* self)

typedef struct
{
  FUNKNOWN_SLOTS;
} FUnknownVtbl;
typedef struct
{
  const FUnknownVtbl* vtbl;
} FUnknownObject;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* getFactoryInfo)(void* self, PFactoryInfo* info);
  int32_t(STDCALL* countClasses)(void* self);
  int32_t(STDCALL* getClassInfo)(void* self, int32_t index, void* info);
  int32_t(STDCALL* createInstance)(void* self, const char* cid, const char* iid, void** obj);
  int32_t(STDCALL* getClassInfo2)(void* self, int32_t index, PClassInfo2* info);
  int32_t(STDCALL* getClassInfoUnicode)(void* self, int32_t index, PClassInfoW* info);
  int32_t(STDCALL* setHostContext)(void* self, void* context);
} PluginFactory3Vtbl;
typedef struct
{
  const PluginFactory3Vtbl* vtbl;
} PluginFactory3Object;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* initialize)(void* self, void* context);
  int32_t(STDCALL* terminate)(void* self);
  int32_t(STDCALL* getControllerClassId)(void* self, char* classId);
  int32_t(STDCALL* setIoMode)(void* self, int32_t mode);
  int32_t(STDCALL* getBusCount)(void* self, int32_t type, int32_t dir);
  int32_t(STDCALL* getBusInfo)(void* self, int32_t type, int32_t dir, int32_t index, BusInfo* bus);
  int32_t(STDCALL* getRoutingInfo)(void* self, void* inInfo, void* outInfo);
  int32_t(STDCALL* activateBus)(void* self, int32_t type, int32_t dir, int32_t index, uint8_t state);
  int32_t(STDCALL* setActive)(void* self, uint8_t state);
  int32_t(STDCALL* setState)(void* self, void* stream);
  int32_t(STDCALL* getState)(void* self, void* stream);
} ComponentVtbl;
typedef struct
{
  const ComponentVtbl* vtbl;
} ComponentObject;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* setBusArrangements)(void* self, uint64_t* inputs, int32_t numIns, uint64_t* outputs,
                                       int32_t numOuts);
  int32_t(STDCALL* getBusArrangement)(void* self, int32_t dir, int32_t index, uint64_t* arrangement);
  int32_t(STDCALL* canProcessSampleSize)(void* self, int32_t size);
  uint32_t(STDCALL* getLatencySamples)(void* self);
  int32_t(STDCALL* setupProcessing)(void* self, ProcessSetup* setup);
  int32_t(STDCALL* setProcessing)(void* self, uint8_t state);
  int32_t(STDCALL* process)(void* self, void* data);
  uint32_t(STDCALL* getTailSamples)(void* self);
} AudioProcessorVtbl;
typedef struct
{
  const AudioProcessorVtbl* vtbl;
} AudioProcessorObject;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* initialize)(void* self, void* context);
  int32_t(STDCALL* terminate)(void* self);
  int32_t(STDCALL* setComponentState)(void* self, void* stream);
  int32_t(STDCALL* setState)(void* self, void* stream);
  int32_t(STDCALL* getState)(void* self, void* stream);
  int32_t(STDCALL* getParameterCount)(void* self);
  int32_t(STDCALL* getParameterInfo)(void* self, int32_t index, ParameterInfo* info);
  int32_t(STDCALL* getParamStringByValue)(void* self, uint32_t id, double value, uint16_t* text);
  int32_t(STDCALL* getParamValueByString)(void* self, uint32_t id, uint16_t* text, double* value);
  double(STDCALL* normalizedParamToPlain)(void* self, uint32_t id, double value);
  double(STDCALL* plainParamToNormalized)(void* self, uint32_t id, double plain);
  double(STDCALL* getParamNormalized)(void* self, uint32_t id);
  int32_t(STDCALL* setParamNormalized)(void* self, uint32_t id, double value);
  int32_t(STDCALL* setComponentHandler)(void* self, void* handler);
  void*(STDCALL* createView)(void* self, const char* name);
} EditControllerVtbl;
typedef struct
{
  const EditControllerVtbl* vtbl;
} EditControllerObject;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* getName)(void* self, uint16_t* name);
  int32_t(STDCALL* createInstance)(void* self, char* cid, char* iid, void** obj);
} IHostApplicationVtbl;
typedef struct
{
  const IHostApplicationVtbl* vtbl;
} HostObject;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* read)(void* self, void* buffer, int32_t count, int32_t* got);
  int32_t(STDCALL* write)(void* self, void* buffer, int32_t count, int32_t* written);
  int32_t(STDCALL* seek)(void* self, int64_t pos, int32_t mode, int64_t* result);
  int32_t(STDCALL* tell)(void* self, int64_t* pos);
} IBStreamVtbl;
typedef struct
{
  const IBStreamVtbl* vtbl;
  unsigned char bytes[65536];
  int32_t size;
  int32_t position;
  int32_t capacity;
} MemoryStream;

void InitStream(MemoryStream* stream, int32_t capacity);

#pragma pack(push, 8)
typedef struct
{
  int32_t numChannels;
  uint64_t silenceFlags;
  void** channelBuffers; /* float** or double** */
} AudioBusBuffers;

typedef struct
{
  int32_t processMode;
  int32_t symbolicSampleSize;
  int32_t numSamples;
  int32_t numInputs;
  int32_t numOutputs;
  AudioBusBuffers* inputs;
  AudioBusBuffers* outputs;
  void* inputParameterChanges;
  void* outputParameterChanges;
  void* inputEvents;
  void* outputEvents;
  void* processContext;
} ProcessData;
#pragma pack(pop)

typedef char AudioBusBuffersSize[sizeof(AudioBusBuffers) == 24 ? 1 : -1];
typedef char ProcessDataSize[sizeof(ProcessData) == (sizeof(void*) == 8 ? 80 : 48) ? 1 : -1];

/* One parameter queue with points, and the changes that hold up to 4. */
typedef struct
{
  FUNKNOWN_SLOTS;
  uint32_t(STDCALL* getParameterId)(void* self);
  int32_t(STDCALL* getPointCount)(void* self);
  int32_t(STDCALL* getPoint)(void* self, int32_t index, int32_t* offset, double* value);
  int32_t(STDCALL* addPoint)(void* self, int32_t offset, double value, int32_t* index);
} ParamValueQueueVtbl;
typedef struct
{
  const ParamValueQueueVtbl* vtbl;
  uint32_t id;
  int32_t count;
  double points[4];
} ValueQueue;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* getParameterCount)(void* self);
  void*(STDCALL* getParameterData)(void* self, int32_t index);
  void*(STDCALL* addParameterData)(void* self, const uint32_t* id, int32_t* index);
} ParameterChangesVtbl;
typedef struct
{
  const ParameterChangesVtbl* vtbl;
  int32_t count;
  ValueQueue queues[4];
} ParameterChanges;

void InitChanges(ParameterChanges* changes);
void AddChange(ParameterChanges* changes, uint32_t id, double value);

/* ---- the editor view and the host objects around it ---------------------- */

typedef struct
{
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
} ViewRect;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* isPlatformTypeSupported)(void* self, const char* type);
  int32_t(STDCALL* attached)(void* self, void* parent, const char* type);
  int32_t(STDCALL* removed)(void* self);
  int32_t(STDCALL* onWheel)(void* self, float distance);
  int32_t(STDCALL* onKeyDown)(void* self, uint16_t key, int16_t keyCode, int16_t modifiers);
  int32_t(STDCALL* onKeyUp)(void* self, uint16_t key, int16_t keyCode, int16_t modifiers);
  int32_t(STDCALL* getSize)(void* self, ViewRect* size);
  int32_t(STDCALL* onSize)(void* self, ViewRect* newSize);
  int32_t(STDCALL* onFocus)(void* self, uint8_t state);
  int32_t(STDCALL* setFrame)(void* self, void* frame);
  int32_t(STDCALL* canResize)(void* self);
  int32_t(STDCALL* checkSizeConstraint)(void* self, ViewRect* rect);
} PlugViewVtbl;
typedef struct
{
  const PlugViewVtbl* vtbl;
} PlugViewObject;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* resizeView)(void* self, void* view, ViewRect* newSize);
} PlugFrameVtbl;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* beginEdit)(void* self, uint32_t id);
  int32_t(STDCALL* performEdit)(void* self, uint32_t id, double value);
  int32_t(STDCALL* endEdit)(void* self, uint32_t id);
  int32_t(STDCALL* restartComponent)(void* self, int32_t flags);
} ComponentHandlerVtbl;

typedef struct
{
  FUNKNOWN_SLOTS;
  void*(STDCALL* createContextMenu)(void* self, void* view, const uint32_t* id);
} ComponentHandler3Vtbl;

typedef struct
{
  FUNKNOWN_SLOTS;
  int32_t(STDCALL* getItemCount)(void* self);
  int32_t(STDCALL* getItem)(void* self, int32_t index, void* item, void** target);
  int32_t(STDCALL* addItem)(void* self, const void* item, void* target);
  int32_t(STDCALL* removeItem)(void* self, const void* item, void* target);
  int32_t(STDCALL* popup)(void* self, int32_t x, int32_t y);
} ContextMenuVtbl;

typedef char ViewRectSize[sizeof(ViewRect) == 16 ? 1 : -1];

typedef unsigned char(STDCALL* InitDllFn)(void); /* C++ bool */
typedef unsigned char(STDCALL* ExitDllFn)(void);
typedef FUnknownObject*(STDCALL* GetPluginFactoryFn)(void);

/* ---- shared by the host's parts ------------------------------------------ */

/* vst3host.c */
extern HostObject gHost;
void* Query(void* object, const char* iid);
void Release(void* object);
/* The module's factory (IPluginFactory3, one reference for the caller), or
 * null; the module stays loaded. */
PluginFactory3Object* LoadFactory(const char* path);
/* A new instance of the effect class, initialised with the host's
 * context, or null. */
ComponentObject* CreateComponent(PluginFactory3Object* factory);

/* vst3view.c: the editor view through the binary interface, in a window of
 * the host's own. */
void CheckEditor(PluginFactory3Object* factory);

/* An instance with its editor open in a top-level window of the host's own
 * (parent, the size of the editor), set up for 32-bit blocks of up to
 * kEditorBlock stereo frames. */
enum
{
  kEditorBlock = 512
};
typedef struct
{
  ComponentObject* component;
  AudioProcessorObject* processor;
  EditControllerObject* controller;
  PlugViewObject* view;
  void* parent; /* HWND */
  void* editor; /* the editor's window, a child of parent; null once removed */
} EditorSession;

/* False when any step fails; the session is to be closed either way. frame
 * (an IPlugFrame, or null) is handed to the view before it is attached. */
int OpenEditorSession(EditorSession* session, PluginFactory3Object* factory, void* frame, double sampleRate);
/* One block through the module, then one tick of the editor's timer. */
void ProcessAndTick(EditorSession* session, float* left, float* right, int frames);
/* Removes the view from the window (once). */
void RemoveEditor(EditorSession* session);
/* Releases everything; returns what the instance's last release answered. */
uint32_t CloseEditorSession(EditorSession* session);

/* vst3screenshot.c */
int Screenshot(const char* modulePath, const char* speechPath, const char* outPath);

#endif
