/* A VST3 test host: loads a module with LoadLibrary and drives it only
 * through its exports and interfaces. It is written apart from the module's
 * own interface headers, with its own vtables, identifiers and records, so
 * that a wrong slot, identifier, layout or calling convention in the module
 * shows up here as a failure instead of cancelling out.
 *
 * usage: vst3host MODULE.vst3   (prints "N passed, M failed")
 *        vst3host --render [--block N] [--double] MODULE.vst3 IN.wav OUT.wav
 *        (processes a WAV file through the module, writes 32-bit float)
 *        vst3host --screenshot MODULE.vst3 SPEECH.wav OUT.png
 *        (the editor after the start of the speech, as a PNG image) */

#include <windows.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "TestEnd.h"
#include "vst3host.h"
#include "wav.h"

/* ---- the host's own objects ---------------------------------------------- */

/* The host's objects live as long as the host: their reference counts are
 * not kept, and a query answers FUnknown and the object's own interface. */
static uint32_t STDCALL StaticAddRef(void* self) { (void)self; return 2; }
static uint32_t STDCALL StaticRelease(void* self) { (void)self; return 1; }
static int32_t AnswerQuery(void* self, const char* iid, const char* ownIID, void** obj)
{
  if (memcmp(iid, kFUnknownIID, 16) == 0 || memcmp(iid, ownIID, 16) == 0)
  {
    *obj = self;
    return kResultOk;
  }
  *obj = NULL;
  return kNoInterface;
}

static int32_t STDCALL HostQuery(void* self, const char* iid, void** obj)
{
  return AnswerQuery(self, iid, kIHostApplicationIID, obj);
}
static int32_t STDCALL HostGetName(void* self, uint16_t* name)
{
  const char* text = "VST3PluginTestHost";
  int i;
  (void)self;
  for (i = 0; text[i]; ++i)
    name[i] = (uint16_t)text[i];
  name[i] = 0;
  return kResultOk;
}
static int32_t STDCALL HostCreateInstance(void* self, char* cid, char* iid, void** obj)
{
  (void)self; (void)cid; (void)iid;
  *obj = NULL;
  return kNoInterface;
}
static const IHostApplicationVtbl kHostVtbl = {HostQuery, StaticAddRef, StaticRelease, HostGetName,
                                               HostCreateInstance};
HostObject gHost = {&kHostVtbl};

/* A stream over memory. */
static int32_t STDCALL StreamQuery(void* self, const char* iid, void** obj)
{
  return AnswerQuery(self, iid, kIBStreamIID, obj);
}
static int32_t STDCALL StreamRead(void* self, void* buffer, int32_t count, int32_t* got)
{
  MemoryStream* s = (MemoryStream*)self;
  int32_t n = count;
  if (n > s->size - s->position)
    n = s->size - s->position;
  if (n < 0)
    n = 0;
  memcpy(buffer, s->bytes + s->position, (size_t)n);
  s->position += n;
  if (got)
    *got = n;
  return kResultOk;
}
static int32_t STDCALL StreamWrite(void* self, void* buffer, int32_t count, int32_t* written)
{
  MemoryStream* s = (MemoryStream*)self;
  int32_t n = count;
  if (n > s->capacity - s->position)
    n = s->capacity - s->position;
  memcpy(s->bytes + s->position, buffer, (size_t)n);
  s->position += n;
  if (s->position > s->size)
    s->size = s->position;
  if (written)
    *written = n;
  return kResultOk;
}
static int32_t STDCALL StreamSeek(void* self, int64_t pos, int32_t mode, int64_t* result)
{
  MemoryStream* s = (MemoryStream*)self;
  if (mode == 0)
    s->position = (int32_t)pos;
  else if (mode == 1)
    s->position += (int32_t)pos;
  else
    s->position = s->size + (int32_t)pos;
  if (result)
    *result = s->position;
  return kResultOk;
}
static int32_t STDCALL StreamTell(void* self, int64_t* pos)
{
  *pos = ((MemoryStream*)self)->position;
  return kResultOk;
}
static const IBStreamVtbl kStreamVtbl = {StreamQuery, StaticAddRef, StaticRelease, StreamRead,
                                         StreamWrite, StreamSeek, StreamTell};

void InitStream(MemoryStream* s, int32_t capacity)
{
  memset(s, 0, sizeof *s);
  s->vtbl = &kStreamVtbl;
  s->capacity = capacity < (int32_t)sizeof s->bytes ? capacity : (int32_t)sizeof s->bytes;
}

/* Parameter changes: one queue per parameter, the points in order. */
static int32_t STDCALL QueueQuery(void* self, const char* iid, void** obj)
{
  return AnswerQuery(self, iid, kIParamValueQueueIID, obj);
}
static int32_t STDCALL ChangesQuery(void* self, const char* iid, void** obj)
{
  return AnswerQuery(self, iid, kIParameterChangesIID, obj);
}
static uint32_t STDCALL QueueId(void* self) { return ((ValueQueue*)self)->id; }
static int32_t STDCALL QueuePointCount(void* self) { return ((ValueQueue*)self)->count; }
static int32_t STDCALL QueuePoint(void* self, int32_t index, int32_t* offset, double* value)
{
  ValueQueue* q = (ValueQueue*)self;
  if (index < 0 || index >= q->count)
    return kResultFalse;
  *offset = index;
  *value = q->points[index];
  return kResultOk;
}
static int32_t STDCALL QueueAddPoint(void* self, int32_t offset, double value, int32_t* index)
{
  (void)self; (void)offset; (void)value; (void)index;
  return kResultFalse;
}
static const ParamValueQueueVtbl kQueueVtbl = {QueueQuery, StaticAddRef, StaticRelease, QueueId,
                                               QueuePointCount, QueuePoint, QueueAddPoint};
static int32_t STDCALL ChangesCount(void* self) { return ((ParameterChanges*)self)->count; }
static void* STDCALL ChangesData(void* self, int32_t index)
{
  ParameterChanges* c = (ParameterChanges*)self;
  return index >= 0 && index < c->count ? &c->queues[index] : NULL;
}
static void* STDCALL ChangesAdd(void* self, const uint32_t* id, int32_t* index)
{
  (void)self; (void)id; (void)index;
  return NULL;
}
static const ParameterChangesVtbl kChangesVtbl = {ChangesQuery, StaticAddRef, StaticRelease, ChangesCount,
                                                  ChangesData, ChangesAdd};

void InitChanges(ParameterChanges* changes)
{
  memset(changes, 0, sizeof *changes);
  changes->vtbl = &kChangesVtbl;
}

void AddChange(ParameterChanges* changes, uint32_t id, double value)
{
  int32_t i;
  for (i = 0; i < changes->count; ++i)
    if (changes->queues[i].id == id)
      break;
  if (i == changes->count)
  {
    if (changes->count == 4)
      return;
    ++changes->count;
    changes->queues[i].vtbl = &kQueueVtbl;
    changes->queues[i].id = id;
    changes->queues[i].count = 0;
  }
  if (changes->queues[i].count < 4)
    changes->queues[i].points[changes->queues[i].count++] = value;
}

/* ---- checks ---------------------------------------------------------------- */

static int Utf16Equals(const uint16_t* text, const char* expected)
{
  int i;
  for (i = 0; expected[i]; ++i)
    if (text[i] != (uint16_t)(unsigned char)expected[i])
      return 0;
  return text[i] == 0;
}

void* Query(void* object, const char* iid)
{
  void* face = NULL;
  FUnknownObject* unknown = (FUnknownObject*)object;
  if (unknown->vtbl->queryInterface(object, iid, &face) != kResultOk)
    return NULL;
  return face;
}

void Release(void* object)
{
  if (object)
    ((FUnknownObject*)object)->vtbl->release(object);
}

static const unsigned char kPlugClassId[16] = {0x0D, 0xE7, 0xAE, 0xF2, 0xDE, 0x00, 0x4E, 0x4F,
                                               'Z',  'v',  'l',  'r',  'Z',  'v',  'L',  'P'};

PluginFactory3Object* LoadFactory(const char* path)
{
  HMODULE module = LoadLibraryA(path);
  GetPluginFactoryFn getFactory =
      module ? (GetPluginFactoryFn)(void (*)(void))GetProcAddress(module, "GetPluginFactory") : NULL;
  FUnknownObject* unknown = getFactory ? getFactory() : NULL;
  PluginFactory3Object* factory = unknown ? (PluginFactory3Object*)Query(unknown, kIPluginFactory3IID) : NULL;
  Release(unknown);
  return factory;
}

ComponentObject* CreateComponent(PluginFactory3Object* factory)
{
  ComponentObject* component = NULL;
  if (factory->vtbl->createInstance(factory, (const char*)kPlugClassId, kIComponentIID, (void**)&component) !=
      kResultOk)
    return NULL;
  return component;
}

static void CheckFactory(PluginFactory3Object* factory)
{
  PFactoryInfo info;
  PClassInfo2 classInfo;
  PClassInfoW wide;
  memset(&info, 0x55, sizeof info);
  CHECK(factory->vtbl->getFactoryInfo(factory, &info) == kResultOk);
  CHECK(strcmp(info.vendor, "Zelvar") == 0);
  CHECK(info.flags == 16);
  CHECK(factory->vtbl->countClasses(factory) == 1);
  memset(&classInfo, 0x55, sizeof classInfo);
  CHECK(factory->vtbl->getClassInfo2(factory, 0, &classInfo) == kResultOk);
  CHECK(memcmp(classInfo.cid, kPlugClassId, 16) == 0);
  CHECK(classInfo.cardinality == 0x7FFFFFFF);
  CHECK(strcmp(classInfo.category, "Audio Module Class") == 0);
  CHECK(strcmp(classInfo.name, "ZelvarLispera") == 0);
  CHECK(classInfo.classFlags == 2);
  CHECK(strcmp(classInfo.subCategories, "Fx|Dynamics") == 0);
  CHECK(classInfo.vendor[0] == 0 && classInfo.vendor[63] == 0);
  CHECK(strcmp(classInfo.version, "1.3.1") == 0);
  CHECK(strcmp(classInfo.sdkVersion, "VST 3.5.2") == 0);
  CHECK(classInfo.name[63] == 0 && classInfo.sdkVersion[63] == 0);  /* padded with zeros */
  CHECK(factory->vtbl->getClassInfo2(factory, 1, &classInfo) != kResultOk);
  CHECK(factory->vtbl->getClassInfoUnicode(factory, 0, &wide) == kResultOk);
  CHECK(Utf16Equals(wide.name, "ZelvarLispera") && Utf16Equals(wide.version, "1.3.1"));
}

static void CheckFaces(void* component)
{
  static const char* const faces[] = {kIComponentIID, kIAudioProcessorIID, kIEditControllerIID,
                                      kIEditController2IID, kIConnectionPointIID, kIUnitInfoIID,
                                      kIMidiMappingIID, kIPluginBaseIID};
  void* identity = Query(component, kFUnknownIID);
  size_t i;
  CHECK(identity != NULL);
  for (i = 0; i < sizeof faces / sizeof faces[0]; ++i)
  {
    void* face = Query(component, faces[i]);
    void* again;
    CHECK(face != NULL);
    if (!face)
      continue;
    again = Query(face, kFUnknownIID);
    CHECK(again == identity);  /* one FUnknown behind every face */
    Release(again);
    Release(face);
  }
  CHECK(Query(component, kIPluginFactoryIID) == NULL);
  Release(identity);
}

static void CheckBusesAndParameters(ComponentObject* component, EditControllerObject* controller)
{
  BusInfo bus;
  ParameterInfo param;
  int32_t count, i;
  static const uint32_t expectedIds[] = {0x70727374, 0x62706173, 0, 1, 10, 11, 12, 13, 14, 15, 16, 17};

  CHECK(component->vtbl->getBusCount(component, 0, 0) == 1);
  CHECK(component->vtbl->getBusCount(component, 0, 1) == 1);
  CHECK(component->vtbl->getBusCount(component, 1, 0) == 0);
  CHECK(component->vtbl->getBusInfo(component, 0, 0, 0, &bus) == kResultOk);
  CHECK(bus.channelCount == 2 && Utf16Equals(bus.name, "Main Input") && bus.busType == 0 && bus.flags == 1);
  CHECK(component->vtbl->getBusInfo(component, 0, 1, 0, &bus) == kResultOk);
  CHECK(bus.channelCount == 2 && Utf16Equals(bus.name, "Output"));

  count = controller->vtbl->getParameterCount(controller);
  CHECK(count == 12);
  for (i = 0; i < count && i < 12; ++i)
  {
    memset(&param, 0, sizeof param);
    CHECK(controller->vtbl->getParameterInfo(controller, i, &param) == kResultOk);
    CHECK(param.id == expectedIds[i]);
    CHECK(param.unitId == 0);
  }
  controller->vtbl->getParameterInfo(controller, 0, &param);
  CHECK(Utf16Equals(param.title, "Preset") && param.stepCount == 1 && param.flags == 0x8000);
  controller->vtbl->getParameterInfo(controller, 1, &param);
  CHECK(Utf16Equals(param.title, "Bypass") && param.stepCount == 1 && param.flags == 0x10009);
  controller->vtbl->getParameterInfo(controller, 2, &param);
  CHECK(Utf16Equals(param.title, "Effect Amount") && Utf16Equals(param.units, "%") && param.stepCount == 0 &&
        param.defaultNormalizedValue == 0.5 && param.flags == 1);
  controller->vtbl->getParameterInfo(controller, 4, &param);
  CHECK(Utf16Equals(param.title, "4K on/off") && param.stepCount == 1 && param.flags == 9 && param.units[0] == 0);
}

static void CheckProcessingSetUp(AudioProcessorObject* processor, ComponentObject* component)
{
  uint64_t mono = 0x80000, stereo = 0x3;
  uint64_t two[2] = {0x3, 0x3};
  ProcessSetup setup;
  BusInfo bus;

  CHECK(processor->vtbl->canProcessSampleSize(processor, 0) == kResultOk);
  CHECK(processor->vtbl->canProcessSampleSize(processor, 1) == kResultOk);
  CHECK(processor->vtbl->canProcessSampleSize(processor, 2) == kResultFalse);
  CHECK(processor->vtbl->getLatencySamples(processor) == 0);
  CHECK(processor->vtbl->getTailSamples(processor) == 0);

  CHECK(processor->vtbl->setBusArrangements(processor, &mono, 1, &mono, 1) == kResultOk);
  component->vtbl->getBusInfo(component, 0, 0, 0, &bus);
  CHECK(bus.channelCount == 1 && Utf16Equals(bus.name, "Input"));
  CHECK(processor->vtbl->setBusArrangements(processor, two, 2, &stereo, 1) == kResultFalse);
  CHECK(processor->vtbl->setBusArrangements(processor, &stereo, 0, &stereo, 1) == kResultFalse);
  CHECK(processor->vtbl->setBusArrangements(processor, NULL, 0, NULL, 0) == kResultFalse);
  component->vtbl->getBusInfo(component, 0, 0, 0, &bus);
  CHECK(bus.channelCount == 1);  /* a refused arrangement rebuilds nothing */
  CHECK(processor->vtbl->setBusArrangements(processor, &stereo, 1, &stereo, 1) == kResultOk);
  component->vtbl->getBusInfo(component, 0, 1, 0, &bus);
  CHECK(bus.channelCount == 2);

  setup.processMode = 0;
  setup.symbolicSampleSize = 0;
  setup.maxSamplesPerBlock = 512;
  setup.sampleRate = 44100.0;
  CHECK(processor->vtbl->setupProcessing(processor, &setup) == kResultOk);
  setup.sampleRate = 0.0;
  CHECK(processor->vtbl->setupProcessing(processor, &setup) == kResultFalse);
  setup.sampleRate = 48000.0;
  setup.maxSamplesPerBlock = 0;
  CHECK(processor->vtbl->setupProcessing(processor, &setup) == kResultFalse);
  setup.maxSamplesPerBlock = 256;
  setup.symbolicSampleSize = 2;
  CHECK(processor->vtbl->setupProcessing(processor, &setup) == kResultFalse);
  CHECK(component->vtbl->setActive(component, 1) == kResultOk);
  CHECK(component->vtbl->setActive(component, 0) == kResultOk);
}

static double ReadDouble(const unsigned char* bytes)
{
  double v;
  memcpy(&v, bytes, 8);
  return v;
}

static void CheckState(ComponentObject* component, EditControllerObject* controller)
{
  MemoryStream viaController, viaComponent;
  InitStream(&viaController, 4096);
  InitStream(&viaComponent, 4096);
  CHECK(controller->vtbl->getState(controller, &viaController) == kResultOk);
  CHECK(component->vtbl->getState(component, &viaComponent) == kResultOk);
  CHECK(viaController.size == 148 && viaComponent.size == 148);
  CHECK(memcmp(viaController.bytes, viaComponent.bytes, 148) == 0);
  CHECK(ReadDouble(viaController.bytes) == 50.0 && ReadDouble(viaController.bytes + 8) == 100.0);
  CHECK(ReadDouble(viaController.bytes + 88) == 1.0);
  CHECK(viaController.bytes[144] == 0);

  /* Restore through the component face: bypass on, Effect Amount 20. */
  {
    MemoryStream in;
    double twenty = 20.0;
    InitStream(&in, 4096);
    memcpy(in.bytes, viaController.bytes, 148);
    memcpy(in.bytes, &twenty, 8);
    in.bytes[144] = 1;
    in.size = 148;
    CHECK(component->vtbl->setState(component, &in) == kResultOk);
    CHECK(controller->vtbl->getParamNormalized(controller, 0) == 0.2);
    CHECK(controller->vtbl->getParamNormalized(controller, 0x62706173) == 1.0);
  }
}

enum
{
  kFrames = 256
};

/* One stereo block, 32-bit or 64-bit, out of place. */
static void ProcessBlock(AudioProcessorObject* processor, int sampleSize, const double* in, double* out,
                         ParameterChanges* changes)
{
  static float in32[2][kFrames], out32[2][kFrames];
  static double in64[2][kFrames], out64[2][kFrames];
  void* ins[2];
  void* outs[2];
  AudioBusBuffers input, output;
  ProcessData data;
  int c, f;
  for (c = 0; c < 2; ++c)
    for (f = 0; f < kFrames; ++f)
    {
      in32[c][f] = (float)in[c * kFrames + f];
      in64[c][f] = in[c * kFrames + f];
    }
  for (c = 0; c < 2; ++c)
  {
    ins[c] = sampleSize ? (void*)in64[c] : (void*)in32[c];
    outs[c] = sampleSize ? (void*)out64[c] : (void*)out32[c];
  }
  memset(&input, 0, sizeof input);
  memset(&output, 0, sizeof output);
  memset(&data, 0, sizeof data);
  input.numChannels = output.numChannels = 2;
  input.channelBuffers = ins;
  output.channelBuffers = outs;
  data.symbolicSampleSize = sampleSize;
  data.numSamples = kFrames;
  data.numInputs = data.numOutputs = 1;
  data.inputs = &input;
  data.outputs = &output;
  data.inputParameterChanges = changes;
  CHECK(processor->vtbl->process(processor, &data) == kResultOk);
  for (c = 0; c < 2; ++c)
    for (f = 0; f < kFrames; ++f)
      out[c * kFrames + f] = sampleSize ? out64[c][f] : (double)out32[c][f];
}

/* A test signal whose samples are floats exactly: voice and bursts of hiss. */
static void MakeSignal(double* samples, unsigned seed)
{
  int i;
  for (i = 0; i < 2 * kFrames; ++i)
    samples[i] = TestSignalSample(&seed, i);
}

static int SameSamples(const double* a, const double* b) { return memcmp(a, b, 2 * kFrames * sizeof(double)) == 0; }

static void CheckProcessing(AudioProcessorObject* processor, ComponentObject* component,
                            EditControllerObject* controller)
{
  static double in[2 * kFrames], out[2 * kFrames], silence[2 * kFrames];
  ParameterChanges changes;
  ProcessSetup setup;
  int sampleSize, i, changed;
  MakeSignal(in, 7);
  for (sampleSize = 0; sampleSize < 2; ++sampleSize)
  {
    setup.processMode = 0;
    setup.symbolicSampleSize = sampleSize;
    setup.maxSamplesPerBlock = kFrames;
    setup.sampleRate = 44100.0;
    CHECK(processor->vtbl->setupProcessing(processor, &setup) == kResultOk);
    CHECK(component->vtbl->setActive(component, 1) == kResultOk);

    /* Bypass (last point counts) and DryWet 0 give the input back exactly. */
    InitChanges(&changes);
    AddChange(&changes, 0x62706173, 0.1);
    AddChange(&changes, 0x62706173, 0.9);
    ProcessBlock(processor, sampleSize, in, out, &changes);
    CHECK(SameSamples(in, out));
    CHECK(controller->vtbl->getParamNormalized(controller, 0x62706173) == 1.0);
    InitChanges(&changes);
    AddChange(&changes, 0x62706173, 0.0);
    AddChange(&changes, 1, 0.0);
    ProcessBlock(processor, sampleSize, in, out, &changes);
    CHECK(SameSamples(in, out));
    CHECK(controller->vtbl->getParamNormalized(controller, 1) == 0.0);

    /* Silence gives silence; the effect changes a loud signal. */
    InitChanges(&changes);
    AddChange(&changes, 1, 1.0);
    ProcessBlock(processor, sampleSize, silence, out, &changes);
    CHECK(SameSamples(silence, out));
    for (i = 0; i < 20; ++i)
      ProcessBlock(processor, sampleSize, in, out, NULL);
    changed = 0;
    for (i = 0; i < 2 * kFrames; ++i)
      changed += out[i] != in[i];
    CHECK(changed > 0);
    CHECK(component->vtbl->setActive(component, 0) == kResultOk);
  }
}

/* A new set-up (hosts make one on every change of rate or block size) keeps
 * the bypass a queue point set: heard, shown and saved; a point 0 then
 * processes again. */
static void CheckBypassOutlivesASetUp(AudioProcessorObject* processor, ComponentObject* component,
                                      EditControllerObject* controller)
{
  static double in[2 * kFrames], out[2 * kFrames];
  static const unsigned char bypassed[4] = {1, 0, 0, 0};
  ParameterChanges changes;
  ProcessSetup setup;
  MemoryStream saved;
  int i, changed = 0;
  MakeSignal(in, 11);
  setup.processMode = 0;
  setup.symbolicSampleSize = 0;
  setup.maxSamplesPerBlock = kFrames;
  setup.sampleRate = 48000.0;
  CHECK(processor->vtbl->setupProcessing(processor, &setup) == kResultOk);
  CHECK(component->vtbl->setActive(component, 1) == kResultOk);
  InitChanges(&changes);
  AddChange(&changes, 0x62706173, 1.0);
  ProcessBlock(processor, 0, in, out, &changes);
  CHECK(SameSamples(in, out));

  CHECK(component->vtbl->setActive(component, 0) == kResultOk);
  setup.sampleRate = 44100.0;
  CHECK(processor->vtbl->setupProcessing(processor, &setup) == kResultOk);
  CHECK(component->vtbl->setActive(component, 1) == kResultOk);
  for (i = 0; i < 3; ++i)
  {
    ProcessBlock(processor, 0, in, out, NULL);
    CHECK(SameSamples(in, out));
  }
  CHECK(controller->vtbl->getParamNormalized(controller, 0x62706173) == 1.0);
  InitStream(&saved, 4096);
  CHECK(controller->vtbl->getState(controller, &saved) == kResultOk);
  CHECK(saved.size == 148 && memcmp(saved.bytes + 144, bypassed, 4) == 0);

  InitChanges(&changes);
  AddChange(&changes, 0x62706173, 0.0);
  ProcessBlock(processor, 0, in, out, &changes);
  for (i = 0; i < 20; ++i)
    ProcessBlock(processor, 0, in, out, NULL);
  for (i = 0; i < 2 * kFrames; ++i)
    changed += out[i] != in[i];
  CHECK(changed > 0);
  CHECK(controller->vtbl->getParamNormalized(controller, 0x62706173) == 0.0);
  CHECK(component->vtbl->setActive(component, 0) == kResultOk);
}

/* Every parameter round-trips through the state of another instance. */
static void CheckStateRoundTrip(PluginFactory3Object* factory, EditControllerObject* controller)
{
  static const uint32_t ids[] = {0, 1, 10, 11, 12, 13, 14, 15, 16, 17};
  static const double values[] = {0.33, 0.71, 1.0, 0.0, 1.0, 0.0, 1.0, 0.0, 1.0, 1.0};
  MemoryStream saved, again;
  ComponentObject* other;
  size_t i;
  for (i = 0; i < sizeof ids / sizeof ids[0]; ++i)
    controller->vtbl->setParamNormalized(controller, ids[i], values[i]);
  InitStream(&saved, 4096);
  CHECK(controller->vtbl->getState(controller, &saved) == kResultOk);
  other = CreateComponent(factory);
  CHECK(other != NULL);
  if (!other)
    return;
  CHECK(other->vtbl->initialize(other, &gHost) == kResultOk);
  saved.position = 0;
  CHECK(other->vtbl->setState(other, &saved) == kResultOk);
  InitStream(&again, 4096);
  CHECK(other->vtbl->getState(other, &again) == kResultOk);
  CHECK(again.size == 148 && memcmp(again.bytes, saved.bytes, 148) == 0);

  /* A short stream restores what arrived and reports the failure. */
  saved.position = 0;
  saved.size = 100;
  CHECK(other->vtbl->setState(other, &saved) == kResultFalse);
  other->vtbl->terminate(other);
  CHECK(other->vtbl->release(other) == 0);
}

/* ---- stress: an audio thread against state and parameter calls ------------ */

static void AudioBlock(StressAudio* audio, unsigned seed)
{
  static double in[2 * kFrames], out[2 * kFrames];
  int i;
  MakeSignal(in, seed);
  ProcessBlock((AudioProcessorObject*)audio->context, 0, in, out, NULL);
  for (i = 0; i < 2 * kFrames; ++i)
    if (!(out[i] == out[i]) || out[i] > 1e30 || out[i] < -1e30)
      InterlockedIncrement(&audio->nonFinite);
}

static void CheckStress(AudioProcessorObject* processor, ComponentObject* component,
                        EditControllerObject* controller)
{
  enum
  {
    kStates = 4,
    kRounds = 300
  };
  static MemoryStream states[kStates];
  StressAudio audio;
  ProcessSetup setup;
  int k, mismatches = 0;

  /* Four distinct states, made through the controller. */
  for (k = 0; k < kStates; ++k)
  {
    controller->vtbl->setParamNormalized(controller, 0, 0.2 * k + 0.1);
    controller->vtbl->setParamNormalized(controller, 1, 1.0 - 0.25 * k);
    controller->vtbl->setParamNormalized(controller, 11, k & 1);
    InitStream(&states[k], 4096);
    CHECK(controller->vtbl->getState(controller, &states[k]) == kResultOk);
  }
  setup.processMode = 0;
  setup.symbolicSampleSize = 0;
  setup.maxSamplesPerBlock = kFrames;
  setup.sampleRate = 48000.0;
  CHECK(processor->vtbl->setupProcessing(processor, &setup) == kResultOk);
  component->vtbl->setActive(component, 1);

  StartStressAudio(&audio, AudioBlock, processor);
  for (k = 0; StressRoundDue(&audio, k, kRounds); ++k)
  {
    MemoryStream* written = &states[k % kStates];
    MemoryStream readBack;
    written->position = 0;
    if (controller->vtbl->setState(controller, written) != kResultOk)
      ++mismatches;
    StressInterleave(&audio, (unsigned)k);
    InitStream(&readBack, 4096);
    if (component->vtbl->getState(component, &readBack) != kResultOk || readBack.size != written->size ||
        memcmp(readBack.bytes, written->bytes, (size_t)written->size) != 0)
      ++mismatches;
    controller->vtbl->getParamNormalized(controller, (uint32_t)(k % 18));
  }
  StopStressAudio(&audio);
  CHECK(mismatches == 0);
  CheckStressAudio(&audio);
  component->vtbl->setActive(component, 0);
  printf("stress: %d state rounds against %ld audio blocks (%s)\n", k, (long)audio.blocks,
         StressMode(&audio));
}

static int RunOnce(const char* path, int round)
{
  HMODULE module = LoadLibraryA(path);
  InitDllFn initDll;
  ExitDllFn exitDll;
  GetPluginFactoryFn getFactory;
  FUnknownObject* factoryUnknown;
  PluginFactory3Object* factory;
  ComponentObject* component = NULL;
  unsigned char wrongCid[16];
  void* nothing = (void*)1;

  CHECK(module != NULL);
  if (!module)
    return 1;
  initDll = (InitDllFn)(void (*)(void))GetProcAddress(module, "InitDll");
  exitDll = (ExitDllFn)(void (*)(void))GetProcAddress(module, "ExitDll");
  getFactory = (GetPluginFactoryFn)(void (*)(void))GetProcAddress(module, "GetPluginFactory");
  CHECK(initDll && exitDll && getFactory);
  if (!initDll || !exitDll || !getFactory)
    return 1;
  CHECK(initDll());

  factoryUnknown = getFactory();
  CHECK(factoryUnknown != NULL);
  CHECK(getFactory() == factoryUnknown);  /* the same factory, one more reference */
  Release(factoryUnknown);
  factory = (PluginFactory3Object*)Query(factoryUnknown, kIPluginFactory3IID);
  CHECK(factory != NULL);
  if (!factory)
    return 1;
  CheckFactory(factory);

  memcpy(wrongCid, kPlugClassId, 16);
  wrongCid[15] ^= 1;
  CHECK(factory->vtbl->createInstance(factory, (const char*)wrongCid, kIComponentIID, &nothing) == kNoInterface);
  CHECK(nothing == NULL);
  CHECK(factory->vtbl->createInstance(factory, (const char*)kPlugClassId, kIComponentIID, (void**)&component) ==
        kResultOk);
  CHECK(component != NULL);
  if (component)
  {
    AudioProcessorObject* processor = (AudioProcessorObject*)Query(component, kIAudioProcessorIID);
    EditControllerObject* controller = (EditControllerObject*)Query(component, kIEditControllerIID);
    CheckFaces(component);
    CHECK(component->vtbl->initialize(component, &gHost) == kResultOk);
    CHECK(component->vtbl->initialize(component, &gHost) == kResultFalse);
    CHECK(controller->vtbl->getParameterCount(controller) == 12);  /* nothing built twice */
    CheckBusesAndParameters(component, controller);
    CheckProcessingSetUp(processor, component);
    CheckState(component, controller);
    CheckProcessing(processor, component, controller);
    CheckBypassOutlivesASetUp(processor, component, controller);
    CheckStateRoundTrip(factory, controller);
    CheckStress(processor, component, controller);
    CheckEditor(factory);
    CHECK(component->vtbl->terminate(component) == kResultOk);
    CHECK(controller->vtbl->getParameterCount(controller) == 0);
    CHECK(component->vtbl->initialize(component, &gHost) == kResultOk);  /* builds again */
    CHECK(controller->vtbl->getParameterCount(controller) == 12);
    CHECK(component->vtbl->terminate(component) == kResultOk);
    Release(processor);
    Release(controller);
    CHECK(component->vtbl->release(component) == 0);
  }

  Release(factory);
  /* The host's last reference deletes the factory; the module makes a new one. */
  CHECK(factoryUnknown->vtbl->release(factoryUnknown) == 0);
  factoryUnknown = getFactory();
  CHECK(factoryUnknown != NULL);
  if (factoryUnknown)
    CHECK(factoryUnknown->vtbl->release(factoryUnknown) == 0);
  CHECK(exitDll());
  CHECK(FreeLibrary(module));
  printf("round %d done\n", round);
  return 0;
}

/* Processes a whole file through the module, in blocks, as a host would. */
static int Render(const char* path, const char* inPath, const char* outPath, int block, int sampleSize)
{
  WavAudio in, out;
  char error[128];
  PluginFactory3Object* factory;
  ComponentObject* component;
  AudioProcessorObject* processor;
  ProcessSetup setup;
  float *ins[2], *outs[2];
  long start;
  int c;

  if (WavRead(inPath, &in, error))
  {
    fprintf(stderr, "vst3host: %s\n", error);
    return 1;
  }
  factory = LoadFactory(path);
  component = factory ? CreateComponent(factory) : NULL;
  if (!component)
  {
    fprintf(stderr, "vst3host: cannot create an instance from %s\n", path);
    return 1;
  }
  processor = (AudioProcessorObject*)Query(component, kIAudioProcessorIID);
  component->vtbl->initialize(component, &gHost);
  setup.processMode = 2; /* offline */
  setup.symbolicSampleSize = sampleSize;
  setup.maxSamplesPerBlock = block;
  setup.sampleRate = in.sampleRate;
  if (processor->vtbl->setupProcessing(processor, &setup) != kResultOk)
  {
    fprintf(stderr, "vst3host: set-up refused\n");
    return 1;
  }
  component->vtbl->setActive(component, 1);

  out = in;
  out.samples = (float*)calloc((size_t)(in.frames * in.channels + 1), sizeof(float));
  for (c = 0; c < 2; ++c)
  {
    ins[c] = (float*)calloc((size_t)block, sizeof(double));
    outs[c] = (float*)calloc((size_t)block, sizeof(double));
  }
  for (start = 0; start < in.frames; start += block)
  {
    int frames = (int)(in.frames - start < block ? in.frames - start : block), f;
    AudioBusBuffers input, output;
    ProcessData data;
    for (c = 0; c < in.channels; ++c)
      for (f = 0; f < frames; ++f)
      {
        float sample = in.samples[(start + f) * in.channels + c];
        if (sampleSize)
          ((double*)ins[c])[f] = sample;
        else
          ins[c][f] = sample;
      }
    memset(&input, 0, sizeof input);
    memset(&output, 0, sizeof output);
    memset(&data, 0, sizeof data);
    input.numChannels = in.channels;
    output.numChannels = 2;
    input.channelBuffers = (void**)ins;
    output.channelBuffers = (void**)outs;
    data.processMode = 2;
    data.symbolicSampleSize = sampleSize;
    data.numSamples = frames;
    data.numInputs = data.numOutputs = 1;
    data.inputs = &input;
    data.outputs = &output;
    processor->vtbl->process(processor, &data);
    for (c = 0; c < in.channels; ++c)
      for (f = 0; f < frames; ++f)
        out.samples[(start + f) * in.channels + c] = sampleSize ? (float)((double*)outs[c])[f] : outs[c][f];
  }
  component->vtbl->setActive(component, 0);
  component->vtbl->terminate(component);
  Release(processor);
  Release(component);
  Release(factory);
  if (WavWrite(outPath, &out))
  {
    fprintf(stderr, "vst3host: cannot write %s\n", outPath);
    return 1;
  }
  fprintf(stderr, "vst3host: rendered %ld frames in blocks of %d (%d-bit)\n", in.frames, block,
          sampleSize ? 64 : 32);
  return 0;
}

static int Run(int argc, char** argv)
{
  if (argc >= 2 && strcmp(argv[1], "--render") == 0)
  {
    int block = 512, sampleSize = 0, i = 2;
    for (; i < argc && argv[i][0] == '-'; ++i)
    {
      if (strcmp(argv[i], "--block") == 0 && i + 1 < argc)
        block = atoi(argv[++i]);
      else if (strcmp(argv[i], "--double") == 0)
        sampleSize = 1;
      else
        break;
    }
    if (argc - i != 3 || block < 1)
    {
      fprintf(stderr, "usage: vst3host --render [--block N] [--double] MODULE.vst3 IN.wav OUT.wav\n");
      return 2;
    }
    return Render(argv[i], argv[i + 1], argv[i + 2], block, sampleSize);
  }
  if (argc >= 2 && strcmp(argv[1], "--screenshot") == 0)
  {
    if (argc != 5)
    {
      fprintf(stderr, "usage: vst3host --screenshot MODULE.vst3 SPEECH.wav OUT.png\n");
      return 2;
    }
    return Screenshot(argv[2], argv[3], argv[4]);
  }
  if (argc != 2)
  {
    fprintf(stderr, "usage: vst3host MODULE.vst3\n");
    return 2;
  }
  RunOnce(argv[1], 1);
  RunOnce(argv[1], 2);  /* load again after unloading */
  return ReportChecks();
}

int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); }
