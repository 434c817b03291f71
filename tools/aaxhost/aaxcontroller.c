/* The host objects of a running effect: the controller with its automation
 * and transport interfaces, the view container, and the nodes every
 * algorithm context carries. */

#include <stdio.h>
#include <string.h>

#include "aaxobjects.h"

/* ---- controller --------------------------------------------------------------------- */

typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* call1)(void* self, int32_t a); /* 3 */
  int32_t(STDCALL* getSampleRate)(void* self, float* rate);
  int32_t(STDCALL* getInputLayout)(void* self, uint32_t* layout);
  int32_t(STDCALL* getOutputLayout)(void* self, uint32_t* layout);
  int32_t(STDCALL* call5)(void* self, int32_t a); /* 7 */
  int32_t(STDCALL* call6)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* call7)(void* self, int32_t a);
  int32_t(STDCALL* reportLatency)(void* self, int32_t samples); /* 10 */
  int32_t(STDCALL* call9)(void* self, int32_t a, int32_t b, int32_t c);
  int32_t(STDCALL* postPacket)(void* self, uint32_t field, const void* data, uint32_t size); /* 12 */
  int32_t(STDCALL* call12)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* call13)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* call14)(void* self, int32_t a); /* 15 */
  int32_t(STDCALL* call16)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* call17)(void* self, int32_t a);
  int32_t(STDCALL* call15)(void* self, int32_t a); /* 18 */
  int32_t(STDCALL* call18)(void* self, int32_t a, int32_t b);
  /* The second interface goes on: */
  int32_t(STDCALL* call11)(void* self, int32_t a, int32_t b, int32_t c); /* 20 */
  int32_t(STDCALL* call19)(void* self, int32_t a);
  int32_t(STDCALL* call20)(void* self, uint64_t* value);
  int32_t(STDCALL* call21)(void* self, int32_t a); /* 23 */
} ControllerVtbl;

static HostObject* OwnerOf(void* face) { return ((HostFace*)face)->owner; }

static int32_t STDCALL GetSampleRate(void* self, float* rate)
{
  LogCall(self, "GetSampleRateFromHost");
  *rate = OwnerOf(self)->sampleRate;
  return kOk;
}

static int32_t STDCALL GetInputLayout(void* self, uint32_t* layout)
{
  LogCall(self, "GetInputChannelLayout");
  *layout = OwnerOf(self)->inputLayout;
  return kOk;
}

static int32_t STDCALL GetOutputLayout(void* self, uint32_t* layout)
{
  LogCall(self, "GetOutputChannelLayout");
  *layout = OwnerOf(self)->outputLayout;
  return kOk;
}

static int32_t STDCALL ReportLatency(void* self, int32_t samples)
{
  LogCall(self, "ReportLatency(%d)", (int)samples);
  return kOk;
}

static int32_t STDCALL PostPacket(void* self, uint32_t field, const void* data, uint32_t size)
{
  LogCall(self, "PostPacket(%u,%s,%u)", (unsigned)field, data ? "data" : "null", (unsigned)size);
  return kOk;
}

static int32_t STDCALL ControllerCall20(void* self, uint64_t* value)
{
  LogCall(self, "Call(%s)", value ? "out" : "null");
  return kOk;
}

static const ControllerVtbl kControllerVtbl = {
    FaceQuery,  FaceAddRef, FaceRelease,   LogValues1, GetSampleRate, GetInputLayout, GetOutputLayout,  LogValues1,
    LogValues2, LogValues1, ReportLatency, LogValues3, PostPacket,    LogValues2,     LogValues2,       LogValues1,
    LogValues2, LogValues1, LogValues1,    LogValues2, LogValues3,    LogValues1,     ControllerCall20, LogValues1};

/* ---- automation ------------------------------------------------------------------------- */

typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* registerParameter)(void* self, const char* id); /* 3 */
  int32_t(STDCALL* unregisterParameter)(void* self, const char* id);
  int32_t(STDCALL* postSetValueRequest)(void* self, const char* id, double normalized);
  int32_t(STDCALL* postCurrentValue)(void* self, const char* id, double normalized);
  int32_t(STDCALL* postTouch)(void* self, const char* id); /* 7 */
  int32_t(STDCALL* postReleaseTouch)(void* self, const char* id);
  int32_t(STDCALL* call7)(void* self, int32_t a, int32_t b);
} AutomationVtbl;

static int32_t STDCALL RegisterParameter(void* self, const char* id)
{
  LogCall(self, "RegisterParameter(%s)", id);
  return kOk;
}

static int32_t STDCALL UnregisterParameter(void* self, const char* id)
{
  LogCall(self, "UnregisterParameter(%s)", id);
  return kOk;
}

static int32_t STDCALL PostSetValueRequest(void* self, const char* id, double normalized)
{
  LogCall(self, "PostSetValueRequest(%s,%.17g)", id, normalized);
  return kOk;
}

static int32_t STDCALL PostCurrentValue(void* self, const char* id, double normalized)
{
  LogCall(self, "PostCurrentValue(%s,%.17g)", id, normalized);
  return kOk;
}

static int32_t STDCALL PostTouch(void* self, const char* id)
{
  LogCall(self, "PostTouch(%s)", id);
  return kOk;
}

static int32_t STDCALL PostReleaseTouch(void* self, const char* id)
{
  LogCall(self, "PostReleaseTouch(%s)", id);
  return kOk;
}

static const AutomationVtbl kAutomationVtbl = {
    FaceQuery,           FaceAddRef,       FaceRelease, RegisterParameter, UnregisterParameter,
    PostSetValueRequest, PostCurrentValue, PostTouch,   PostReleaseTouch,  LogValues2};

/* ---- transport ------------------------------------------------------------------------------- */

typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* tempo)(void* self, double* tempo); /* 3 */
  int32_t(STDCALL* timeSignature)(void* self, int32_t* numerator, int32_t* denominator);
  int32_t(STDCALL* isPlaying)(void* self, uint8_t* playing);
  int32_t(STDCALL* tickPosition)(void* self, int64_t* ticks);
  int32_t(STDCALL* loopPosition)(void* self, uint8_t* looping, int64_t* start, int64_t* end); /* 7 */
  int32_t(STDCALL* samplePosition)(void* self, int64_t* samples);
  int32_t(STDCALL* call7)(void* self, int32_t a, int32_t b, int32_t c);
  int32_t(STDCALL* call8)(void* self, int32_t a, int32_t b, int32_t c, int32_t d, int32_t e); /* 10 */
  int32_t(STDCALL* call9)(void* self, int32_t a);
  int32_t(STDCALL* call10)(void* self, int32_t a);
  /* The second interface goes on: */
  int32_t(STDCALL* call11)(void* self, int32_t a); /* 13 */
  int32_t(STDCALL* call12)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* call13)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* call14)(void* self, int32_t a); /* 16 */
} TransportVtbl;

static int32_t STDCALL Tempo(void* self, double* tempo)
{
  LogCall(self, "Tempo");
  *tempo = 120.0;
  return kOk;
}

static int32_t STDCALL TimeSignature(void* self, int32_t* numerator, int32_t* denominator)
{
  LogCall(self, "TimeSignature");
  *numerator = 4;
  *denominator = 4;
  return kOk;
}

static int32_t STDCALL IsPlaying(void* self, uint8_t* playing)
{
  LogCall(self, "IsPlaying");
  *playing = 0;
  return kOk;
}

static int32_t STDCALL TickPosition(void* self, int64_t* ticks)
{
  LogCall(self, "TickPosition");
  *ticks = 0;
  return kOk;
}

static int32_t STDCALL LoopPosition(void* self, uint8_t* looping, int64_t* start, int64_t* end)
{
  LogCall(self, "LoopPosition");
  *looping = 0;
  *start = *end = 0;
  return kOk;
}

static int32_t STDCALL SamplePosition(void* self, int64_t* samples)
{
  LogCall(self, "SamplePosition");
  *samples = 0;
  return kOk;
}

static const TransportVtbl kTransportVtbl = {FaceQuery,  FaceAddRef,   FaceRelease,  Tempo,          TimeSignature,
                                             IsPlaying,  TickPosition, LoopPosition, SamplePosition, LogValues3,
                                             LogValues5, LogValues1,   LogValues1,   LogValues1,     LogValues2,
                                             LogValues2, LogValues1};

uint32_t LayoutOf(int channels) { return channels == 1 ? 0x00000001u : 0x00010002u; }

void InitController(HostObject* object, const char* suffix, float sampleRate, int channels)
{
  static const struct
  {
    const char* name;
    const void* vtbl;
    const unsigned char* iid;
  } faces[] = {
      {"controller", &kControllerVtbl, kControllerIID},  {"controller:2", &kControllerVtbl, kControllerV2IID},
      {"automation", &kAutomationVtbl, kAutomationIID},  {"transport", &kTransportVtbl, kTransportIID},
      {"transport:2", &kTransportVtbl, kTransportV2IID},
  };
  size_t i;
  InitObject(object);
  for (i = 0; i < sizeof faces / sizeof faces[0]; ++i)
  {
    char name[24];
    const char* colon = strchr(faces[i].name, ':');
    /* "controllerB:2": the suffix names the object, ":2" the version. */
    if (colon)
      snprintf(name, sizeof name, "%.*s%s%s", (int)(colon - faces[i].name), faces[i].name, suffix, colon);
    else
      snprintf(name, sizeof name, "%s%s", faces[i].name, suffix);
    AddFace(object, faces[i].vtbl, faces[i].iid, name);
  }
  object->sampleRate = sampleRate;
  object->inputLayout = object->outputLayout = LayoutOf(channels);
}

/* ---- view container -------------------------------------------------------------------------- */

typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* call1)(void* self); /* 3 */
  void*(STDCALL* nativeView)(void* self);
  int32_t(STDCALL* call3)(void* self, int32_t a);
  int32_t(STDCALL* setViewSize)(void* self, AaxPoint* size); /* 6 */
  int32_t(STDCALL* call5)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* call6)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* call7)(void* self, int32_t a, int32_t b); /* 9 */
} ViewContainerVtbl;

static int32_t STDCALL ContainerCall1(void* self)
{
  LogCall(self, "Call()");
  return kOk;
}

static void* STDCALL NativeView(void* self) { return OwnerOf(self)->nativeView; }

static int32_t STDCALL SetViewSize(void* self, AaxPoint* size)
{
  LogCall(self, "SetViewSize(%g,%g)", size->vert, size->horz);
  return kOk;
}

static const ViewContainerVtbl kViewContainerVtbl = {FaceQuery,  FaceAddRef,  FaceRelease, ContainerCall1, NativeView,
                                                     LogValues1, SetViewSize, LogValues2,  LogValues2,     LogValues2};

void InitContainer(HostObject* object, const char* name, void* window)
{
  InitObject(object);
  AddFace(object, &kViewContainerVtbl, kViewContainerIID, name);
  object->nativeView = window;
}

/* ---- the nodes of an algorithm context ------------------------------------------------------- */

/* C++ tables of the host's: members, self in ECX. */
typedef struct
{
  void(THISCALL* destroy)(void* self, void* edx, uint32_t flags);
  const void*(THISCALL* getNodeBuffer)(void* self, void* edx);
} MidiNodeVtbl;

typedef struct
{
  void(THISCALL* destroy)(void* self, void* edx, uint32_t flags);
  void(THISCALL* call1)(void* self, void* edx);
  void(THISCALL* call2)(void* self, void* edx);
  void*(THISCALL* getTransport)(void* self, void* edx); /* 3 */
} TransportNodeVtbl;

/* The transport of a block, with the table of the plug-in's transport
 * interface (slot 0 a deleting destructor): 120 beats a minute in 4/4,
 * stopped at the start. */
typedef struct
{
  void(THISCALL* destroy)(void* self, void* edx, uint32_t flags);
  int32_t(THISCALL* tempo)(void* self, void* edx, double* tempo);
  int32_t(THISCALL* timeSignature)(void* self, void* edx, int32_t* numerator, int32_t* denominator);
  int32_t(THISCALL* isPlaying)(void* self, void* edx, uint8_t* playing);
  int32_t(THISCALL* tickPosition)(void* self, void* edx, int64_t* ticks);
  int32_t(THISCALL* loopPosition)(void* self, void* edx, uint8_t* looping, int64_t* start, int64_t* end); /* 5 */
  int32_t(THISCALL* samplePosition)(void* self, void* edx, int64_t* samples);
  int32_t(THISCALL* call7)(void* self, void* edx, int32_t a, int32_t b, int32_t c);
  int32_t(THISCALL* call8)(void* self, void* edx, int32_t a, int32_t b, int32_t c, int32_t d, int32_t e);
  int32_t(THISCALL* call9)(void* self, void* edx, int32_t a);
  int32_t(THISCALL* call10)(void* self, void* edx, int32_t a); /* 10 */
  int32_t(THISCALL* call11)(void* self, void* edx, int32_t a);
  int32_t(THISCALL* call12)(void* self, void* edx, int32_t a, int32_t b);
  int32_t(THISCALL* call13)(void* self, void* edx, int32_t a, int32_t b);
  int32_t(THISCALL* call14)(void* self, void* edx, int32_t a); /* 14 */
} BlockTransportVtbl;

static int32_t THISCALL BlockTempo(void* self, void* edx, double* tempo)
{
  (void)self, (void)edx;
  *tempo = 120.0;
  return kOk;
}

static int32_t THISCALL BlockTimeSignature(void* self, void* edx, int32_t* numerator, int32_t* denominator)
{
  (void)self, (void)edx;
  *numerator = *denominator = 4;
  return kOk;
}

static int32_t THISCALL BlockIsPlaying(void* self, void* edx, uint8_t* playing)
{
  (void)self, (void)edx;
  *playing = 0;
  return kOk;
}

static int32_t THISCALL BlockPosition(void* self, void* edx, int64_t* position)
{
  (void)self, (void)edx;
  *position = 0;
  return kOk;
}

static int32_t THISCALL BlockLoop(void* self, void* edx, uint8_t* looping, int64_t* start, int64_t* end)
{
  (void)self, (void)edx;
  *looping = 0;
  *start = *end = 0;
  return kOk;
}

static int32_t THISCALL BlockValues1(void* self, void* edx, int32_t a)
{
  (void)self, (void)edx, (void)a;
  return kOk;
}

static int32_t THISCALL BlockValues2(void* self, void* edx, int32_t a, int32_t b)
{
  (void)self, (void)edx, (void)a, (void)b;
  return kOk;
}

static int32_t THISCALL BlockValues3(void* self, void* edx, int32_t a, int32_t b, int32_t c)
{
  (void)self, (void)edx, (void)a, (void)b, (void)c;
  return kOk;
}

static int32_t THISCALL BlockValues5(void* self, void* edx, int32_t a, int32_t b, int32_t c, int32_t d, int32_t e)
{
  (void)self, (void)edx, (void)a, (void)b, (void)c, (void)d, (void)e;
  return kOk;
}

typedef struct
{
  const void* vtbl;
  volatile LONG calls;
} Node;

static void THISCALL DestroyNode(void* self, void* edx, uint32_t flags)
{
  (void)self, (void)edx, (void)flags;
  Check(0, "no Destroy on a node of the host's", __LINE__);
}

static const struct
{
  uint32_t packetCount;
  const void* packets;
} kNoPackets = {0, NULL};

static const void* THISCALL GetNodeBuffer(void* self, void* edx)
{
  (void)edx;
  InterlockedIncrement(&((Node*)self)->calls);
  return &kNoPackets;
}

static void THISCALL NodeCall(void* self, void* edx) { (void)self, (void)edx; }

static const BlockTransportVtbl kBlockTransportVtbl = {DestroyNode,   BlockTempo,   BlockTimeSignature, BlockIsPlaying,
                                                       BlockPosition, BlockLoop,    BlockPosition,      BlockValues3,
                                                       BlockValues5,  BlockValues1, BlockValues1,       BlockValues1,
                                                       BlockValues2,  BlockValues2, BlockValues1};
static Node gBlockTransport = {&kBlockTransportVtbl, 0};

static void* THISCALL GetTransport(void* self, void* edx)
{
  (void)edx;
  InterlockedIncrement(&((Node*)self)->calls);
  return &gBlockTransport;
}

static const MidiNodeVtbl kMidiNodeVtbl = {DestroyNode, GetNodeBuffer};
static const TransportNodeVtbl kTransportNodeVtbl = {DestroyNode, NodeCall, NodeCall, GetTransport};
static Node gMidiNode = {&kMidiNodeVtbl, 0};
static Node gTransportNode = {&kTransportNodeVtbl, 0};

void* TransportNode(void) { return &gTransportNode; }
void* MidiNode(void) { return &gMidiNode; }
LONG TransportNodeCalls(void) { return gTransportNode.calls; }
LONG MidiNodeCalls(void) { return gMidiNode.calls; }

void FillContext(AlgorithmContext* context, float** ins, float** outs, int32_t* frames, void* const* cell)
{
  memset(context, 0, sizeof *context);
  context->fields[kFieldAudioIn] = ins;
  context->fields[kFieldAudioOut] = outs;
  context->fields[kFieldBufferLength] = frames;
  context->fields[kFieldInputMidi] = &gMidiNode;
  context->fields[kFieldTransport] = &gTransportNode;
  context->fields[kFieldPrivateData] = (void*)cell;
}
