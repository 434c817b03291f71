/* A VST2 test host: loads a module with LoadLibrary and drives it only
 * through its exports and its effect record, with its own declarations of
 * the interface (vst2host.h). Its host callback answers from a script and
 * logs every call.
 *
 * usage: vst2host MODULE.dll   (prints "N passed, M failed")
 *        vst2host --render [--block N] [--double] [--accumulate] [--in-place] MODULE.dll IN.wav OUT.wav
 *        (processes a WAV file through the module, writes 32-bit float) */

#include <windows.h>

#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "TestEnd.h"
#include "vst2host.h"
#include "wav.h"

/* ---- the host callback: scripted answers and a log ---------------------- */

typedef struct
{
  int32_t opcode;
  int32_t index;
  intptr_t value;
  float opt;
  unsigned char midi[4]; /* the first event's bytes, for audioMasterProcessEvents */
} LogEntry;

enum
{
  kLogSize = 4096
};
static LogEntry gLog[kLogSize];
static int gLogCount;

static struct
{
  const char* product;
  intptr_t vendorVersion;
  intptr_t processLevel;
  int32_t timeFlags; /* the time record's flags; negative: no time record */
} gScript = {"vst2host", 2015, 1, 0x2602};
static TimeRecord gTime;

static intptr_t __cdecl HostCallback(PlugEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                     float opt)
{
  LogEntry* entry = gLogCount < kLogSize ? &gLog[gLogCount++] : NULL;
  (void)effect;
  if (entry)
  {
    memset(entry, 0, sizeof *entry);
    entry->opcode = opcode;
    entry->index = index;
    entry->value = value;
    entry->opt = opt;
  }
  switch (opcode)
  {
  case audioMasterVersion:
    return 2400;
  case audioMasterGetProductString:
    if (!ptr)
      return 0;
    strcpy((char*)ptr, gScript.product);
    return 1;
  case audioMasterGetVendorVersion:
    return gScript.vendorVersion;
  case audioMasterGetCurrentProcessLevel:
    return gScript.processLevel;
  case audioMasterGetTime:
    if (gScript.timeFlags < 0)
      return 0;
    gTime.flags = gScript.timeFlags;
    return (intptr_t)&gTime;
  case audioMasterProcessEvents:
  {
    const EventsRecord* events = (const EventsRecord*)ptr;
    if (entry && events && events->numEvents >= 1 && events->events[0])
      memcpy(entry->midi, ((const MidiEventRecord*)events->events[0])->midiData, 4);
    return 1;
  }
  default:
    return 0;
  }
}

static void ClearLog(void) { gLogCount = 0; }

static int Logged(int32_t opcode)
{
  int i, n = 0;
  for (i = 0; i < gLogCount; ++i)
    n += gLog[i].opcode == opcode;
  return n;
}

static intptr_t Dispatch(PlugEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
  return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

static EntryFn Entry(HMODULE module, const char* name)
{
  return (EntryFn)(void (*)(void))GetProcAddress(module, name);
}

/* A new instance, opened and set up as a host does before processing. */
static PlugEffect* OpenInstance(EntryFn entry, double sampleRate, int block)
{
  PlugEffect* effect = entry(HostCallback);
  CHECK(effect != NULL);
  if (!effect)
    return NULL;
  Dispatch(effect, effOpen, 0, 0, NULL, 0.0f);
  Dispatch(effect, effSetSampleRate, 0, 0, NULL, (float)sampleRate);
  Dispatch(effect, effSetBlockSize, 0, block, NULL, 0.0f);
  Dispatch(effect, effMainsChanged, 0, 1, NULL, 0.0f);
  return effect;
}

/* ---- checks ---------------------------------------------------------------- */

static int AllZero(const void* bytes, size_t size)
{
  const unsigned char* b = (const unsigned char*)bytes;
  size_t i;
  for (i = 0; i < size; ++i)
    if (b[i])
      return 0;
  return 1;
}

static void CheckRecord(const PlugEffect* effect)
{
  CHECK(effect->magic == 0x56737450);
  CHECK(effect->numPrograms == 1);
  CHECK(effect->numParams == 18);
  CHECK(effect->numInputs == 2);
  CHECK(effect->numOutputs == 2);
  CHECK(effect->flags == 0x1019);
  CHECK(effect->uniqueID == 0x5A764C50);
  CHECK(effect->version == 10301);
  CHECK(effect->ioRatio == 1.0f);
  CHECK(effect->initialDelay == 0);
  CHECK(effect->realQualities == 0 && effect->offQualities == 0);
  CHECK(effect->reserved[0] == 0 && effect->reserved[1] == 0);
  CHECK(AllZero(effect->future, sizeof effect->future));
  CHECK(effect->object != NULL && effect->user == NULL);
  CHECK(effect->dispatcher && effect->process && effect->setParameter && effect->getParameter &&
        effect->processReplacing && effect->processDoubleReplacing);
}

/* Both exports are one entry: `main` takes the callback as a whole pointer,
 * and this host's callback lies above 4 GiB. */
static void CheckEntries(HMODULE module)
{
  EntryFn vstMain = Entry(module, "VSTPluginMain");
  EntryFn legacy = Entry(module, "main");
  PlugEffect* effect;
  CHECK(vstMain != NULL && legacy != NULL);
  CHECK(legacy == vstMain);
  CHECK((uintptr_t)HostCallback > 0xFFFFFFFFu);
  if (!legacy)
    return;
  effect = legacy(HostCallback);
  CHECK(effect != NULL);
  if (!effect)
    return;
  CheckRecord(effect);
  ClearLog();
  CHECK(Dispatch(effect, effOpen, 0, 0, NULL, 0.0f) == 0);
  /* The host is asked for its name, then (a name came) its version. */
  CHECK(gLogCount == 2 && gLog[0].opcode == audioMasterGetProductString &&
        gLog[1].opcode == audioMasterGetVendorVersion);
  CHECK(Dispatch(effect, effOpen, 0, 0, NULL, 0.0f) == 0);
  CHECK(Logged(audioMasterGetProductString) == 1);  /* once per instance */
  CHECK(Dispatch(effect, effClose, 0, 0, NULL, 0.0f) == 0);
}

static void CheckNumbers(PlugEffect* effect)
{
  static const struct
  {
    int32_t opcode;
    intptr_t expected;
  } answers[] = {
      {effIdentify, 0x4E764566}, {effGetVstVersion, 2400},  {effGetVendorVersion, 10301},
      {effGetPlugCategory, 1},   {effCanBeAutomated, 1},    {effGetTailSize, 0},
      {effGetProgram, 0},        {effEditIdle, 0},          {effIdle, 0},
      {effProcessVarIo, 0},      {effSetBypass, 0},         {effSetProgram, 0},
      {effSetProgramName, 0},    {effGetChunk, 0},          {effSetChunk, 0},
      {effGetMidiKeyName, 0},    {effProcessEvents, 0},     {effCanDo, 0},
      {effGetEffectName, 0},     {effGetInputProperties, 0}, {effEditGetRect, 0},
  };
  size_t i;
  int32_t opcode;
  for (i = 0; i < sizeof answers / sizeof answers[0]; ++i)
  {
    intptr_t result = Dispatch(effect, answers[i].opcode, 0, 0, NULL, 0.0f);
    if (result != answers[i].expected)
      printf("opcode %d answered %lld\n", (int)answers[i].opcode, (long long)result);
    CHECK(result == answers[i].expected);
  }
  /* Every other opcode answers 0 when it has no arguments: those that act
   * even then, or answer otherwise, are left out. */
  for (opcode = 0; opcode < 80; ++opcode)
  {
    static const int32_t handled[] = {effOpen, effClose, effSetSampleRate, effSetBlockSize, effMainsChanged,
                                      effEditClose, effIdentify, effCanBeAutomated, effString2Parameter,
                                      effGetPlugCategory, effSetSpeakerArrangement, effGetVendorVersion,
                                      effGetVstVersion, effGetSpeakerArrangement};
    size_t h;
    int isHandled = 0;
    for (h = 0; h < sizeof handled / sizeof handled[0]; ++h)
      isHandled |= handled[h] == opcode;
    if (!isHandled)
      CHECK(Dispatch(effect, opcode, 0, 0, NULL, 0.0f) == 0);
  }
}

static void CheckTexts(PlugEffect* effect)
{
  static const struct
  {
    int32_t opcode;
    int32_t index;
    const char* expected;
    intptr_t result;
  } texts[] = {
      {effGetEffectName, 0, "ZelvarLispera", 1},
      {effGetVendorString, 0, "Zelvar", 1},
      {effGetProductString, 0, "", 1},
      {effGetProgramName, 0, "-", 0},
      {effGetProgramNameIndexed, 0, "-", 1},
      {effGetProgramNameIndexed, 1, "", 0},
      {effGetParamName, 0, "Effect Amount", 0},
      {effGetParamLabel, 0, "%", 0},
      {effGetParamDisplay, 0, "50", 0},
      {effGetParamName, 1, "DryWet", 0},
      {effGetParamDisplay, 1, "100", 0},
      {effGetParamName, 10, "4K on/off", 0},
      {effGetParamLabel, 10, "", 0},
      {effGetParamDisplay, 10, "off", 0},
      {effGetParamDisplay, 11, "on", 0},
      {effGetParamName, 17, "HF on/off", 0},
      {effGetParamName, 18, "unchanged", 0},
  };
  size_t i;
  for (i = 0; i < sizeof texts / sizeof texts[0]; ++i)
  {
    char text[256];
    intptr_t result;
    strcpy(text, "unchanged");
    result = Dispatch(effect, texts[i].opcode, texts[i].index, 0, text, 0.0f);
    if (strcmp(text, texts[i].expected) != 0 || result != texts[i].result)
      printf("opcode %d index %d: \"%s\", %lld\n", (int)texts[i].opcode, (int)texts[i].index, text,
             (long long)result);
    CHECK(strcmp(text, texts[i].expected) == 0 && result == texts[i].result);
  }
}

static void CheckCanDo(PlugEffect* effect)
{
  static const struct
  {
    const char* text;
    intptr_t expected;
  } answers[] = {
      {"receiveVstTimeInfo", 1},   {"sendVstEvents", 0},
      {"sendVstMidiEvent", 0},     {"receiveVstEvents", 0},
      {"receiveVstMidiEvent", 0},  {"hasHostVendorExtensions", (intptr_t)0xBEEF0000},
      {"hasHostVendorViewAsConfig", (intptr_t)0xBEEF0000}, {"bypass", 0},
      {"", 0},
  };
  size_t i;
  for (i = 0; i < sizeof answers / sizeof answers[0]; ++i)
    CHECK(Dispatch(effect, effCanDo, 0, 0, (void*)answers[i].text, 0.0f) == answers[i].expected);
  CHECK((intptr_t)0xBEEF0000 > 0);
}

static void CheckVendorSpecific(PlugEffect* effect)
{
  char text[64];
  intptr_t index;
  strcpy(text, "unchanged");
  CHECK(Dispatch(effect, effVendorSpecific, 7, 0, text, 0.25f) == 0xBEEF && strcmp(text, "25") == 0);
  CHECK(Dispatch(effect, effVendorSpecific, 7, 10, text, 1.0f) == 0xBEEF && strcmp(text, "on") == 0);
  strcpy(text, "unchanged");
  CHECK(Dispatch(effect, effVendorSpecific, 7, 99, text, 0.5f) == 0xBEEF && strcmp(text, "unchanged") == 0);
  CHECK(Dispatch(effect, effVendorSpecific, 7, 0, NULL, 0.5f) == 0);
  for (index = -1; index <= 18; ++index)
    CHECK(Dispatch(effect, effVendorSpecific, 8, index, NULL, 0.0f) == (index >= 2 && index <= 17 ? 0xBEEF : 0));
  CHECK(Dispatch(effect, effVendorSpecific, 9, 0, text, 0.0f) == 0);
}

static void CheckParameters(PlugEffect* effect)
{
  ClearLog();
  CHECK(effect->getParameter(effect, 0) == 0.5f);
  CHECK(effect->getParameter(effect, 18) == 0.0f && effect->getParameter(effect, -1) == 0.0f);
  effect->setParameter(effect, 0, 0.2f);
  CHECK(effect->getParameter(effect, 0) == 0.2f);
  effect->setParameter(effect, 0, 7.0f);
  CHECK(effect->getParameter(effect, 0) == 1.0f);  /* clamped */
  effect->setParameter(effect, 18, 0.5f);
  CHECK(gLogCount == 0);  /* a host's own setting is not sent back */

  CHECK(Dispatch(effect, effString2Parameter, 10, 0, "on", 0.0f) == 1);
  CHECK(effect->getParameter(effect, 10) == 1.0f);
  CHECK(Dispatch(effect, effString2Parameter, 10, 0, "ON", 0.0f) == 0);
  CHECK(Dispatch(effect, effString2Parameter, 10, 0, "off", 0.0f) == 1);
  CHECK(effect->getParameter(effect, 10) == 0.0f);
  CHECK(Dispatch(effect, effString2Parameter, 0, 0, "250", 0.0f) == 1);
  CHECK(effect->getParameter(effect, 0) == 1.0f);
  CHECK(Dispatch(effect, effString2Parameter, 0, 0, "abc", 0.0f) == 1);
  CHECK(effect->getParameter(effect, 0) == 0.0f);
  CHECK(Dispatch(effect, effString2Parameter, 0, 0, "nan", 0.0f) == 0);
  CHECK(Dispatch(effect, effString2Parameter, 18, 0, "1", 0.0f) == 0);
  CHECK(Dispatch(effect, effString2Parameter, 0, 0, NULL, 0.0f) == 1);
  CHECK(Dispatch(effect, effString2Parameter, 0, 0, "50", 0.0f) == 1);
  CHECK(effect->getParameter(effect, 0) == 0.5f);
}

static void CheckChannels(PlugEffect* effect)
{
  static const struct
  {
    int32_t opcode;
    int32_t index;
    intptr_t result;
    int32_t flags;
    const char* label;
  } pins[] = {
      {effGetInputProperties, 0, 1, 3, "Input 1"},   {effGetInputProperties, 1, 1, 1, "Input 2"},
      {effGetInputProperties, 2, 0, 99, "unchanged"}, {effGetInputProperties, -1, 0, 99, "unchanged"},
      {effGetOutputProperties, 0, 1, 3, "Output 1"}, {effGetOutputProperties, 1, 1, 1, "Output 2"},
      {effGetOutputProperties, 2, 0, 99, "unchanged"},
  };
  SpeakerArrangementRecord* inputs = NULL;
  SpeakerArrangementRecord* outputs = NULL;
  SpeakerArrangementRecord mono;
  size_t i;
  for (i = 0; i < sizeof pins / sizeof pins[0]; ++i)
  {
    PinRecord pin;
    memset(&pin, 0x55, sizeof pin);
    pin.flags = 99;
    strcpy(pin.label, "unchanged");
    CHECK(Dispatch(effect, pins[i].opcode, pins[i].index, 0, &pin, 0.0f) == pins[i].result);
    CHECK(pin.flags == pins[i].flags && strcmp(pin.label, pins[i].label) == 0);
    CHECK(pin.arrangementType == 0x55555555);  /* only the label and the flags are written */
  }
  CHECK(Dispatch(effect, effGetInputProperties, 0, 0, NULL, 0.0f) == 0);

  CHECK(Dispatch(effect, effGetSpeakerArrangement, 0, (intptr_t)&inputs, &outputs, 0.0f) == 1);
  CHECK(inputs && outputs && inputs != outputs);
  if (inputs && outputs)
    CHECK(inputs->type == 1 && inputs->numChannels == 2 && outputs->type == 1 && outputs->numChannels == 2);
  memset(&mono, 0, sizeof mono);
  mono.numChannels = 1;
  CHECK(Dispatch(effect, effSetSpeakerArrangement, 0, (intptr_t)&mono, &mono, 0.0f) == 1);
  mono.numChannels = -3;
  CHECK(Dispatch(effect, effSetSpeakerArrangement, 0, (intptr_t)&mono, NULL, 0.0f) == 1);
  mono.numChannels = 2;
  CHECK(Dispatch(effect, effSetSpeakerArrangement, 0, (intptr_t)&mono, &mono, 0.0f) == 1);
  if (inputs)
    CHECK(inputs->numChannels == 2);  /* the stored arrangements stay */
}

static void CheckEvents(PlugEffect* effect)
{
  MidiEventRecord note, other;
  EventsRecord events;
  KeyNameRecord key;
  memset(&note, 0, sizeof note);
  note.type = 1;
  note.byteSize = sizeof note;
  note.deltaFrames = 3;
  note.midiData[0] = 0x90;
  note.midiData[1] = 60;
  note.midiData[2] = 100;
  other = note;
  other.type = 5;
  memset(&events, 0, sizeof events);
  events.numEvents = 3; /* one null entry, one event of a type the module skips */
  events.events[0] = NULL;
  events.events[1] = &note;
  events.events[2] = &other;
  ClearLog();
  CHECK(Dispatch(effect, effProcessEvents, 0, 0, &events, 0.0f) == 1);
  /* MIDI passes through to the host. */
  CHECK(gLogCount == 1 && gLog[0].opcode == audioMasterProcessEvents && gLog[0].midi[0] == 0x90 &&
        gLog[0].midi[1] == 60 && gLog[0].midi[2] == 100);

  memset(&key, 0, sizeof key);
  strcpy(key.keyName, "unchanged");
  key.thisKeyNumber = 60;
  CHECK(Dispatch(effect, effGetMidiKeyName, 0, 0, &key, 0.0f) == 0 && key.keyName[0] == 0);
}

enum
{
  kFrames = 256,
  kBlocks = 12
};

/* The three audio callbacks, and processReplacing in place, on four
 * instances: the same bits. */
static void CheckProcessing(EntryFn entry)
{
  static float in[2][kFrames], out[4][2][kFrames], inPlace[2][kFrames];
  static double in64[2][kFrames], out64[2][kFrames];
  PlugEffect* effects[4];
  int k, b, c, f, same = 1, changed = 0;
  for (k = 0; k < 4; ++k)
    effects[k] = OpenInstance(entry, 44100.0, kFrames);
  if (!effects[0] || !effects[1] || !effects[2] || !effects[3])
    return;
  for (b = 0; b < kBlocks; ++b)
  {
    float* ins[2] = {in[0], in[1]};
    float* outs[2];
    double* ins64[2] = {in64[0], in64[1]};
    double* outs64[2] = {out64[0], out64[1]};
    MakeTestSignal(in[0], 2 * kFrames, (unsigned)b);
    for (c = 0; c < 2; ++c)
      for (f = 0; f < kFrames; ++f)
      {
        in64[c][f] = in[c][f];
        inPlace[c][f] = in[c][f];
      }
    outs[0] = out[0][0], outs[1] = out[0][1];
    effects[0]->processReplacing(effects[0], ins, outs, kFrames);
    effects[1]->processDoubleReplacing(effects[1], ins64, outs64, kFrames);
    memset(out[2], 0, sizeof out[2]);
    outs[0] = out[2][0], outs[1] = out[2][1];
    effects[2]->process(effects[2], ins, outs, kFrames);
    outs[0] = inPlace[0], outs[1] = inPlace[1];
    effects[3]->processReplacing(effects[3], outs, outs, kFrames);
    for (c = 0; c < 2; ++c)
      for (f = 0; f < kFrames; ++f)
      {
        same &= out[0][c][f] == (float)out64[c][f] && out[0][c][f] == out[2][c][f] &&
                out[0][c][f] == inPlace[c][f];
        changed += out[0][c][f] != in[c][f];
      }
  }
  CHECK(same);
  CHECK(changed > 0);

  /* No frames, or no buffer arrays: nothing is processed. */
  {
    float* ins[2] = {in[0], in[1]};
    float* outs[2] = {out[0][0], out[0][1]};
    for (f = 0; f < kFrames; ++f)
      out[0][0][f] = out[0][1][f] = 7.0f;
    effects[0]->processReplacing(effects[0], ins, outs, 0);
    effects[0]->processReplacing(effects[0], ins, outs, -5);
    effects[0]->processReplacing(effects[0], NULL, outs, kFrames);
    effects[0]->processReplacing(effects[0], ins, NULL, kFrames);
    effects[1]->processDoubleReplacing(effects[1], NULL, NULL, kFrames);
    effects[2]->process(effects[2], ins, outs, 0);
    for (f = 0; f < kFrames; ++f)
      same &= out[0][0][f] == 7.0f && out[0][1][f] == 7.0f;
    CHECK(same);
  }
  for (k = 0; k < 4; ++k)
  {
    Dispatch(effects[k], effMainsChanged, 0, 0, NULL, 0.0f);
    Dispatch(effects[k], effClose, 0, 0, NULL, 0.0f);
  }
}

static LRESULT CALLBACK ParentWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  return DefWindowProcA(window, message, wParam, lParam);
}

/* The editor in a window of the host's own: its size, a click on the 4K
 * switch (a host edit of parameter 10), closed and opened again. */
static void CheckEditor(EntryFn entry)
{
  WNDCLASSA windowClass;
  HWND parent, child;
  RECT client;
  RectRecord* rect = NULL;
  PlugEffect* effect;
  memset(&windowClass, 0, sizeof windowClass);
  windowClass.lpfnWndProc = ParentWindowProc;
  windowClass.hInstance = GetModuleHandleA(NULL);
  windowClass.lpszClassName = "vst2host";
  RegisterClassA(&windowClass);  /* already there in the second round */
  parent = CreateWindowExA(0, "vst2host", "vst2host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 400, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
  CHECK(parent != NULL);
  effect = OpenInstance(entry, 48000.0, 512);
  if (!parent || !effect)
    return;

  CHECK(Dispatch(effect, effEditGetRect, 0, 0, &rect, 0.0f) == 1);
  CHECK(rect && rect->top == 0 && rect->left == 0 && rect->bottom == 230 && rect->right == 500);
  CHECK(Dispatch(effect, effEditOpen, 0, 0, NULL, 0.0f) == 0);
  CHECK(Dispatch(effect, effEditOpen, 0, 0, parent, 0.0f) == 1);
  child = GetWindow(parent, GW_CHILD);
  CHECK(child != NULL);
  if (child)
  {
    CHECK(GetClientRect(child, &client) && client.right - client.left == 500 && client.bottom - client.top == 230);
    UpdateWindow(child);
    ClearLog();
    SendMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(145, 122));
    SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(145, 122));
    CHECK(gLogCount == 3);
    CHECK(gLog[0].opcode == audioMasterBeginEdit && gLog[0].index == 10);
    CHECK(gLog[1].opcode == audioMasterAutomate && gLog[1].index == 10 && gLog[1].opt == 1.0f);
    CHECK(gLog[2].opcode == audioMasterEndEdit && gLog[2].index == 10);
    CHECK(effect->getParameter(effect, 10) == 1.0f);
  }
  CHECK(Dispatch(effect, effEditClose, 0, 0, NULL, 0.0f) == 1);
  CHECK(!child || !IsWindow(child));
  CHECK(Dispatch(effect, effEditOpen, 0, 0, parent, 0.0f) == 1);
  CHECK(GetWindow(parent, GW_CHILD) != NULL);
  CHECK(Dispatch(effect, effEditClose, 0, 0, NULL, 0.0f) == 1);
  CHECK(GetWindow(parent, GW_CHILD) == NULL);
  CHECK(Dispatch(effect, effClose, 0, 0, NULL, 0.0f) == 0);
  DestroyWindow(parent);
}

/* ---- programs, banks and chunks --------------------------------------------- */

/* Chunk bytes as this host writes them: little-endian words and doubles. */
typedef struct
{
  unsigned char bytes[512];
  int size;
} ChunkBytes;

static void PutInt32(ChunkBytes* chunk, int32_t value)
{
  int i;
  for (i = 0; i < 4; ++i)
    chunk->bytes[chunk->size++] = (unsigned char)((uint32_t)value >> (8 * i));
}

static void PutDouble(ChunkBytes* chunk, double value)
{
  uint64_t bits;
  int i;
  memcpy(&bits, &value, 8);
  for (i = 0; i < 8; ++i)
    chunk->bytes[chunk->size++] = (unsigned char)(bits >> (8 * i));
}

static void PutText(ChunkBytes* chunk, const char* text)
{
  size_t length = strlen(text);
  memcpy(chunk->bytes + chunk->size, text, length);
  chunk->size += (int)length;
}

static const double kDefaultValues[18] = {50, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0};

/* The chunk version header, then the state of the values. */
static void ProgramChunkOf(ChunkBytes* chunk, const double* values)
{
  int i;
  chunk->size = 0;
  PutInt32(chunk, 0x70666674);
  PutInt32(chunk, 0x00010000);
  for (i = 0; i < 18; ++i)
    PutDouble(chunk, values[i]);
}

/* The header, then the one program: its name, its flag and its state. */
static void BankChunkOf(ChunkBytes* chunk, const char* name, const double* values)
{
  int i;
  chunk->size = 0;
  PutInt32(chunk, 0x70666674);
  PutInt32(chunk, 0x00010000);
  PutInt32(chunk, (int32_t)strlen(name));
  PutText(chunk, name);
  chunk->bytes[chunk->size++] = 1;
  for (i = 0; i < 18; ++i)
    PutDouble(chunk, values[i]);
}

/* What effGetChunk hands out, copied; 0 bytes when it answers 0. */
static void GetChunk(PlugEffect* effect, int32_t index, ChunkBytes* chunk)
{
  void* data = NULL;
  intptr_t size = Dispatch(effect, effGetChunk, index, 0, &data, 0.0f);
  chunk->size = 0;
  if (size > 0 && size <= (intptr_t)sizeof chunk->bytes && data)
  {
    memcpy(chunk->bytes, data, (size_t)size);
    chunk->size = (int)size;
  }
}

static int SameChunk(const ChunkBytes* a, const ChunkBytes* b)
{
  return a->size == b->size && memcmp(a->bytes, b->bytes, (size_t)a->size) == 0;
}

static intptr_t SetChunk(PlugEffect* effect, int32_t index, ChunkBytes* chunk)
{
  return Dispatch(effect, effSetChunk, index, chunk->size, chunk->bytes, 0.0f);
}

static void CheckChunks(EntryFn entry)
{
  ChunkBytes expected, got, handedBack;
  PlugEffect* effect = OpenInstance(entry, 44100.0, 512);
  PlugEffect* other = OpenInstance(entry, 48000.0, 256);
  double values[18];
  char name[64];
  void* data = NULL;
  intptr_t size;
  int i, same = 1;
  if (!effect || !other)
    return;

  /* A fresh instance, byte for byte. */
  ProgramChunkOf(&expected, kDefaultValues);
  GetChunk(effect, 1, &got);
  CHECK(got.size == 152 && SameChunk(&got, &expected));
  CHECK(got.bytes[0] == 0x74 && got.bytes[3] == 0x70 && got.bytes[6] == 1 && got.bytes[14] == 0x49 &&
        got.bytes[15] == 0x40 && got.bytes[22] == 0x59 && got.bytes[103] == 0x3F);
  BankChunkOf(&expected, "-", kDefaultValues);
  GetChunk(effect, 0, &got);
  CHECK(got.size == 158 && SameChunk(&got, &expected));
  CHECK(got.bytes[8] == 1 && got.bytes[12] == 0x2D && got.bytes[13] == 1);

  /* Handed back through the very pointer: 1, and nothing changes. */
  for (i = 0; i < 2; ++i)
  {
    GetChunk(effect, i, &handedBack);
    size = Dispatch(effect, effGetChunk, i, 0, &data, 0.0f);
    CHECK(Dispatch(effect, effSetChunk, i, size, data, 0.0f) == 1);
    GetChunk(effect, i, &got);
    CHECK(SameChunk(&got, &handedBack));
  }

  /* A program named, then its name and the bank. */
  CHECK(Dispatch(effect, effString2Parameter, 0, 0, "20", 0.0f) == 1);
  CHECK(Dispatch(effect, effSetProgramName, 0, 0, "Bright", 0.0f) == 0);
  strcpy(name, "unchanged");
  Dispatch(effect, effGetProgramName, 0, 0, name, 0.0f);
  CHECK(strcmp(name, "Bright") == 0);
  memcpy(values, kDefaultValues, sizeof values);
  values[0] = 20.0;
  BankChunkOf(&expected, "Bright", values);
  GetChunk(effect, 0, &got);
  CHECK(got.size == 163 && SameChunk(&got, &expected));

  /* Round trips of both kinds into another instance. */
  CHECK(SetChunk(other, 0, &got) == 1);
  strcpy(name, "unchanged");
  Dispatch(other, effGetProgramName, 0, 0, name, 0.0f);
  CHECK(strcmp(name, "Bright") == 0);
  CHECK(other->getParameter(other, 0) == 0.2f);
  GetChunk(other, 0, &handedBack);
  CHECK(SameChunk(&handedBack, &got));
  effect->setParameter(effect, 1, 0.5f);
  CHECK(Dispatch(effect, effString2Parameter, 17, 0, "on", 0.0f) == 1);
  GetChunk(effect, 1, &got);
  CHECK(SetChunk(other, 1, &got) == 1);
  GetChunk(other, 1, &handedBack);
  CHECK(SameChunk(&handedBack, &got));
  for (i = 0; i < 18; ++i)
    same &= other->getParameter(other, i) == effect->getParameter(effect, i);
  CHECK(same);

  /* 100 bytes of a program: parameters 0 to 10 from it, the rest kept. */
  for (i = 0; i < 18; ++i)
    values[i] = kDefaultValues[i] == 0.0 ? 1.0 : 0.0;
  values[0] = values[1] = 70.0;
  ProgramChunkOf(&expected, values);
  expected.size = 100;
  ProgramChunkOf(&got, kDefaultValues);
  CHECK(SetChunk(other, 1, &got) == 1);
  CHECK(SetChunk(other, 1, &expected) == 0);
  same = other->getParameter(other, 0) == 0.7f && other->getParameter(other, 1) == 0.7f;
  for (i = 2; i < 18; ++i)
    same &= other->getParameter(other, i) == (float)(i <= 10 ? values[i] : kDefaultValues[i]);
  CHECK(same);

  /* Sizes that are not an int, or no data. */
  CHECK(Dispatch(other, effSetChunk, 1, -1, expected.bytes, 0.0f) == 0);
  CHECK(Dispatch(other, effSetChunk, 0, (intptr_t)1 << 40, expected.bytes, 0.0f) == 0);
  CHECK(Dispatch(other, effSetChunk, 1, 152, NULL, 0.0f) == 0);
  CHECK(other->getParameter(other, 0) == 0.7f);

  Dispatch(effect, effClose, 0, 0, NULL, 0.0f);
  Dispatch(other, effClose, 0, 0, NULL, 0.0f);
}

/* ---- two threads at once ------------------------------------------------------ */

/* The stress instance's own callback: the two threads share no log. */
static intptr_t __cdecl QuietHostCallback(PlugEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                          void* ptr, float opt)
{
  (void)effect, (void)index, (void)value, (void)ptr, (void)opt;
  return opcode == audioMasterVersion ? 2400 : 0;
}

typedef struct
{
  PlugEffect* effect;
  volatile LONG stop;
  int blocks;
  int finite;
} AudioThread;

static DWORD WINAPI RunAudio(void* argument)
{
  AudioThread* audio = (AudioThread*)argument;
  static float in[2][kFrames], out[2][kFrames];
  float* ins[2] = {in[0], in[1]};
  float* outs[2] = {out[0], out[1]};
  int c, f;
  audio->finite = 1;
  while (!InterlockedCompareExchange(&audio->stop, 0, 0) || audio->blocks < 200)
  {
    MakeTestSignal(in[0], 2 * kFrames, (unsigned)audio->blocks);
    audio->effect->processReplacing(audio->effect, ins, outs, kFrames);
    for (c = 0; c < 2; ++c)
      for (f = 0; f < kFrames; ++f)
        audio->finite &= isfinite(out[c][f]) != 0;
    ++audio->blocks;
  }
  return 0;
}

/* An audio thread in processReplacing against this thread's chunks, both
 * kinds, parameters, programs and texts: no crash, no deadlock, finite
 * output, and every chunk read right after a write is what was written. */
static void StressRun(EntryFn entry)
{
  enum
  {
    kRounds = 2000
  };
  AudioThread audio;
  HANDLE thread;
  ChunkBytes written, read;
  char text[64];
  int round, readBack = 1, stored = 1;
  PlugEffect* effect = entry(QuietHostCallback);
  CHECK(effect != NULL);
  if (!effect)
    return;
  Dispatch(effect, effOpen, 0, 0, NULL, 0.0f);
  Dispatch(effect, effSetSampleRate, 0, 0, NULL, 44100.0f);
  Dispatch(effect, effSetBlockSize, 0, kFrames, NULL, 0.0f);
  Dispatch(effect, effMainsChanged, 0, 1, NULL, 0.0f);
  memset(&audio, 0, sizeof audio);
  audio.effect = effect;
  thread = CreateThread(NULL, 0, RunAudio, &audio, 0, NULL);
  CHECK(thread != NULL);
  if (!thread)
    return;

  for (round = 0; round < kRounds; ++round)
  {
    int32_t kind = round % 2;
    int stateAt;
    /* A chunk of this kind with "Effect Amount" at round % 101. */
    GetChunk(effect, kind, &written);
    stateAt = kind ? 8 : 8 + 4 + (written.bytes[8] | written.bytes[9] << 8) + 1;
    written.size = stateAt;
    PutDouble(&written, (double)(round % 101));
    written.size = kind ? 152 : stateAt + 144;
    stored &= SetChunk(effect, kind, &written) == 1;
    GetChunk(effect, kind, &read);
    readBack &= SameChunk(&read, &written);

    effect->setParameter(effect, 1 + round % 17, (float)(round % 7) / 6.0f);
    effect->getParameter(effect, round % 18);
    Dispatch(effect, effSetProgram, 0, 0, NULL, 0.0f);
    Dispatch(effect, effString2Parameter, 10 + round % 8, 0, round % 3 ? "on" : "off", 0.0f);
    Dispatch(effect, effGetParamDisplay, round % 18, 0, text, 0.0f);
  }
  InterlockedExchange(&audio.stop, 1);
  if (WaitForSingleObject(thread, 60000) != WAIT_OBJECT_0)
  {
    printf("FAILED: the audio thread did not finish (deadlock?)\n");
    ExitProcess(3);
  }
  CloseHandle(thread);
  CHECK(stored);
  CHECK(readBack);
  CHECK(audio.finite);
  CHECK(audio.blocks >= 200);
  printf("stress: %d rounds against %d audio blocks\n", kRounds, audio.blocks);
  Dispatch(effect, effMainsChanged, 0, 0, NULL, 0.0f);
  Dispatch(effect, effClose, 0, 0, NULL, 0.0f);
}

static int RunOnce(const char* path, int round)
{
  HMODULE module = LoadLibraryA(path);
  EntryFn entry;
  PlugEffect* effect;
  CHECK(module != NULL);
  if (!module)
    return 1;
  entry = Entry(module, "VSTPluginMain");
  CHECK(entry != NULL);
  if (!entry)
    return 1;
  CheckEntries(module);

  ClearLog();
  effect = OpenInstance(entry, 44100.0, 512);
  if (effect)
  {
    CheckRecord(effect);
    CheckNumbers(effect);
    CheckTexts(effect);
    CheckCanDo(effect);
    CheckVendorSpecific(effect);
    CheckParameters(effect);
    CheckChannels(effect);
    CheckEvents(effect);
    CHECK(Dispatch(effect, effClose, 0, 0, NULL, 0.0f) == 0);
  }
  CheckProcessing(entry);
  CheckEditor(entry);
  CheckChunks(entry);
  StressRun(entry);
  CHECK(FreeLibrary(module));
  printf("round %d done\n", round);
  return 0;
}

/* ---- render ------------------------------------------------------------------ */

enum
{
  kRenderDouble = 1,
  kRenderAccumulate = 2,
  kRenderInPlace = 4
};

/* Processes a whole file through the module, in blocks, as a host would. */
static int Render(const char* path, const char* inPath, const char* outPath, int block, int mode)
{
  WavAudio in, out;
  char error[128];
  HMODULE module;
  EntryFn entry;
  PlugEffect* effect;
  void *ins[2], *outs[2];
  size_t sampleBytes = mode & kRenderDouble ? sizeof(double) : sizeof(float);
  long start;
  int c;

  if (WavRead(inPath, &in, error))
  {
    fprintf(stderr, "vst2host: %s\n", error);
    return 1;
  }
  module = LoadLibraryA(path);
  entry = module ? Entry(module, "VSTPluginMain") : NULL;
  effect = entry ? entry(HostCallback) : NULL;
  if (!effect)
  {
    fprintf(stderr, "vst2host: cannot create an instance from %s\n", path);
    return 1;
  }
  gScript.processLevel = 4; /* offline */
  Dispatch(effect, effOpen, 0, 0, NULL, 0.0f);
  Dispatch(effect, effSetSampleRate, 0, 0, NULL, (float)in.sampleRate);
  Dispatch(effect, effSetBlockSize, 0, block, NULL, 0.0f);
  if (in.channels == 1)
  {
    SpeakerArrangementRecord mono;
    memset(&mono, 0, sizeof mono);
    mono.numChannels = 1;
    Dispatch(effect, effSetSpeakerArrangement, 0, (intptr_t)&mono, &mono, 0.0f);
  }
  Dispatch(effect, effMainsChanged, 0, 1, NULL, 0.0f);

  out = in;
  out.samples = (float*)calloc((size_t)(in.frames * in.channels + 1), sizeof(float));
  for (c = 0; c < 2; ++c)
  {
    ins[c] = calloc((size_t)block, sampleBytes);
    outs[c] = mode & kRenderInPlace ? ins[c] : calloc((size_t)block, sampleBytes);
  }
  for (start = 0; start < in.frames; start += block)
  {
    int frames = (int)(in.frames - start < block ? in.frames - start : block), f;
    for (c = 0; c < in.channels; ++c)
      for (f = 0; f < frames; ++f)
      {
        float sample = in.samples[(start + f) * in.channels + c];
        if (mode & kRenderDouble)
          ((double*)ins[c])[f] = sample;
        else
          ((float*)ins[c])[f] = sample;
      }
    if (mode & kRenderDouble)
      effect->processDoubleReplacing(effect, (double**)ins, (double**)outs, frames);
    else if (mode & kRenderAccumulate)
    {
      for (c = 0; c < 2; ++c)
        memset(outs[c], 0, (size_t)block * sampleBytes);
      effect->process(effect, (float**)ins, (float**)outs, frames);
    }
    else
      effect->processReplacing(effect, (float**)ins, (float**)outs, frames);
    for (c = 0; c < in.channels; ++c)
      for (f = 0; f < frames; ++f)
        out.samples[(start + f) * in.channels + c] =
            mode & kRenderDouble ? (float)((double*)outs[c])[f] : ((float*)outs[c])[f];
  }
  Dispatch(effect, effMainsChanged, 0, 0, NULL, 0.0f);
  Dispatch(effect, effClose, 0, 0, NULL, 0.0f);
  FreeLibrary(module);
  if (WavWrite(outPath, &out))
  {
    fprintf(stderr, "vst2host: cannot write %s\n", outPath);
    return 1;
  }
  fprintf(stderr, "vst2host: rendered %ld frames in blocks of %d (%s%s)\n", in.frames, block,
          mode & kRenderDouble ? "processDoubleReplacing" : mode & kRenderAccumulate ? "process" : "processReplacing",
          mode & kRenderInPlace ? ", in place" : "");
  return 0;
}

static int Run(int argc, char** argv)
{
  if (argc >= 2 && strcmp(argv[1], "--render") == 0)
  {
    int block = 512, mode = 0, i = 2;
    for (; i < argc && argv[i][0] == '-'; ++i)
    {
      if (strcmp(argv[i], "--block") == 0 && i + 1 < argc)
        block = atoi(argv[++i]);
      else if (strcmp(argv[i], "--double") == 0)
        mode |= kRenderDouble;
      else if (strcmp(argv[i], "--accumulate") == 0)
        mode |= kRenderAccumulate;
      else if (strcmp(argv[i], "--in-place") == 0)
        mode |= kRenderInPlace;
      else
        break;
    }
    /* process has no 64-bit form, and adds to outputs that are not the inputs. */
    if (argc - i != 3 || block < 1 || ((mode & kRenderAccumulate) && (mode & (kRenderDouble | kRenderInPlace))))
    {
      fprintf(stderr, "usage: vst2host --render [--block N] [--double] [--accumulate] [--in-place] "
                      "MODULE.dll IN.wav OUT.wav\n");
      return 2;
    }
    return Render(argv[i], argv[i + 1], argv[i + 2], block, mode);
  }
  if (argc != 2)
  {
    fprintf(stderr, "usage: vst2host MODULE.dll\n");
    return 2;
  }
  RunOnce(argv[1], 1);
  RunOnce(argv[1], 2); /* load again after unloading */
  return ReportChecks();
}

int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); }
