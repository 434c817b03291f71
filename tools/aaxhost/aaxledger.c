/* Faces of host objects, the ledger of the references the module holds on
 * them, the order of its releases, and the log of its calls. An audio
 * thread may call in while the test thread does: the log and the release
 * order are kept under one lock, counts change atomically. */

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "aaxobjects.h"

enum
{
  kMaxLedger = 256,
  kMaxLog = 2048,
  kMaxReleases = 4096,
  kEntrySize = 160
};

static CRITICAL_SECTION gLock;
static LONG gLockReady;

static void Lock(void)
{
  /* The first call comes from the test thread, before any other thread. */
  if (!gLockReady)
  {
    InitializeCriticalSection(&gLock);
    gLockReady = 1;
  }
  EnterCriticalSection(&gLock);
}

static void Unlock(void) { LeaveCriticalSection(&gLock); }

/* ---- the ledger ---------------------------------------------------------------- */

static HostFace* gLedger[kMaxLedger];
static int gLedgerCount;
static const HostFace* gReleases[kMaxReleases];
static int gReleaseCount;

void ResetLedger(void)
{
  Lock();
  gLedgerCount = 0;
  gReleaseCount = 0;
  Unlock();
}

void InitObject(HostObject* object) { memset(object, 0, sizeof *object); }

HostFace* AddFace(HostObject* object, const void* vtbl, const unsigned char* iid, const char* name)
{
  HostFace* face;
  if (object->faceCount == kMaxFaces)
    return NULL;
  face = &object->faces[object->faceCount++];
  memset(face, 0, sizeof *face);
  face->vtbl = vtbl;
  face->owner = object;
  face->iid = iid;
  snprintf(face->name, sizeof face->name, "%s", name);
  if (gLedgerCount == kMaxLedger)
    Check(0, "room in the ledger", __LINE__);
  Lock();
  if (gLedgerCount < kMaxLedger)
    gLedger[gLedgerCount++] = face;
  Unlock();
  return face;
}

static void Take(HostFace* face)
{
  LONG refs = InterlockedIncrement(&face->refs);
  Lock();
  if (refs > face->peak)
    face->peak = refs;
  Unlock();
}

int32_t STDCALL FaceQuery(void* self, const void* iid, void** out)
{
  HostFace* face = (HostFace*)self;
  HostObject* object = face->owner;
  int i;
  if (object->logQueries)
    LogCall(face, "QueryInterface(%s)", IdName(iid));
  if (!out)
    return kRefused;
  for (i = 0; i < object->faceCount; ++i)
  {
    HostFace* candidate = &object->faces[i];
    int matches = memcmp(iid, candidate->iid, 16) == 0 || (i == 0 && memcmp(iid, kUnknownIID, 16) == 0);
    if (matches && !(object->withdrawn & (1u << i)))
    {
      Take(candidate);
      *out = candidate;
      return kOk;
    }
  }
  if (object->effectParameters && memcmp(iid, kEffectParametersIID, 16) == 0)
    return object->effectParameters->vtbl->queryInterface(object->effectParameters, iid, out);
  *out = NULL;
  return kNoInterface;
}

int32_t STDCALL FaceAddRef(void* self)
{
  HostFace* face = (HostFace*)self;
  Take(face);
  return face->refs;
}

int32_t STDCALL FaceRelease(void* self)
{
  HostFace* face = (HostFace*)self;
  LONG refs = InterlockedDecrement(&face->refs);
  Lock();
  if (gReleaseCount < kMaxReleases)
    gReleases[gReleaseCount++] = face;
  if (refs == 0)
    face->zeroStamp = gReleaseCount;
  Unlock();
  if (refs < 0)
  {
    printf("FAILED: %s released more often than it was taken\n", face->name);
    Check(0, "no release without a reference", __LINE__);
  }
  return refs;
}

int LedgerBalanced(void)
{
  int i, balanced = 1;
  for (i = 0; i < gLedgerCount; ++i)
    if (gLedger[i]->refs != 0)
    {
      printf("ledger: %s holds %ld\n", gLedger[i]->name, (long)gLedger[i]->refs);
      balanced = 0;
    }
  return balanced;
}

int RetireObject(HostObject* object)
{
  int i, j, balanced = 1;
  Lock();
  for (i = 0; i < object->faceCount; ++i)
  {
    HostFace* face = &object->faces[i];
    if (face->refs != 0)
    {
      printf("ledger: %s holds %ld\n", face->name, (long)face->refs);
      balanced = 0;
    }
    for (j = 0; j < gLedgerCount; ++j)
      if (gLedger[j] == face)
        gLedger[j--] = gLedger[--gLedgerCount];
  }
  for (j = 0; j < gReleaseCount; ++j)
    for (i = 0; i < object->faceCount; ++i)
      if (gReleases[j] == &object->faces[i])
        gReleases[j] = NULL;
  Unlock();
  return balanced;
}

const char* FaceName(const void* face)
{
  int i;
  if (!face)
    return "null";
  for (i = 0; i < gLedgerCount; ++i)
    if (gLedger[i] == face)
      return gLedger[i]->name;
  return "unknown";
}

int ReleaseCount(void) { return gReleaseCount; }

const HostFace* ReleasedFace(int stamp) { return stamp >= 1 && stamp <= gReleaseCount ? gReleases[stamp - 1] : NULL; }

/* ---- the log ----------------------------------------------------------------------- */

static char gLog[kMaxLog][kEntrySize];
static int gLogCount;

void ClearLog(void)
{
  Lock();
  gLogCount = 0;
  Unlock();
}

void LogCall(const void* self, const char* format, ...)
{
  const HostFace* face = (const HostFace*)self;
  va_list args;
  Lock();
  if (gLogCount < kMaxLog)
  {
    char* entry = gLog[gLogCount++];
    int used = snprintf(entry, kEntrySize, "%s.", face->name);
    va_start(args, format);
    vsnprintf(entry + used, (size_t)(kEntrySize - used), format, args);
    va_end(args);
  }
  Unlock();
}

int LogCount(void) { return gLogCount; }

const char* LogEntry(int index) { return index >= 0 && index < gLogCount ? gLog[index] : ""; }

int LogIs(const char* prefix, const char* const* expected, int count)
{
  size_t prefixLength = prefix ? strlen(prefix) : 0;
  int i, seen = 0;
  for (i = 0; i < gLogCount; ++i)
  {
    if (strncmp(gLog[i], prefix ? prefix : "", prefixLength) != 0)
      continue;
    if (seen >= count || strcmp(gLog[i], expected[seen]) != 0)
    {
      printf("call %d: \"%s\", expected \"%s\"\n", seen, gLog[i], seen < count ? expected[seen] : "(no more)");
      return 0;
    }
    ++seen;
  }
  if (seen != count)
  {
    printf("%d calls, expected %d: the first missing is \"%s\"\n", seen, count, expected[seen]);
    return 0;
  }
  return 1;
}

/* ---- operations whose meaning lies with the host --------------------------------- */

int32_t STDCALL LogUnexpected(void* self)
{
  LogCall(self, "unexpected slot");
  printf("FAILED: %s: a slot the module has no use for was called\n", ((const HostFace*)self)->name);
  Check(0, "no call of an unexpected slot", __LINE__);
  return kNotSupported;
}

int32_t STDCALL LogValues1(void* self, int32_t a)
{
  LogCall(self, "Call(%d)", (int)a);
  return kOk;
}

int32_t STDCALL LogValues2(void* self, int32_t a, int32_t b)
{
  LogCall(self, "Call(%d,%d)", (int)a, (int)b);
  return kOk;
}

int32_t STDCALL LogValues3(void* self, int32_t a, int32_t b, int32_t c)
{
  LogCall(self, "Call(%d,%d,%d)", (int)a, (int)b, (int)c);
  return kOk;
}

int32_t STDCALL LogValues4(void* self, int32_t a, int32_t b, int32_t c, int32_t d)
{
  LogCall(self, "Call(%d,%d,%d,%d)", (int)a, (int)b, (int)c, (int)d);
  return kOk;
}

int32_t STDCALL LogValues5(void* self, int32_t a, int32_t b, int32_t c, int32_t d, int32_t e)
{
  LogCall(self, "Call(%d,%d,%d,%d,%d)", (int)a, (int)b, (int)c, (int)d, (int)e);
  return kOk;
}
