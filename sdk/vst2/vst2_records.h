#pragma once

// Our own declarations of the VST 2.4 records that the dispatcher and the
// host callback exchange through pointers, in the published 64-bit layout
// (asserted below).

#include "vst2_effect.h"

struct VstTimeInfo
{
  double samplePos;
  double sampleRate;
  double nanoSeconds;
  double ppqPos;
  double tempo;
  double barStartPos;
  double cycleStartPos;
  double cycleEndPos;
  int32_t timeSigNumerator;
  int32_t timeSigDenominator;
  int32_t smpteOffset;
  int32_t smpteFrameRate;
  int32_t samplesToNextClock;
  int32_t flags;
};

enum : int32_t
{
  kVstTransportPlaying = 2,
  kVstTransportCycleActive = 4,
  kVstPpqPosValid = 0x200,
  kVstTempoValid = 0x400,
  kVstBarsValid = 0x800,
  kVstCyclePosValid = 0x1000,
  kVstTimeSigValid = 0x2000,
};

// The common head of every event; type says which record it is.
struct VstEvent
{
  int32_t type;
  int32_t byteSize;
  int32_t deltaFrames;
  int32_t flags;
  char data[16];
};

// A host may hand over more events than the two declared: numEvents says
// how many pointers follow.
struct VstEvents
{
  int32_t numEvents;
  intptr_t reserved;
  VstEvent* events[2];
};

enum : int32_t
{
  kVstMidiType = 1,
  kVstSysExType = 6,
};

struct VstMidiEvent
{
  int32_t type;
  int32_t byteSize;
  int32_t deltaFrames;
  int32_t flags;
  int32_t noteLength;
  int32_t noteOffset;
  char midiData[4];
  char detune;
  char noteOffVelocity;
  char reserved1;
  char reserved2;
};

struct VstMidiSysexEvent
{
  int32_t type;
  int32_t byteSize;
  int32_t deltaFrames;
  int32_t flags;
  int32_t dumpBytes;
  intptr_t resvd1;
  char* sysexDump;
  intptr_t resvd2;
};

struct ERect
{
  int16_t top;
  int16_t left;
  int16_t bottom;
  int16_t right;
};

enum : int32_t
{
  kVstPinIsActive = 1,
  kVstPinIsStereo = 2,
};

struct VstPinProperties
{
  char label[64];
  int32_t flags;
  int32_t arrangementType;
  char shortLabel[8];
  char future[48];
};

struct VstSpeakerProperties
{
  float azimuth;
  float elevation;
  float radius;
  float reserved;
  char name[64];
  int32_t type;
  char future[28];
};

enum : int32_t
{
  kSpeakerArrUserDefined = -2,
  kSpeakerArrEmpty = -1,
  kSpeakerArrMono = 0,
  kSpeakerArrStereo = 1,
};

struct VstSpeakerArrangement
{
  int32_t type;
  int32_t numChannels;
  VstSpeakerProperties speakers[8];
};

struct MidiKeyName
{
  int32_t thisProgramIndex;
  int32_t thisKeyNumber;
  char keyName[64];
  int32_t reserved;
  int32_t flags;
};

// The lengths of the host's text buffers that the module writes into,
// terminator included.
constexpr int kVstParamTextLength = 32;
constexpr int kVstProgramNameLength = 24;
constexpr int kVstEffectNameLength = 32;
constexpr int kVstNameLength = 64;

static_assert(sizeof(VstTimeInfo) == 88, "VstTimeInfo size");
static_assert(offsetof(VstTimeInfo, cycleEndPos) == 56, "VstTimeInfo.cycleEndPos");
static_assert(offsetof(VstTimeInfo, timeSigNumerator) == 64, "VstTimeInfo.timeSigNumerator");
static_assert(offsetof(VstTimeInfo, timeSigDenominator) == 68, "VstTimeInfo.timeSigDenominator");
static_assert(offsetof(VstTimeInfo, flags) == 84, "VstTimeInfo.flags");
static_assert(sizeof(VstEvent) == 32, "VstEvent size");
static_assert(offsetof(VstEvents, reserved) == 8, "VstEvents.reserved");
static_assert(offsetof(VstEvents, events) == 16, "VstEvents.events");
static_assert(sizeof(VstMidiEvent) == 32, "VstMidiEvent size");
static_assert(offsetof(VstMidiEvent, midiData) == 24, "VstMidiEvent.midiData");
static_assert(sizeof(VstMidiSysexEvent) == 48, "VstMidiSysexEvent size");
static_assert(offsetof(VstMidiSysexEvent, dumpBytes) == 16, "VstMidiSysexEvent.dumpBytes");
static_assert(offsetof(VstMidiSysexEvent, resvd1) == 24, "VstMidiSysexEvent.resvd1");
static_assert(offsetof(VstMidiSysexEvent, sysexDump) == 32, "VstMidiSysexEvent.sysexDump");
static_assert(offsetof(VstMidiSysexEvent, resvd2) == 40, "VstMidiSysexEvent.resvd2");
static_assert(sizeof(ERect) == 8, "ERect size");
static_assert(sizeof(VstPinProperties) == 128, "VstPinProperties size");
static_assert(offsetof(VstPinProperties, flags) == 64, "VstPinProperties.flags");
static_assert(offsetof(VstPinProperties, arrangementType) == 68, "VstPinProperties.arrangementType");
static_assert(offsetof(VstPinProperties, shortLabel) == 72, "VstPinProperties.shortLabel");
static_assert(sizeof(VstSpeakerProperties) == 112, "VstSpeakerProperties size");
static_assert(offsetof(VstSpeakerProperties, name) == 16, "VstSpeakerProperties.name");
static_assert(offsetof(VstSpeakerProperties, type) == 80, "VstSpeakerProperties.type");
static_assert(sizeof(VstSpeakerArrangement) == 904, "VstSpeakerArrangement size");
static_assert(offsetof(VstSpeakerArrangement, speakers) == 8, "VstSpeakerArrangement.speakers");
static_assert(sizeof(MidiKeyName) == 80, "MidiKeyName size");
static_assert(offsetof(MidiKeyName, keyName) == 8, "MidiKeyName.keyName");
