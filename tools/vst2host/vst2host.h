/* The host's own declarations of the VST 2.4 binary interface (64-bit
 * Windows): records with their padding written out, offsets checked below,
 * opcode numbers as the published interface has them. They are written
 * apart from the module's declarations, so that a wrong layout or number in
 * either shows up as a failure instead of cancelling out. */
#ifndef VST2HOST_H
#define VST2HOST_H

#include <stddef.h>
#include <stdint.h>

#include "hostkit.h"


struct PlugEffect;
typedef intptr_t(__cdecl* HostCallbackFn)(struct PlugEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                           void* ptr, float opt);
typedef intptr_t(__cdecl* DispatcherFn)(struct PlugEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                         void* ptr, float opt);
typedef void(__cdecl* ProcessFn)(struct PlugEffect* effect, float** inputs, float** outputs, int32_t frames);
typedef void(__cdecl* ProcessDoubleFn)(struct PlugEffect* effect, double** inputs, double** outputs,
                                       int32_t frames);
typedef void(__cdecl* SetParameterFn)(struct PlugEffect* effect, int32_t index, float value);
typedef float(__cdecl* GetParameterFn)(struct PlugEffect* effect, int32_t index);
typedef struct PlugEffect*(__cdecl* EntryFn)(HostCallbackFn callback);

typedef struct PlugEffect
{
  int32_t magic;
  int32_t pad0;
  DispatcherFn dispatcher;
  ProcessFn process;
  SetParameterFn setParameter;
  GetParameterFn getParameter;
  int32_t numPrograms;
  int32_t numParams;
  int32_t numInputs;
  int32_t numOutputs;
  int32_t flags;
  int32_t pad1;
  intptr_t reserved[2];
  int32_t initialDelay;
  int32_t realQualities;
  int32_t offQualities;
  float ioRatio;
  void* object;
  void* user;
  int32_t uniqueID;
  int32_t version;
  ProcessFn processReplacing;
  ProcessDoubleFn processDoubleReplacing;
  char future[56];
} PlugEffect;

typedef struct
{
  double samplePos, sampleRate, nanoSeconds, ppqPos, tempo, barStartPos, cycleStartPos, cycleEndPos;
  int32_t timeSigNumerator, timeSigDenominator, smpteOffset, smpteFrameRate, samplesToNextClock, flags;
} TimeRecord;

typedef struct
{
  int32_t type, byteSize, deltaFrames, flags, noteLength, noteOffset;
  unsigned char midiData[4];
  char detune, noteOffVelocity, reserved1, reserved2;
} MidiEventRecord;

typedef struct
{
  int32_t numEvents;
  int32_t pad0;
  intptr_t reserved;
  void* events[4]; /* the interface declares two; a host may give more */
} EventsRecord;

typedef struct
{
  int16_t top, left, bottom, right;
} RectRecord;

typedef struct
{
  char label[64];
  int32_t flags;
  int32_t arrangementType;
  char shortLabel[8];
  char future[48];
} PinRecord;

typedef struct
{
  float azimuth, elevation, radius, reserved;
  char name[64];
  int32_t type;
  char future[28];
} SpeakerRecord;

typedef struct
{
  int32_t type;
  int32_t numChannels;
  SpeakerRecord speakers[8];
} SpeakerArrangementRecord;

typedef struct
{
  int32_t thisProgramIndex;
  int32_t thisKeyNumber;
  char keyName[64];
  int32_t reserved;
  int32_t flags;
} KeyNameRecord;

typedef char PlugEffectSize[sizeof(PlugEffect) == 192 ? 1 : -1];
typedef char PlugEffectFlags[offsetof(PlugEffect, flags) == 56 ? 1 : -1];
typedef char PlugEffectDelay[offsetof(PlugEffect, initialDelay) == 80 ? 1 : -1];
typedef char PlugEffectRatio[offsetof(PlugEffect, ioRatio) == 92 ? 1 : -1];
typedef char PlugEffectObject[offsetof(PlugEffect, object) == 96 ? 1 : -1];
typedef char PlugEffectUniqueId[offsetof(PlugEffect, uniqueID) == 112 ? 1 : -1];
typedef char PlugEffectReplacing[offsetof(PlugEffect, processReplacing) == 120 ? 1 : -1];
typedef char PlugEffectDouble[offsetof(PlugEffect, processDoubleReplacing) == 128 ? 1 : -1];
typedef char TimeRecordSize[sizeof(TimeRecord) == 88 ? 1 : -1];
typedef char TimeRecordFlags[offsetof(TimeRecord, flags) == 84 ? 1 : -1];
typedef char MidiEventRecordSize[sizeof(MidiEventRecord) == 32 ? 1 : -1];
typedef char MidiEventRecordData[offsetof(MidiEventRecord, midiData) == 24 ? 1 : -1];
typedef char EventsRecordEvents[offsetof(EventsRecord, events) == 16 ? 1 : -1];
typedef char RectRecordSize[sizeof(RectRecord) == 8 ? 1 : -1];
typedef char PinRecordSize[sizeof(PinRecord) == 128 ? 1 : -1];
typedef char PinRecordFlags[offsetof(PinRecord, flags) == 64 ? 1 : -1];
typedef char SpeakerRecordSize[sizeof(SpeakerRecord) == 112 ? 1 : -1];
typedef char SpeakerArrangementSize[sizeof(SpeakerArrangementRecord) == 904 ? 1 : -1];
typedef char KeyNameRecordSize[sizeof(KeyNameRecord) == 80 ? 1 : -1];

/* Dispatcher opcodes. */
enum
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
  effGetSpeakerArrangement = 69
};

/* Host callback opcodes. */
enum
{
  audioMasterAutomate = 0,
  audioMasterVersion = 1,
  audioMasterWantMidi = 6,
  audioMasterGetTime = 7,
  audioMasterProcessEvents = 8,
  audioMasterGetCurrentProcessLevel = 23,
  audioMasterGetProductString = 33,
  audioMasterGetVendorVersion = 34,
  audioMasterUpdateDisplay = 42,
  audioMasterBeginEdit = 43,
  audioMasterEndEdit = 44
};

#endif
