#pragma once

#include "HeapBuffer.h"
#include "StateChunk.h"
#include "StringBuffer.h"

// One supported (inputs, outputs) pair of the channel text.
struct ChannelConfig
{
  int inputs = 0;
  int outputs = 0;
};

// Per-channel records. The slot is this channel's entry in IPlugBase's
// pointer array: the double buffer its samples are read from or written to
// during one block.
struct IPlugInputChannel
{
  bool connected = false;
  double** slot = nullptr;
  HeapArray<double> scratch{4096};
  StringBuffer label;
};

struct IPlugOutputChannel
{
  bool connected = false;
  double** slot = nullptr;
  float* hostDestination = nullptr;
  HeapArray<double> scratch{4096};
  StringBuffer label;
};

constexpr int kPresetNameLength = 256;

struct IPlugPreset
{
  IPlugPreset();

  bool initialised = false;
  char name[kPresetNameLength];
  StateChunk state;
};

// Transport as a wrapper reports it.
struct TransportInfo
{
  double tempo = 0.0;
  double samplePosition = 0.0;
  double musicalPosition = 0.0;
  double lastBarPosition = 0.0;
  double cycleStart = 0.0;
  double cycleEnd = 0.0;
  int numerator = 0;
  int denominator = 0;
  bool playing = false;
  bool cycling = false;
};

struct IMidiEvent
{
  int offset = 0;
  unsigned char status = 0;
  unsigned char data1 = 0;
  unsigned char data2 = 0;
};

struct ISysExEvent
{
  int offset = 0;
  int size = 0;
  const unsigned char* data = nullptr;
};
