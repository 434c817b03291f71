/* An AAX test host: loads the module with LoadLibrary and drives it only
 * through its seven exports and the objects and callbacks they lead to,
 * with its own declarations of the interface (aaxhost.h) and its own host
 * objects, which log the module's calls and keep a ledger of the
 * references it holds.
 *
 * usage: aaxhost MODULE.aaxplugin   (the scripted run, twice, with the
 *        module loaded again; prints "N passed, M failed")
 *        aaxhost --stress MODULE.aaxplugin   (an audio thread against
 *        chunks and parameter updates; prints "N passed, M failed")
 *        aaxhost --render [--block N] MODULE.aaxplugin IN.wav OUT.wav
 *        (processes a WAV file through the module, writes 32-bit float) */

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "aaxobjects.h"
#include "TestEnd.h"
#include "wav.h"

/* ---- exports ---------------------------------------------------------------------- */

/* The names carry the size of the arguments the callee removes. */
static const char* const kExportNames[] = {
    "_ACFCanUnloadNow@4",   "_ACFGetClassFactory@16", "_ACFGetSDKVersion@4", "_ACFRegisterComponent@12",
    "_ACFRegisterPlugin@8", "_ACFShutdown@4",         "_ACFStartup@4"};

static void* Export(HMODULE module, const char* name) { return (void*)GetProcAddress(module, name); }

static int LoadExports(HMODULE module, Exports* exports)
{
  exports->module = module;
  exports->canUnloadNow = (int32_t(STDCALL*)(void*))Export(module, kExportNames[0]);
  exports->getClassFactory =
      (int32_t(STDCALL*)(void*, const void*, const void*, void**))Export(module, kExportNames[1]);
  exports->getSdkVersion = (int32_t(STDCALL*)(uint64_t*))Export(module, kExportNames[2]);
  exports->registerComponent = (int32_t(STDCALL*)(void*, const void*, int32_t*))Export(module, kExportNames[3]);
  exports->registerPlugin = (int32_t(STDCALL*)(void*, void**))Export(module, kExportNames[4]);
  exports->shutdown = (int32_t(STDCALL*)(void*))Export(module, kExportNames[5]);
  exports->startup = (int32_t(STDCALL*)(void*))Export(module, kExportNames[6]);
  return exports->canUnloadNow && exports->getClassFactory && exports->getSdkVersion && exports->registerComponent &&
         exports->registerPlugin && exports->shutdown && exports->startup;
}

/* The decorated names only: neither the plain name nor the name with its
 * size alone. */
static void CheckExportNames(HMODULE module)
{
  size_t i;
  for (i = 0; i < sizeof kExportNames / sizeof kExportNames[0]; ++i)
  {
    char plain[64];
    const char* at = strchr(kExportNames[i], '@');
    CHECK(Export(module, kExportNames[i]) != NULL);
    snprintf(plain, sizeof plain, "%.*s", (int)(at - kExportNames[i] - 1), kExportNames[i] + 1);
    CHECK(Export(module, plain) == NULL);
    CHECK(Export(module, kExportNames[i] + 1) == NULL);
  }
}

/* Version, component registration, class factory, and start-up: one
 * host-services object however often the module is started. */
static void CheckModuleCalls(const Exports* exports)
{
  static const unsigned char kVersion[8] = {0xBF, 0x56, 0x77, 0x00, 0x01, 0x02, 0x00, 0x00};
  HostObject* host = RegistrationHost();
  const HostFace* services;
  unsigned char version[8];
  int32_t registered = 0x55555555;
  void* factory = (void*)1;

  memset(version, 0x55, sizeof version);
  CHECK(exports->getSdkVersion((uint64_t*)version) == kOk);
  CHECK(memcmp(version, kVersion, 8) == 0);
  CHECK(exports->registerComponent(NULL, NULL, &registered) == kOk && registered == 0);
  CHECK(exports->getClassFactory(&host->faces[0], NULL, NULL, &factory) == kNotSupported && factory == NULL);

  ClearLog();
  CHECK(exports->startup(&host->faces[0]) == kOk);
  CHECK(exports->startup(&host->faces[0]) == kOk);
  {
    static const char* const expected[] = {"host.QueryInterface(factory)",
                                           "factory.CreateHostObject(HostServices,hostservices) = hostservices"};
    CHECK(LogIs(NULL, expected, 2));
  }
  services = MadeFace("hostservices");
  CHECK(HostServicesMade() == 1 && services && services->refs == 1);
  CHECK(exports->shutdown(NULL) == kOk);
  CHECK(services && services->refs == 0);
  CHECK(exports->shutdown(NULL) == kOk);
  CHECK(LedgerBalanced());
  CHECK(exports->startup(NULL) == kOk);
  CHECK(HostServicesMade() == 1);
  /* Started for the rest of the run. */
  CHECK(exports->startup(&host->faces[0]) == kOk);
  CHECK(HostServicesMade() == 2);
}

/* ---- the scripted run ------------------------------------------------------------------ */

static void CheckUnload(const Exports* exports, Instance* instance)
{
  EffectParameters* face = instance->face;
  int i, unregistered = 0;
  ClearLog();
  CHECK(face->vtbl->uninitializeEffect(face) == kOk);
  for (i = 0; i < LogCount(); ++i)
    unregistered += strncmp(LogEntry(i), "automation.UnregisterParameter(", 31) == 0;
  CHECK(unregistered == 11);
  CHECK(face->vtbl->release(face) == 0);
  CHECK(exports->canUnloadNow(NULL) == 0);
  CHECK(RetireObject(&instance->controller));
}

static void RunOnce(const char* path, int round)
{
  HMODULE module;
  Exports exports;
  Callbacks callbacks;
  Instance instance;

  ResetLedger();
  ResetRegistration();
  ClearLog();
  module = LoadLibraryA(path);
  CHECK(module != NULL);
  if (!module)
    return;
  CheckExportNames(module);
  if (!LoadExports(module, &exports))
    return;
  CHECK(exports.canUnloadNow(NULL) == 0);
  CheckModuleCalls(&exports);

  memset(&callbacks, 0, sizeof callbacks);
  CheckRegistration(&exports, &callbacks);
  if (callbacks.createEffect && callbacks.process)
  {
    memset(&instance, 0, sizeof instance);
    CheckInstance(&exports, &callbacks, &instance);
    if (instance.face)
    {
      CheckAudio(&callbacks, &instance);
      CheckEditor(&exports, &callbacks, &instance);
      CheckUnload(&exports, &instance);
    }
    else
      RetireObject(&instance.controller);
  }
  CHECK(exports.shutdown(NULL) == kOk);
  CHECK(exports.shutdown(NULL) == kOk);
  CHECK(LedgerBalanced());
  CHECK(FreeLibrary(module));
  printf("round %d done\n", round);
}

/* ---- as a host without checks: stress and render ------------------------------------ */

/* Loaded, started and described; false when no instance can be made. */
static int Load(const char* path, Exports* exports, Callbacks* callbacks)
{
  HMODULE module;
  memset(exports, 0, sizeof *exports);
  memset(callbacks, 0, sizeof *callbacks);
  ResetLedger();
  ResetRegistration();
  module = LoadLibraryA(path);
  return module && LoadExports(module, exports) && exports->startup(&RegistrationHost()->faces[0]) == kOk &&
         Register(exports, callbacks);
}

/* Shut down, every reference given back, and unloaded. */
static int Unload(const Exports* exports)
{
  int clean = exports->shutdown(NULL) == kOk && exports->canUnloadNow(NULL) == 0 && LedgerBalanced();
  return FreeLibrary((HMODULE)exports->module) && clean;
}

static int Stress(const char* path)
{
  Exports exports;
  Callbacks callbacks;
  int loaded = Load(path, &exports, &callbacks);
  CHECK(loaded);
  if (loaded)
  {
    StressRun(&callbacks);
    CHECK(Unload(&exports));
  }
  return ReportChecks();
}

/* Processes a whole file through the module, in blocks, as a host would. */
static int Render(const char* path, const char* inPath, const char* outPath, int block)
{
  WavAudio in, out;
  char error[128];
  Exports exports;
  Callbacks callbacks;
  Instance instance;
  float *ins[2], *outs[2];
  long start;
  int c;

  if (WavRead(inPath, &in, error))
  {
    fprintf(stderr, "aaxhost: %s\n", error);
    return 1;
  }
  /* The module prints a line per block. */
  if (!freopen("NUL", "w", stdout))
    fprintf(stderr, "aaxhost: standard output stays open\n");
  if (!Load(path, &exports, &callbacks) || !OpenInstance(&instance, &callbacks, "", (float)in.sampleRate, in.channels))
  {
    fprintf(stderr, "aaxhost: cannot create an instance from %s\n", path);
    return 1;
  }

  out = in;
  out.samples = (float*)calloc((size_t)(in.frames * in.channels + 1), sizeof(float));
  for (c = 0; c < 2; ++c)
  {
    ins[c] = (float*)calloc((size_t)block, sizeof(float));
    outs[c] = (float*)calloc((size_t)block, sizeof(float));
  }
  for (start = 0; start < in.frames; start += block)
  {
    int frames = (int)(in.frames - start < block ? in.frames - start : block), f;
    for (c = 0; c < in.channels; ++c)
      for (f = 0; f < frames; ++f)
        ins[c][f] = in.samples[(start + f) * in.channels + c];
    ProcessBlock(&callbacks, &instance, ins, outs, frames);
    for (c = 0; c < in.channels; ++c)
      for (f = 0; f < frames; ++f)
        out.samples[(start + f) * in.channels + c] = outs[c][f];
  }
  if (!CloseInstance(&instance) || !Unload(&exports))
    fprintf(stderr, "aaxhost: the module did not let go of the host's objects\n");
  if (WavWrite(outPath, &out))
  {
    fprintf(stderr, "aaxhost: cannot write %s\n", outPath);
    return 1;
  }
  fprintf(stderr, "aaxhost: rendered %ld frames in blocks of %d\n", in.frames, block);
  return 0;
}

static int Run(int argc, char** argv)
{
  if (argc >= 2 && strcmp(argv[1], "--render") == 0)
  {
    int block = 512, i = 2;
    if (i + 1 < argc && strcmp(argv[i], "--block") == 0)
    {
      block = atoi(argv[i + 1]);
      i += 2;
    }
    if (argc - i != 3 || block < 1)
    {
      fprintf(stderr, "usage: aaxhost --render [--block N] MODULE.aaxplugin IN.wav OUT.wav\n");
      return 2;
    }
    return Render(argv[i], argv[i + 1], argv[i + 2], block);
  }
  if (argc == 3 && strcmp(argv[1], "--stress") == 0)
    return Stress(argv[2]);
  if (argc != 2)
  {
    fprintf(stderr, "usage: aaxhost [--stress] MODULE.aaxplugin\n");
    return 2;
  }
  RunOnce(argv[1], 1);
  RunOnce(argv[1], 2); /* load again after unloading */
  return ReportChecks();
}

int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); }
