/* A VST3 test host: loads a module with LoadLibrary and drives it only
 * through its exports and interfaces. It is written apart from the module's
 * own interface headers, with its own vtables, identifiers and records, so
 * that a wrong slot, identifier, layout or calling convention in the module
 * shows up here as a failure instead of cancelling out.
 *
 * usage: vst3host MODULE.vst3   (prints "N passed, M failed") */

#include <windows.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "vst3host.h"

static int gPassed, gFailed;

void Check(int condition, const char* what, int line)
{
  if (condition)
    ++gPassed;
  else
  {
    ++gFailed;
    printf("FAILED (line %d): %s\n", line, what);
  }
}

/* ---- the host's own objects ---------------------------------------------- */

static int32_t STDCALL HostQuery(void* self, const char* iid, void** obj)
{
  if (memcmp(iid, kFUnknownIID, 16) == 0 || memcmp(iid, kIHostApplicationIID, 16) == 0)
  {
    *obj = self;
    return kResultOk;
  }
  *obj = NULL;
  return kNoInterface;
}
static uint32_t STDCALL HostAddRef(void* self) { (void)self; return 2; }
static uint32_t STDCALL HostRelease(void* self) { (void)self; return 1; }
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
static const IHostApplicationVtbl kHostVtbl = {HostQuery, HostAddRef, HostRelease, HostGetName, HostCreateInstance};
static HostObject gHost = {&kHostVtbl};

/* A stream over memory. */
static int32_t STDCALL StreamQuery(void* self, const char* iid, void** obj)
{
  if (memcmp(iid, kFUnknownIID, 16) == 0 || memcmp(iid, kIBStreamIID, 16) == 0)
  {
    *obj = self;
    return kResultOk;
  }
  *obj = NULL;
  return kNoInterface;
}
static uint32_t STDCALL StreamAddRef(void* self) { (void)self; return 2; }
static uint32_t STDCALL StreamRelease(void* self) { (void)self; return 1; }
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
static const IBStreamVtbl kStreamVtbl = {StreamQuery, StreamAddRef, StreamRelease, StreamRead,
                                         StreamWrite, StreamSeek, StreamTell};

void InitStream(MemoryStream* s, int32_t capacity)
{
  memset(s, 0, sizeof *s);
  s->vtbl = &kStreamVtbl;
  s->capacity = capacity < (int32_t)sizeof s->bytes ? capacity : (int32_t)sizeof s->bytes;
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

static void* Query(void* object, const char* iid)
{
  void* face = NULL;
  FUnknownObject* unknown = (FUnknownObject*)object;
  if (unknown->vtbl->queryInterface(object, iid, &face) != kResultOk)
    return NULL;
  return face;
}

static void Release(void* object)
{
  if (object)
    ((FUnknownObject*)object)->vtbl->release(object);
}

static void CheckFactory(PluginFactory3Object* factory)
{
  PFactoryInfo info;
  PClassInfo2 classInfo;
  PClassInfoW wide;
  static const unsigned char expectedCid[16] = {0x0D, 0xE7, 0xAE, 0xF2, 0xDE, 0x00, 0x4E, 0x4F,
                                                'Z',  'v',  'l',  'r',  'Z',  'v',  'L',  'P'};
  memset(&info, 0x55, sizeof info);
  CHECK(factory->vtbl->getFactoryInfo(factory, &info) == kResultOk);
  CHECK(strcmp(info.vendor, "Zelvar") == 0);
  CHECK(info.flags == 16);
  CHECK(factory->vtbl->countClasses(factory) == 1);
  memset(&classInfo, 0x55, sizeof classInfo);
  CHECK(factory->vtbl->getClassInfo2(factory, 0, &classInfo) == kResultOk);
  CHECK(memcmp(classInfo.cid, expectedCid, 16) == 0);
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

static int RunOnce(const char* path, int round)
{
  HMODULE module = LoadLibraryA(path);
  InitDllFn initDll;
  ExitDllFn exitDll;
  GetPluginFactoryFn getFactory;
  FUnknownObject* factoryUnknown;
  PluginFactory3Object* factory;
  ComponentObject* component = NULL;
  static const unsigned char cid[16] = {0x0D, 0xE7, 0xAE, 0xF2, 0xDE, 0x00, 0x4E, 0x4F,
                                        'Z',  'v',  'l',  'r',  'Z',  'v',  'L',  'P'};
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

  memcpy(wrongCid, cid, 16);
  wrongCid[15] ^= 1;
  CHECK(factory->vtbl->createInstance(factory, (const char*)wrongCid, kIComponentIID, &nothing) == kNoInterface);
  CHECK(nothing == NULL);
  CHECK(factory->vtbl->createInstance(factory, (const char*)cid, kIComponentIID, (void**)&component) == kResultOk);
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

int main(int argc, char** argv)
{
  if (argc != 2)
  {
    fprintf(stderr, "usage: vst3host MODULE.vst3\n");
    return 2;
  }
  RunOnce(argv[1], 1);
  RunOnce(argv[1], 2);  /* load again after unloading */
  printf("%d passed, %d failed\n", gPassed, gFailed);
  return gFailed ? 1 : 0;
}
