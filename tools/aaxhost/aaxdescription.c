/* The host object that ACFStartup and ACFRegisterPlugin get, its object
 * factory and the description objects the factory makes, each of which logs
 * what the module tells it. The description is checked call for call, with
 * its references and the order in which the module lets go of them, and
 * again with refusals injected. */

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "aaxobjects.h"

/* ---- scripted answers ------------------------------------------------------------ */

static struct
{
  int32_t addName;
  int32_t addTypeFlags;
  int32_t addProductName;
  int refuseRegistered; /* the collection withholds what is handed back */
} gResults;

static CreateCallbackFn gCreateCallbacks[2];
static ProcessCallbackFn gProcessCallbacks[2];
static int gProcessCallbackCount;

/* ---- the collection ------------------------------------------------------------------- */

/* Slots 3 to 6 are the host's own; the module has no use for them. */
typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* hostSlots3to6[4])(void* self);
  int32_t(STDCALL* addEffect)(void* self, const char* bundle, void* descriptor); /* 7 */
  int32_t(STDCALL* addManufacturerName)(void* self, const char* name);
  int32_t(STDCALL* addProductName)(void* self, const char* name);
  int32_t(STDCALL* setProductVersion)(void* self, uint32_t version);
  int32_t(STDCALL* call11)(void* self, void* map);
} CollectionVtbl;

static int32_t STDCALL AddEffect(void* self, const char* bundle, void* descriptor)
{
  LogCall(self, "AddEffect(%s,%s)", bundle, FaceName(descriptor));
  return kOk;
}

static int32_t STDCALL AddManufacturerName(void* self, const char* name)
{
  LogCall(self, "AddManufacturerName(%s)", name);
  return kOk;
}

static int32_t STDCALL AddProductName(void* self, const char* name)
{
  LogCall(self, "AddProductName(%s)", name);
  return gResults.addProductName;
}

static int32_t STDCALL SetProductVersion(void* self, uint32_t version)
{
  LogCall(self, "SetProductVersion(0x%08X)", (unsigned)version);
  return kOk;
}

static int32_t STDCALL CollectionCall11(void* self, void* map)
{
  LogCall(self, "Call(%s)", FaceName(map));
  return kOk;
}

static const CollectionVtbl kCollectionVtbl = {
    FaceQuery,       FaceAddRef,          FaceRelease,    {LogUnexpected, LogUnexpected, LogUnexpected, LogUnexpected},
    AddEffect,       AddManufacturerName, AddProductName, SetProductVersion,
    CollectionCall11};

/* ---- the effect descriptor ------------------------------------------------------------- */

typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* addComponent)(void* self, void* component); /* 3 */
  int32_t(STDCALL* addName)(void* self, const char* name);
  int32_t(STDCALL* addTypeFlags)(void* self, uint32_t flags);
  int32_t(STDCALL* call5)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* addCreateCallback)(void* self, CreateCallbackFn callback, uint32_t id);
  int32_t(STDCALL* call8)(void* self, void* map); /* 8 */
  int32_t(STDCALL* call9)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* call10)(void* self, int32_t a, int32_t b, void* map);
  int32_t(STDCALL* call11)(void* self, int32_t a, int32_t b, int32_t c, int32_t d); /* second */
} DescriptorVtbl;

static int32_t STDCALL AddComponent(void* self, void* component)
{
  LogCall(self, "AddComponent(%s)", FaceName(component));
  return kOk;
}

static int32_t STDCALL AddName(void* self, const char* name)
{
  LogCall(self, "AddName(%s)", name);
  return gResults.addName;
}

static int32_t STDCALL AddTypeFlags(void* self, uint32_t flags)
{
  LogCall(self, "AddTypeFlags(%u)", (unsigned)flags);
  return gResults.addTypeFlags;
}

static int32_t STDCALL AddCreateCallback(void* self, CreateCallbackFn callback, uint32_t id)
{
  LogCall(self, "AddCreateCallback(%s,%u)", callback ? "callback" : "null", (unsigned)id);
  if (id < 2)
    gCreateCallbacks[id] = callback;
  return kOk;
}

static int32_t STDCALL DescriptorCall8(void* self, void* map)
{
  LogCall(self, "Call(%s)", FaceName(map));
  return kOk;
}

static int32_t STDCALL DescriptorCall10(void* self, int32_t a, int32_t b, void* map)
{
  LogCall(self, "Call(%d,%d,%s)", (int)a, (int)b, FaceName(map));
  return kOk;
}

static const DescriptorVtbl kDescriptorVtbl = {FaceQuery,       FaceAddRef,   FaceRelease,      AddComponent,
                                               AddName,         AddTypeFlags, LogValues2,       AddCreateCallback,
                                               DescriptorCall8, LogValues2,   DescriptorCall10, LogValues4};

/* ---- the component descriptor ------------------------------------------------------------ */

typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* call1)(void* self); /* 3 */
  int32_t(STDCALL* call15)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* addAudioIn)(void* self, uint32_t field);
  int32_t(STDCALL* addAudioOut)(void* self, uint32_t field);
  int32_t(STDCALL* addAudioBufferLength)(void* self, uint32_t field);
  int32_t(STDCALL* call5)(void* self, int32_t a); /* 8 */
  int32_t(STDCALL* call6)(void* self, int32_t a);
  int32_t(STDCALL* call7)(void* self, int32_t a);
  int32_t(STDCALL* call8)(void* self, int32_t a, int32_t b, int32_t c);
  int32_t(STDCALL* addFieldEntry)(void* self, uint32_t a, uint32_t b, uint32_t c);
  int32_t(STDCALL* addPrivateData)(void* self, uint32_t field, uint32_t size, uint32_t option); /* 13 */
  int32_t(STDCALL* call12)(void* self, int32_t a, int32_t b);
  int32_t(STDCALL* addMidiNode)(void* self, uint32_t field, uint32_t type, const char* name, uint32_t mask);
  int32_t(STDCALL* addProcessCallback)(void* self, ProcessCallbackFn callback, void* map, int32_t a, int32_t b,
                                       int32_t c); /* 16 */
  int32_t(STDCALL* call19)(void* self, int32_t a, int32_t b, void* map, int32_t c, int32_t d, int32_t e);
  int32_t(STDCALL* addIdListField)(void* self, uint32_t field, const uint32_t* ids, uint32_t count);
  int32_t(STDCALL* call11)(void* self, int32_t a, int32_t b); /* second, 19 */
} ComponentVtbl;

static int32_t STDCALL ComponentCall1(void* self)
{
  LogCall(self, "Call()");
  return kOk;
}

static int32_t STDCALL AddAudioIn(void* self, uint32_t field)
{
  LogCall(self, "AddAudioIn(%u)", (unsigned)field);
  return kOk;
}

static int32_t STDCALL AddAudioOut(void* self, uint32_t field)
{
  LogCall(self, "AddAudioOut(%u)", (unsigned)field);
  return kOk;
}

static int32_t STDCALL AddAudioBufferLength(void* self, uint32_t field)
{
  LogCall(self, "AddAudioBufferLength(%u)", (unsigned)field);
  return kOk;
}

static int32_t STDCALL AddFieldEntry(void* self, uint32_t a, uint32_t b, uint32_t c)
{
  LogCall(self, "AddFieldEntry(%u,%u,%u)", (unsigned)a, (unsigned)b, (unsigned)c);
  return kOk;
}

static int32_t STDCALL AddPrivateData(void* self, uint32_t field, uint32_t size, uint32_t option)
{
  LogCall(self, "AddPrivateData(%u,%u,%u)", (unsigned)field, (unsigned)size, (unsigned)option);
  return kOk;
}

static int32_t STDCALL AddMidiNode(void* self, uint32_t field, uint32_t type, const char* name, uint32_t mask)
{
  LogCall(self, "AddMidiNode(%u,%u,%s,0x%X)", (unsigned)field, (unsigned)type, name ? name : "null", (unsigned)mask);
  return kOk;
}

static int32_t STDCALL AddProcessCallback(void* self, ProcessCallbackFn callback, void* map, int32_t a, int32_t b,
                                          int32_t c)
{
  LogCall(self, "AddProcessCallback(%s,%s,%d,%d,%d)", callback ? "process" : "null", FaceName(map), (int)a, (int)b,
          (int)c);
  if (gProcessCallbackCount < 2)
    gProcessCallbacks[gProcessCallbackCount++] = callback;
  return kOk;
}

static int32_t STDCALL ComponentCall19(void* self, int32_t a, int32_t b, void* map, int32_t c, int32_t d, int32_t e)
{
  LogCall(self, "Call(%d,%d,%s,%d,%d,%d)", (int)a, (int)b, FaceName(map), (int)c, (int)d, (int)e);
  return kOk;
}

static int32_t STDCALL AddIdListField(void* self, uint32_t field, const uint32_t* ids, uint32_t count)
{
  LogCall(self, "AddIdListField(%u,%s,%u)", (unsigned)field, ids ? "ids" : "null", (unsigned)count);
  return kOk;
}

static const ComponentVtbl kComponentVtbl = {FaceQuery,          FaceAddRef,      FaceRelease,    ComponentCall1,
                                             LogValues2,         AddAudioIn,      AddAudioOut,    AddAudioBufferLength,
                                             LogValues1,         LogValues1,      LogValues1,     LogValues3,
                                             AddFieldEntry,      AddPrivateData,  LogValues2,     AddMidiNode,
                                             AddProcessCallback, ComponentCall19, AddIdListField, LogValues2};

/* ---- the property map ------------------------------------------------------------------------ */

typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* call1)(void* self, uint32_t id, int32_t* value); /* 3 */
  int32_t(STDCALL* addProperty)(void* self, uint32_t id, int32_t value);
  int32_t(STDCALL* call3)(void* self, int32_t a);
  int32_t(STDCALL* call4)(void* self, int32_t a, int32_t b, int32_t c); /* second */
  int32_t(STDCALL* call5)(void* self, int32_t a, int32_t b, int32_t c);
} PropertyMapVtbl;

static int32_t STDCALL MapCall1(void* self, uint32_t id, int32_t* value)
{
  LogCall(self, "Call(%u)", (unsigned)id);
  (void)value;
  return 0;
}

/* The four-character codes read as such; other values in hex. */
static int32_t STDCALL AddProperty(void* self, uint32_t id, int32_t value)
{
  uint32_t v = (uint32_t)value;
  if (id >= 11 && id <= 14)
    LogCall(self, "AddProperty(%u,'%c%c%c%c')", (unsigned)id, (char)(v >> 24), (char)(v >> 16), (char)(v >> 8),
            (char)v);
  else
    LogCall(self, "AddProperty(%u,0x%08X)", (unsigned)id, (unsigned)v);
  return kOk;
}

static const PropertyMapVtbl kPropertyMapVtbl = {FaceQuery,   FaceAddRef, FaceRelease, MapCall1,
                                                 AddProperty, LogValues1, LogValues3,  LogValues3};

/* ---- host services ----------------------------------------------------------------------------- */

typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* call1)(void* self, int32_t a, int32_t b, int32_t c);
  int32_t(STDCALL* trace)(void* self, uint32_t priority, const char* text);
} HostServicesVtbl;

static int32_t STDCALL Trace(void* self, uint32_t priority, const char* text)
{
  LogCall(self, "Trace(0x%08X,%s)", (unsigned)priority, text);
  return kOk;
}

static const HostServicesVtbl kHostServicesVtbl = {FaceQuery, FaceAddRef, FaceRelease, LogValues3, Trace};

/* ---- the host object and its factory ----------------------------------------------------------- */

typedef struct
{
  UNKNOWN_SLOTS;
  int32_t(STDCALL* createHostObject)(void* self, const void* classId, void* outer, const void* iid, void** out);
} FactoryVtbl;

static const UnknownVtbl kUnknownVtbl = {FaceQuery, FaceAddRef, FaceRelease};

enum
{
  kMaxMade = 48
};
static HostObject gHost;
static HostObject gMade[kMaxMade];
static int gMadeCount;
static int gHostServicesMade;
/* Numbers of the descriptors, components and maps of one description. */
static int gNumbers[3];
/* Where the objects and the releases of the last description begin. */
static int gDescriptionMade;
static int gDescriptionReleases;

static HostObject* Made(const char* name)
{
  int i;
  for (i = gMadeCount - 1; i >= 0; --i)
    if (strcmp(gMade[i].faces[0].name, name) == 0)
      return &gMade[i];
  return NULL;
}

/* A new object of the class: its faces, and the name of its first. */
static HostObject* MakeObject(const void* classId)
{
  static const struct
  {
    const unsigned char* classId;
    const char* name; /* numbered when it has a second interface */
    const void* vtbl;
    const unsigned char* iid;
    const unsigned char* second;
  } classes[] = {
      {kHostServicesClass, "hostservices", &kHostServicesVtbl, kHostServicesIID, NULL},
      {kCollectionClass, "collection", &kCollectionVtbl, kCollectionIID, NULL},
      {kDescriptorClass, "descriptor", &kDescriptorVtbl, kDescriptorIID, kDescriptorV2IID},
      {kComponentClass, "component", &kComponentVtbl, kComponentIID, kComponentV2IID},
      {kPropertyMapClass, "map", &kPropertyMapVtbl, kPropertyMapIID, kPropertyMapV2IID},
  };
  size_t c;
  for (c = 0; c < sizeof classes / sizeof classes[0]; ++c)
    if (memcmp(classId, classes[c].classId, 16) == 0 && gMadeCount < kMaxMade)
    {
      HostObject* object = &gMade[gMadeCount++];
      char name[24];
      InitObject(object);
      object->logQueries = 1;
      if (classes[c].second)
      {
        snprintf(name, sizeof name, "%s%d", classes[c].name, ++gNumbers[c - 2]);
        AddFace(object, classes[c].vtbl, classes[c].iid, name);
        strcat(name, ":2");
        AddFace(object, classes[c].vtbl, classes[c].second, name);
      }
      else
        AddFace(object, classes[c].vtbl, classes[c].iid, classes[c].name);
      /* What ACFRegisterPlugin hands back comes from the collection. */
      if (classes[c].classId == kCollectionClass)
      {
        AddFace(object, &kUnknownVtbl, kRegisteredIID, "registered");
        object->withdrawn = gResults.refuseRegistered ? 1u << 1 : 0;
      }
      if (classes[c].classId == kHostServicesClass)
        ++gHostServicesMade;
      return object;
    }
  return NULL;
}

static int32_t STDCALL CreateHostObject(void* self, const void* classId, void* outer, const void* iid, void** out)
{
  HostObject* object = MakeObject(classId);
  const char* name = object ? object->faces[0].name : "none";
  LogCall(self, "CreateHostObject(%s,%s%s) = %s", IdName(classId), IdName(iid), outer ? ",outer" : "", name);
  if (!out)
    return kRefused;
  *out = NULL;
  if (!object || memcmp(iid, object->faces[0].iid, 16) != 0)
    return kNoInterface;
  FaceAddRef(&object->faces[0]);
  *out = &object->faces[0];
  return kOk;
}

static const FactoryVtbl kFactoryVtbl = {FaceQuery, FaceAddRef, FaceRelease, CreateHostObject};

HostObject* RegistrationHost(void) { return &gHost; }

const HostFace* MadeFace(const char* name)
{
  const HostObject* object = Made(name);
  return object ? &object->faces[0] : NULL;
}

int HostServicesMade(void) { return gHostServicesMade; }

void ResetRegistration(void)
{
  InitObject(&gHost);
  gHost.logQueries = 1;
  AddFace(&gHost, &kUnknownVtbl, kUnknownIID, "host");
  AddFace(&gHost, &kFactoryVtbl, kFactoryIID, "factory");
  gMadeCount = 0;
  gHostServicesMade = 0;
}

/* ---- the checks ---------------------------------------------------------------------------------- */

static void BeginDescription(void)
{
  int i;
  memset(&gResults, 0, sizeof gResults);
  memset(gNumbers, 0, sizeof gNumbers);
  memset(gCreateCallbacks, 0, sizeof gCreateCallbacks);
  memset(gProcessCallbacks, 0, sizeof gProcessCallbacks);
  gProcessCallbackCount = 0;
  gDescriptionMade = gMadeCount;
  gDescriptionReleases = ReleaseCount();
  gHost.withdrawn = 0;
  for (i = 0; i < gHost.faceCount; ++i)
    gHost.faces[i].peak = 0;
  ClearLog();
}

enum
{
  kMaxExpected = 96
};
typedef struct
{
  char text[kMaxExpected][96];
  const char* list[kMaxExpected];
  int count;
} Expected;

static void Expect(Expected* expected, const char* format, ...)
{
  va_list args;
  if (expected->count == kMaxExpected)
    return;
  va_start(args, format);
  vsnprintf(expected->text[expected->count], sizeof expected->text[0], format, args);
  va_end(args);
  expected->list[expected->count] = expected->text[expected->count];
  ++expected->count;
}

/* The calls of a description, in order: with the bundle registered (and
 * then the query for what is handed back) when nothing failed. */
static void ExpectDescription(Expected* e, int succeeds)
{
  static const char* const layouts[] = {"0x00000001", "0x00010002"};
  int k;
  e->count = 0;
  Expect(e, "host.QueryInterface(factory)");
  Expect(e, "factory.CreateHostObject(Collection,collection) = collection");
  Expect(e, "host.QueryInterface(factory)");
  Expect(e, "factory.CreateHostObject(Descriptor,descriptor) = descriptor1");
  Expect(e, "descriptor1.QueryInterface(descriptor:2)");
  Expect(e, "descriptor1.AddName(ZelvarLispera)");
  Expect(e, "collection.AddProductName(ZelvarLispera)");
  Expect(e, "descriptor1.AddTypeFlags(2)");
  for (k = 1; k <= 2; ++k)
  {
    Expect(e, "host.QueryInterface(factory)");
    Expect(e, "factory.CreateHostObject(Component,component) = component%d", k);
    Expect(e, "component%d.QueryInterface(component:2)", k);
    Expect(e, "component%d.AddPrivateData(6,4,0)", k);
    Expect(e, "component%d.AddPrivateData(5,4,0)", k);
    Expect(e, "component%d.AddMidiNode(7,3,Transport,0xFFFF)", k);
    Expect(e, "component%d.AddAudioIn(0)", k);
    Expect(e, "component%d.AddAudioOut(1)", k);
    Expect(e, "component%d.AddAudioBufferLength(3)", k);
    Expect(e, "component%d.AddPrivateData(9,4,0)", k);
    Expect(e, "component%d.AddPrivateData(8,4,0)", k);
    Expect(e, "host.QueryInterface(factory)");
    Expect(e, "factory.CreateHostObject(PropertyMap,map) = map%d", k);
    Expect(e, "map%d.QueryInterface(map:2)", k);
    Expect(e, "map%d.AddProperty(56,0x00000000)", k);
    Expect(e, "map%d.AddProperty(51,%s)", k, layouts[k - 1]);
    Expect(e, "map%d.AddProperty(52,%s)", k, layouts[k - 1]);
    Expect(e, "map%d.AddProperty(60,0x00000001)", k);
    Expect(e, "map%d.AddProperty(11,'Zvlr')", k);
    Expect(e, "map%d.AddProperty(12,'ZvLP')", k);
    Expect(e, "map%d.AddProperty(13,'EFN%d')", k, k);
    Expect(e, "map%d.AddProperty(14,'EFA%d')", k, k);
    Expect(e, "component%d.AddProcessCallback(process,map%d,0,0,0)", k, k);
    Expect(e, "descriptor1.AddComponent(component%d)", k);
  }
  Expect(e, "descriptor1.AddCreateCallback(callback,0)");
  Expect(e, "descriptor1.AddCreateCallback(callback,1)");
  if (succeeds)
    Expect(e, "collection.AddEffect(com.Zelvar.aax.ZelvarLispera,descriptor1)");
  Expect(e, "collection.AddManufacturerName(Zelvar)");
  Expect(e, "collection.SetProductVersion(0x00010301)");
  if (succeeds)
    Expect(e, "collection.QueryInterface(registered)");
}

/* Whether the host object and everything made for the last description
 * are back to 0. */
static int DescriptionBalanced(void)
{
  int i, j, balanced = 1;
  for (i = 0; i < gHost.faceCount; ++i)
    balanced &= gHost.faces[i].refs == 0;
  for (i = gDescriptionMade; i < gMadeCount; ++i)
    for (j = 0; j < gMade[i].faceCount; ++j)
      if (gMade[i].faces[j].refs != 0)
      {
        printf("ledger: %s holds %ld\n", gMade[i].faces[j].name, (long)gMade[i].faces[j].refs);
        balanced = 0;
      }
  return balanced;
}

/* A proxy's second interface, when it has one. */
static const HostFace* SecondFace(const HostObject* object)
{
  return object->faceCount > 1 && strstr(object->faces[1].name, ":2") ? &object->faces[1] : NULL;
}

/* Each proxy let go of its children, then its second interface, its first
 * and the host object, in that order. */
static int DestroyedInOrder(void)
{
  static const struct
  {
    const char* child;
    const char* parent;
  } owners[] = {{"map1", "component1"},
                {"map2", "component2"},
                {"component1", "descriptor1"},
                {"component2", "descriptor1"},
                {"descriptor1", "collection"}};
  int ordered = 1, stamp, hostReleases = 0, i;
  size_t o;
  for (i = gDescriptionMade; i < gMadeCount; ++i)
  {
    const HostFace* second = SecondFace(&gMade[i]);
    ordered &= gMade[i].faces[0].zeroStamp > 0;
    if (second)
      ordered &= second->zeroStamp > 0 && second->zeroStamp < gMade[i].faces[0].zeroStamp;
  }
  for (o = 0; o < sizeof owners / sizeof owners[0]; ++o)
  {
    const HostObject* child = Made(owners[o].child);
    const HostObject* parent = Made(owners[o].parent);
    const HostFace* parentFace = parent ? (SecondFace(parent) ? SecondFace(parent) : &parent->faces[0]) : NULL;
    ordered &= child && parentFace && child->faces[0].zeroStamp < parentFace->zeroStamp;
  }
  for (stamp = gDescriptionReleases + 1; stamp <= ReleaseCount(); ++stamp)
    if (ReleasedFace(stamp) == &gHost.faces[0])
    {
      const HostFace* before = ReleasedFace(stamp - 1);
      ++hostReleases;
      ordered &= before && before->owner != &gHost && before == &before->owner->faces[0] &&
                 strncmp(before->name, "map", 3) != 0;
    }
  return ordered && hostReleases == 4;
}

static const char kInputsLines[] = "***** inputs 1 *****\n***** inputs 2 *****\n";

void CheckRegistration(const Exports* exports, Callbacks* callbacks)
{
  Expected expected;
  char output[1024];
  void* const untouched = (void*)&expected;
  void* out = untouched;
  HostObject* collection;
  int32_t result;

  /* Accepted. */
  BeginDescription();
  BeginCapture();
  result = exports->registerPlugin(&gHost.faces[0], &out);
  EndCapture(output, sizeof output);
  CHECK(result == kOk);
  CHECK(strcmp(output, kInputsLines) == 0);
  ExpectDescription(&expected, 1);
  CHECK(LogIs(NULL, expected.list, expected.count));
  collection = Made("collection");
  CHECK(collection && out == &collection->faces[1]);
  CHECK(DestroyedInOrder());
  /* One reference on the host object per collection, descriptor and
   * component proxy, none for a property map; the factory each time given
   * back before it is asked again. */
  CHECK(gHost.faces[0].peak == 4 && gHost.faces[1].peak == 1);
  CHECK(gProcessCallbackCount == 2 && gProcessCallbacks[0] && gProcessCallbacks[0] == gProcessCallbacks[1]);
  CHECK(gCreateCallbacks[0] && gCreateCallbacks[1] && gCreateCallbacks[0] != gCreateCallbacks[1]);
  callbacks->createEffect = gCreateCallbacks[0];
  callbacks->createGui = gCreateCallbacks[1];
  callbacks->process = gProcessCallbacks[0];
  if (out != untouched && out)
    Release(out);
  CHECK(DescriptionBalanced());

  /* Refusals are ORed (-20004 | -20009 is -20001); the product name's is
   * not. The bundle is then not registered, the maker and version still
   * are, and nothing is handed back. */
  BeginDescription();
  gResults.addName = kRefused;
  gResults.addTypeFlags = kNotSupported;
  gResults.addProductName = kNotSupported;
  out = untouched;
  BeginCapture();
  result = exports->registerPlugin(&gHost.faces[0], &out);
  EndCapture(output, sizeof output);
  CHECK(result == kNoParameter);
  CHECK(out == untouched);
  ExpectDescription(&expected, 0);
  CHECK(LogIs(NULL, expected.list, expected.count));
  CHECK(DescriptionBalanced());

  /* The collection does not give what ACFRegisterPlugin hands back. */
  BeginDescription();
  gResults.refuseRegistered = 1;
  out = untouched;
  BeginCapture();
  result = exports->registerPlugin(&gHost.faces[0], &out);
  EndCapture(output, sizeof output);
  CHECK(result == kRefused);
  CHECK(out == NULL);
  ExpectDescription(&expected, 1);
  CHECK(LogIs(NULL, expected.list, expected.count));
  CHECK(DescriptionBalanced());

  /* A host without an object factory: nothing is made, and every reference
   * on the host object is given back. */
  BeginDescription();
  gHost.withdrawn = 1u << 1;
  out = untouched;
  BeginCapture();
  result = exports->registerPlugin(&gHost.faces[0], &out);
  EndCapture(output, sizeof output);
  CHECK(result == kRefused);
  CHECK(out == untouched);
  {
    static const char* const queries[] = {"host.QueryInterface(factory)", "host.QueryInterface(factory)",
                                          "host.QueryInterface(factory)", "host.QueryInterface(factory)",
                                          "host.QueryInterface(factory)", "host.QueryInterface(factory)"};
    CHECK(LogIs(NULL, queries, 6));
  }
  CHECK(gHost.faces[0].peak == 4);
  CHECK(DescriptionBalanced());
  gHost.withdrawn = 0;

  /* No host object at all. */
  BeginDescription();
  out = untouched;
  BeginCapture();
  result = exports->registerPlugin(NULL, &out);
  EndCapture(output, sizeof output);
  CHECK(result == kRefused);
  CHECK(out == untouched);
  CHECK(LogCount() == 0);
}

int Register(const Exports* exports, Callbacks* callbacks)
{
  void* out = NULL;
  BeginDescription();
  if (exports->registerPlugin(&gHost.faces[0], &out) != kOk)
    return 0;
  if (out)
    Release(out);
  callbacks->createEffect = gCreateCallbacks[0];
  callbacks->createGui = gCreateCallbacks[1];
  callbacks->process = gProcessCallbacks[0];
  return callbacks->createEffect && callbacks->process;
}
