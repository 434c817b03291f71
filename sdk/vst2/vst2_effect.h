#pragma once

// Our own declarations of the VST 2.4 binary interface: the effect record,
// the calling convention of the host callback and the plug-in's entries, and
// the opcode and flag numbers the module uses. Offsets are the published
// 64-bit layout (a native 64-bit build has the same), asserted below.

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define VSTCALLBACK __cdecl
#else
#define VSTCALLBACK
#endif

struct AEffect;

typedef intptr_t(VSTCALLBACK* audioMasterCallback)(AEffect* effect, int32_t opcode, int32_t index,
                                                    intptr_t value, void* ptr, float opt);
typedef intptr_t(VSTCALLBACK* AEffectDispatcherProc)(AEffect* effect, int32_t opcode, int32_t index,
                                                      intptr_t value, void* ptr, float opt);
typedef void(VSTCALLBACK* AEffectProcessProc)(AEffect* effect, float** inputs, float** outputs,
                                              int32_t sampleFrames);
typedef void(VSTCALLBACK* AEffectProcessDoubleProc)(AEffect* effect, double** inputs, double** outputs,
                                                    int32_t sampleFrames);
typedef void(VSTCALLBACK* AEffectSetParameterProc)(AEffect* effect, int32_t index, float parameter);
typedef float(VSTCALLBACK* AEffectGetParameterProc)(AEffect* effect, int32_t index);

struct AEffect
{
  int32_t magic;
  AEffectDispatcherProc dispatcher;
  AEffectProcessProc process;
  AEffectSetParameterProc setParameter;
  AEffectGetParameterProc getParameter;
  int32_t numPrograms;
  int32_t numParams;
  int32_t numInputs;
  int32_t numOutputs;
  int32_t flags;
  intptr_t reserved1;
  intptr_t reserved2;
  int32_t initialDelay;
  int32_t realQualities;
  int32_t offQualities;
  float ioRatio;
  void* object;
  void* user;
  int32_t uniqueID;
  int32_t version;
  AEffectProcessProc processReplacing;
  AEffectProcessDoubleProc processDoubleReplacing;
  char future[56];
};

// Only 64-bit hosts load this module.
static_assert(sizeof(void*) == 8, "the 64-bit VST 2.4 layout");
static_assert(sizeof(AEffect) == 192, "AEffect size");
static_assert(offsetof(AEffect, dispatcher) == 8, "AEffect.dispatcher");
static_assert(offsetof(AEffect, process) == 16, "AEffect.process");
static_assert(offsetof(AEffect, setParameter) == 24, "AEffect.setParameter");
static_assert(offsetof(AEffect, getParameter) == 32, "AEffect.getParameter");
static_assert(offsetof(AEffect, numPrograms) == 40, "AEffect.numPrograms");
static_assert(offsetof(AEffect, numParams) == 44, "AEffect.numParams");
static_assert(offsetof(AEffect, numInputs) == 48, "AEffect.numInputs");
static_assert(offsetof(AEffect, numOutputs) == 52, "AEffect.numOutputs");
static_assert(offsetof(AEffect, flags) == 56, "AEffect.flags");
static_assert(offsetof(AEffect, reserved1) == 64, "AEffect.reserved1");
static_assert(offsetof(AEffect, reserved2) == 72, "AEffect.reserved2");
static_assert(offsetof(AEffect, initialDelay) == 80, "AEffect.initialDelay");
static_assert(offsetof(AEffect, realQualities) == 84, "AEffect.realQualities");
static_assert(offsetof(AEffect, offQualities) == 88, "AEffect.offQualities");
static_assert(offsetof(AEffect, ioRatio) == 92, "AEffect.ioRatio");
static_assert(offsetof(AEffect, object) == 96, "AEffect.object");
static_assert(offsetof(AEffect, user) == 104, "AEffect.user");
static_assert(offsetof(AEffect, uniqueID) == 112, "AEffect.uniqueID");
static_assert(offsetof(AEffect, version) == 116, "AEffect.version");
static_assert(offsetof(AEffect, processReplacing) == 120, "AEffect.processReplacing");
static_assert(offsetof(AEffect, processDoubleReplacing) == 128, "AEffect.processDoubleReplacing");
static_assert(offsetof(AEffect, future) == 136, "AEffect.future");

constexpr int32_t kEffectMagic = 0x56737450;  // 'VstP'

enum : int32_t
{
  effFlagsHasEditor = 1,
  effFlagsCanMono = 8,
  effFlagsCanReplacing = 0x10,
  effFlagsProgramChunks = 0x20,
  effFlagsCanDoubleReplacing = 0x1000,
};

// The dispatcher's opcodes.
enum : int32_t
{
  effOpen = 0,
  effClose = 1,
  effSetProgram = 2,
  effGetProgram = 3,
  effSetProgramName = 4,
  effGetProgramName = 5,
  effGetParamLabel = 6,
  effGetParamDisplay = 7,
  effGetParamName = 8,
  effSetSampleRate = 10,
  effSetBlockSize = 11,
  effMainsChanged = 12,
  effEditGetRect = 13,
  effEditOpen = 14,
  effEditClose = 15,
  effEditIdle = 19,
  effIdentify = 22,
  effGetChunk = 23,
  effSetChunk = 24,
  effProcessEvents = 25,
  effCanBeAutomated = 26,
  effString2Parameter = 27,
  effGetProgramNameIndexed = 29,
  effGetInputProperties = 33,
  effGetOutputProperties = 34,
  effGetPlugCategory = 35,
  effProcessVarIo = 41,
  effSetSpeakerArrangement = 42,
  effSetBypass = 44,
  effGetEffectName = 45,
  effGetVendorString = 47,
  effGetProductString = 48,
  effGetVendorVersion = 49,
  effVendorSpecific = 50,
  effCanDo = 51,
  effGetTailSize = 52,
  effIdle = 53,
  effGetVstVersion = 58,
  effGetMidiKeyName = 66,
  effGetSpeakerArrangement = 69,
};

// The host callback's opcodes.
enum : int32_t
{
  audioMasterAutomate = 0,
  audioMasterWantMidi = 6,
  audioMasterGetTime = 7,
  audioMasterProcessEvents = 8,
  audioMasterGetCurrentProcessLevel = 23,
  audioMasterGetProductString = 33,
  audioMasterGetVendorVersion = 34,
  audioMasterUpdateDisplay = 42,
  audioMasterBeginEdit = 43,
  audioMasterEndEdit = 44,
};

enum : int32_t
{
  kVstProcessLevelOffline = 4,
  kPlugCategEffect = 1,
  kPlugCategSynth = 2,
};
