/* An effect-parameters object through its 48 slots: its faces, its
 * initialisation against the host's controller, the parameters the host
 * sees, changes both ways (the host's updates, the plug-in's requests) and
 * the state chunk. */

#include <math.h>
#include <stdio.h>
#include <string.h>

#include "aaxobjects.h"

int32_t ReferencesOf(void* face)
{
  UnknownObject* unknown = (UnknownObject*)face;
  int32_t count = unknown->vtbl->addRef(face);
  unknown->vtbl->release(face);
  return count - 1;
}

void* Query(void* object, const unsigned char* iid)
{
  void* answer = NULL;
  if (((UnknownObject*)object)->vtbl->queryInterface(object, iid, &answer) != kOk)
    return NULL;
  return answer;
}

void Release(void* object) { ((UnknownObject*)object)->vtbl->release(object); }

int OpenInstance(Instance* instance, const Callbacks* callbacks, const char* suffix, float sampleRate, int channels)
{
  void* made = callbacks->createEffect ? callbacks->createEffect() : NULL;
  instance->face = made ? (EffectParameters*)Query(made, kEffectParametersV2IID) : NULL;
  instance->cell = NULL;
  InitController(&instance->controller, suffix, sampleRate, channels);
  if (!instance->face)
    return 0;
  if (instance->face->vtbl->initializeEffect(instance->face, &instance->controller.faces[0]) != kOk)
    return 0;
  instance->face->vtbl->getPrivateData(instance->face, kFieldPrivateData, &instance->cell, 4);
  return 1;
}

int CloseInstance(Instance* instance)
{
  int released = 0;
  if (instance->face)
  {
    instance->face->vtbl->uninitializeEffect(instance->face);
    released = instance->face->vtbl->release(instance->face) == 0;
  }
  return RetireObject(&instance->controller) && released;
}

void ProcessBlock(const Callbacks* callbacks, Instance* instance, float** ins, float** outs, int32_t frames)
{
  AlgorithmContext context;
  AlgorithmContext* contexts[1];
  int32_t length = frames;
  FillContext(&context, ins, outs, &length, &instance->cell);
  contexts[0] = &context;
  callbacks->process(contexts, contexts + 1);
}

/* ---- faces and initialisation ------------------------------------------------------ */

/* The object the callback made, as the host finds it: one reference count
 * behind the faces, the private unknown apart from them. */
static EffectParameters* CheckFaces(const Exports* exports, const Callbacks* callbacks)
{
  void* made = callbacks->createEffect();
  EffectParameters *face, *again;
  void *identity, *refused = (void*)1;
  CHECK(made != NULL);
  if (!made)
    return NULL;
  CHECK(exports->canUnloadNow(NULL) == 1);
  face = (EffectParameters*)Query(made, kEffectParametersV2IID);
  CHECK(face == made);
  if (!face)
    return NULL;
  CHECK(ReferencesOf(face) == 1);
  again = (EffectParameters*)Query(face, kEffectParametersIID);
  CHECK(again == face);
  identity = Query(face, kUnknownIID);
  CHECK(identity != NULL && identity != (void*)face);
  CHECK(ReferencesOf(face) == 3);
  if (identity)
  {
    void* back = Query(identity, kEffectParametersIID);
    CHECK(back == face);
    CHECK(Query(identity, kUnknownIID) == identity);
    Release(identity);
    if (back)
      Release(back);
    Release(identity);
  }
  if (again)
    Release(again);
  CHECK(face->vtbl->queryInterface(face, kEffectGuiIID, &refused) == kNoInterface && refused == NULL);
  CHECK(Query(face, kControllerIID) == NULL);
  CHECK(face->vtbl->addRef(face) == 2 && face->vtbl->release(face) == 1);
  return face;
}

static const char* const kIds[] = {"MasterBypassID", "1", "2", "11", "12", "13", "14", "15", "16", "17", "18"};
enum
{
  kHostParameters = 11
};

static void CheckInitialisation(Instance* instance)
{
  EffectParameters* face = instance->face;
  unsigned char cell[8];
  unsigned char zeros[16], expectedZeros[16];
  char expected[kHostParameters][48];
  const char* list[kHostParameters];
  int i;

  InitController(&instance->controller, "", 44100.0f, 2);
  ClearLog();
  CHECK(face->vtbl->initializeEffect(face, &instance->controller.faces[0]) == kOk);
  /* The parameters register in the host's order; the rate is asked once. */
  for (i = 0; i < kHostParameters; ++i)
  {
    snprintf(expected[i], sizeof expected[i], "automation.RegisterParameter(%s)", kIds[i]);
    list[i] = expected[i];
  }
  CHECK(LogIs("automation.", list, kHostParameters));
  list[0] = "controller.GetSampleRateFromHost";
  CHECK(LogIs("controller", list, 1));
  for (i = 0; i < instance->controller.faceCount; ++i)
    CHECK(instance->controller.faces[i].refs == 1);

  /* Field 8 holds the object; other fields are zeros. */
  memset(cell, 0x55, sizeof cell);
  CHECK(face->vtbl->getPrivateData(face, kFieldPrivateData, cell, 4) == kOk);
  memcpy(&instance->cell, cell, 4);
  CHECK(instance->cell == (void*)face && cell[4] == 0x55);
  memset(zeros, 0x55, sizeof zeros);
  memset(expectedZeros, 0, sizeof expectedZeros);
  CHECK(face->vtbl->getPrivateData(face, kFieldInputMidi, zeros, 16) == kOk);
  CHECK(memcmp(zeros, expectedZeros, 16) == 0);
}

/* ---- parameters ---------------------------------------------------------------------- */

static const struct
{
  const char* name;
  int32_t steps;
  int32_t kind;
  double normalized; /* default and value */
  const char* text;
} kParameters[kHostParameters] = {
    {"Master Bypass", 2, 0, 0.0, "bypass"}, {"Effect Amount", 128, 1, 0.5, "50.00%"},
    {"DryWet", 128, 1, 1.0, "100.00%"},     {"4K on/off", 2, 0, 0.0, "off"},
    {"5K on/off", 2, 0, 1.0, "on"},         {"6K on/off", 2, 0, 1.0, "on"},
    {"7K on/off", 2, 0, 1.0, "on"},         {"8K on/off", 2, 0, 1.0, "on"},
    {"9K on/off", 2, 0, 1.0, "on"},         {"10K on/off", 2, 0, 1.0, "on"},
    {"HF on/off", 2, 0, 0.0, "off"},
};

static void CheckParameterTable(EffectParameters* face)
{
  const EffectParametersVtbl* v = face->vtbl;
  HostString text;
  int32_t count = -1, i;
  for (i = 0; i < kHostParameters; ++i)
  {
    const char* id = kIds[i];
    int32_t index = -1, steps = -1, kind = -1, aux = -1;
    double normalized = -1.0, byDefault = -1.0;
    uint8_t automatable[2] = {0x55, 0x55};
    InitString(&text, "unchanged");
    CHECK(v->parameterIdAt(face, i, &text) == kOk && strcmp(text.text, id) == 0);
    CHECK(v->indexOfParameter(face, id, &index) == kOk && index == i);
    InitString(&text, "unchanged");
    CHECK(v->getParameterNameText(face, id, &text) == kOk && strcmp(text.text, kParameters[i].name) == 0);
    CHECK(v->countParameterSteps(face, id, &steps) == kOk && steps == kParameters[i].steps);
    CHECK(v->getParameterKind(face, id, &kind) == kOk && kind == kParameters[i].kind);
    CHECK(v->getParameterNormalized(face, id, &normalized) == kOk && normalized == kParameters[i].normalized);
    CHECK(v->getParameterDefault(face, id, &byDefault) == kOk && byDefault == kParameters[i].normalized);
    CHECK(v->getParameterAuxValue(face, id, &aux) == kOk && aux == 0);
    /* A bool is one byte. */
    CHECK(v->isParameterAutomatable(face, id, automatable) == kOk && automatable[0] == 1 && automatable[1] == 0x55);
    InitString(&text, "unchanged");
    CHECK(v->formatCurrentParameterValue(face, id, &text, 32) == kOk);
    if (strcmp(text.text, kParameters[i].text) != 0)
      printf("%s shows \"%s\"\n", id, text.text);
    CHECK(strcmp(text.text, kParameters[i].text) == 0);
  }
  CHECK(v->countParameters(face, &count) == kOk && count == kHostParameters);
  InitString(&text, "unchanged");
  CHECK(v->getMasterBypassId(face, &text) == kOk && strcmp(text.text, "MasterBypassID") == 0);
}

static void CheckParameterQueries(EffectParameters* face)
{
  static const struct
  {
    const char* id;
    double normalized;
    int32_t limit;
    const char* text;
  } formats[] = {
      {"1", 0.255, 32, "25.50%"},        {"1", 0.5, 6, "50.00%"}, {"1", 0.5, 5, "50.00"},
      {"MasterBypassID", 1.0, 32, "on"}, {"11", 1.0, 32, "on"},   {"11", 0.0, 32, "off"},
  };
  static const struct
  {
    const char* id;
    int32_t limit;
    const char* text;
  } shortened[] = {{"1", 32, "Effect Amount"}, {"1", 4, "Effe"}, {"1", 0, ""}};
  static const struct
  {
    const char* id;
    const char* text;
    int32_t result;
    double normalized;
  } parses[] = {
      {"1", "25%", kOk, 0.25},     {"1", "25", kOk, 0.25},         {"11", "on", kOk, 1.0},
      {"11", "On", kNoText, -1.0}, {"3", "1", kNoParameter, -1.0},
  };
  const EffectParametersVtbl* v = face->vtbl;
  HostString text, input;
  ParameterObject* parameter = NULL;
  int32_t index = 0;
  double value;
  size_t i;

  for (i = 0; i < sizeof formats / sizeof formats[0]; ++i)
  {
    InitString(&text, "unchanged");
    CHECK(v->formatParameterValue(face, formats[i].id, formats[i].normalized, &text, formats[i].limit) == kOk);
    if (strcmp(text.text, formats[i].text) != 0)
      printf("%s at %g (limit %d) shows \"%s\"\n", formats[i].id, formats[i].normalized, (int)formats[i].limit,
             text.text);
    CHECK(strcmp(text.text, formats[i].text) == 0);
  }
  for (i = 0; i < sizeof shortened / sizeof shortened[0]; ++i)
  {
    InitString(&text, "unchanged");
    CHECK(v->getParameterShortenedName(face, shortened[i].id, &text, shortened[i].limit) == kOk);
    CHECK(strcmp(text.text, shortened[i].text) == 0);
  }
  CHECK(v->getParameterShortenedName(face, "1", NULL, 4) == kNoText);
  /* The module reads the host's text through the string table. */
  for (i = 0; i < sizeof parses / sizeof parses[0]; ++i)
  {
    value = -1.0;
    InitString(&input, parses[i].text);
    CHECK(v->parseParameterText(face, parses[i].id, &value, &input) == parses[i].result);
    if (parses[i].result == kOk)
      CHECK(value == parses[i].normalized);
  }

  /* Unknown identifiers and positions. */
  InitString(&text, "unchanged");
  CHECK(v->parameterIdAt(face, kHostParameters, &text) == kNoParameter && text.text[0] == 0);
  CHECK(v->parameterIdAt(face, -1, &text) == kNoParameter);
  CHECK(v->indexOfParameter(face, "3", &index) == kNoParameter && index == -1);
  InitString(&text, "unchanged");
  CHECK(v->getParameterNameText(face, "3", &text) == kOk && text.text[0] == 0);
  CHECK(v->getParameterNormalized(face, "19", &value) == kNoParameter);

  /* The parameter object itself, through its own table. */
  CHECK(v->findParameterObject(face, "2", (void**)&parameter) == kOk && parameter != NULL);
  if (parameter)
  {
    CHECK(strcmp(parameter->vtbl->identifier(parameter, NULL), "2") == 0);
    CHECK(parameter->vtbl->isAutomatable(parameter, NULL) == 1);
    CHECK(parameter->vtbl->normalizedValue(parameter, NULL) == 1.0);
    CHECK(parameter->vtbl->stepCount(parameter, NULL) == 128);
    CHECK(parameter->vtbl->kind(parameter, NULL) == 1);
  }
  CHECK(v->findParameterObject(face, "3", (void**)&parameter) == kNoParameter && parameter == NULL);

  /* A default moved and back. */
  CHECK(v->setParameterDefault(face, "1", 0.3) == kOk);
  CHECK(v->getParameterDefault(face, "1", &value) == kOk && fabs(value - 0.3) < 1e-12);
  CHECK(v->setParameterDefault(face, "1", 0.5) == kOk);
}

/* Slots whose meaning lies with the host take exactly their argument lists
 * and answer as they should. */
static void CheckHostSlots(EffectParameters* face)
{
  static const struct
  {
    int slot;
    int values;
    int32_t result;
  } slots[] = {{19, 3, kNotSupported}, {28, 2, kOk}, {40, 0, kOk},           {41, 4, kNotSupported}, {42, 4, kOk},
               {43, 3, kOk},           {44, 0, kOk}, {45, 1, kNotSupported}, {46, 2, kOk},           {47, 2, kOk}};
  const void* const* table = (const void* const*)face->vtbl;
  size_t i;
  for (i = 0; i < sizeof slots / sizeof slots[0]; ++i)
  {
    int32_t answer = 77;
    uint32_t args[5] = {(uint32_t)(uintptr_t)face, 3, 5, 7, 9};
    int balanced = 0;
    int32_t result;
    /* Slots 19 and 42 write an int32 through their last value. */
    if (slots[i].slot == 19 || slots[i].slot == 42)
      args[slots[i].values] = (uint32_t)(uintptr_t)&answer;
    result = CallCounted(table[slots[i].slot], args, slots[i].values + 1, &balanced);
    if (!balanced || result != slots[i].result)
      printf("slot %d: result %d, %s\n", slots[i].slot, (int)result, balanced ? "balanced" : "stack not balanced");
    CHECK(balanced && result == slots[i].result);
    if (slots[i].slot == 19 || slots[i].slot == 42)
      CHECK(answer == 0);
  }
  {
    int32_t on = 1;
    CHECK(face->vtbl->receiveNotification(face, FOURCC('A', 'S', 'P', 'v'), &on, 4) == kOk);
    CHECK(face->vtbl->receiveNotification(face, 0x12345678, NULL, 0) == kOk);
  }
  ClearLog();
  CHECK(face->vtbl->dispatchParameterPackets(face) == kOk);
  CHECK(LogCount() == 0);
}

/* ---- changes both ways ---------------------------------------------------------------- */

static int32_t Changes(EffectParameters* face)
{
  int32_t changes = -1;
  face->vtbl->countChanges(face, &changes);
  return changes;
}

static double Normalized(EffectParameters* face, const char* id)
{
  double value = -1.0;
  face->vtbl->getParameterNormalized(face, id, &value);
  return value;
}

static void CheckChanges(EffectParameters* face)
{
  const EffectParametersVtbl* v = face->vtbl;
  int32_t changes = Changes(face);
  HostString text;

  /* The host's update is the value, and reported back once. */
  ClearLog();
  CHECK(v->updateParameterFromHost(face, "1", 0.25, 0) == kOk);
  CHECK(v->updateParameterFromHost(face, "1", 0.25, 0) == kOk);
  {
    static const char* const expected[] = {"automation.PostCurrentValue(1,0.25)"};
    CHECK(LogIs("automation.", expected, 1));
  }
  CHECK(Normalized(face, "1") == 0.25);
  CHECK(Changes(face) == changes + 2);
  CHECK(v->updateParameterFromHost(face, "19", 0.5, 0) == kNoParameter);
  CHECK(v->updateParameterFromHost(face, "3", 0.5, 0) == kNoParameter);
  CHECK(Changes(face) == changes + 2);

  /* The plug-in's changes are requests: the value waits for the host. */
  ClearLog();
  CHECK(v->requestParameterNormalized(face, "2", 0.5) == kOk);
  CHECK(v->requestParameterDelta(face, "1", 0.9) == kOk);
  CHECK(v->touchParameter(face, "11") == kOk);
  CHECK(v->releaseParameter(face, "11") == kOk);
  {
    static const char* const expected[] = {
        "automation.PostTouch(2)",  "automation.PostSetValueRequest(2,0.5)", "automation.PostReleaseTouch(2)",
        "automation.PostTouch(1)",  "automation.PostSetValueRequest(1,1)",   "automation.PostReleaseTouch(1)",
        "automation.PostTouch(11)", "automation.PostReleaseTouch(11)"};
    CHECK(LogIs("automation.", expected, 8));
  }
  CHECK(Normalized(face, "2") == 1.0 && Normalized(face, "1") == 0.25);

  ClearLog();
  CHECK(v->updateParameterDeltaFromHost(face, "2", -0.25) == kOk);
  CHECK(v->updateParameterFromHost(face, "MasterBypassID", 1.0, 0) == kOk);
  InitString(&text, "unchanged");
  v->formatCurrentParameterValue(face, "MasterBypassID", &text, 32);
  CHECK(strcmp(text.text, "on") == 0);
  CHECK(v->updateParameterFromHost(face, "MasterBypassID", 0.0, 0) == kOk);
  {
    static const char* const expected[] = {"automation.PostCurrentValue(2,0.75)",
                                           "automation.PostCurrentValue(MasterBypassID,1)",
                                           "automation.PostCurrentValue(MasterBypassID,0)"};
    CHECK(LogIs("automation.", expected, 3));
  }
  CHECK(Normalized(face, "2") == 0.75);

  /* A value that is not a number changes nothing. */
  ClearLog();
  CHECK(v->updateParameterFromHost(face, "2", NAN, 0) == kNoText);
  CHECK(v->requestParameterNormalized(face, "2", NAN) == kNoText);
  CHECK(Normalized(face, "2") == 0.75 && LogCount() == 0);
}

/* A host's null out-pointer is refused, never written through. */
static void CheckNullOuts(EffectParameters* face)
{
  const EffectParametersVtbl* v = face->vtbl;
  unsigned char record[kRecordBytes];
  MakeRecord(record, kPlugChunkId, NULL, 0);
  CHECK(v->countParameters(face, NULL) == kRefused);
  CHECK(v->getParameterNormalized(face, "1", NULL) == kRefused);
  CHECK(v->parameterIdAt(face, 0, NULL) == kNoText); /* an out string missing */
  CHECK(v->chunkIdAt(face, 0, NULL) == kRefused);
  CHECK(v->getChunkByteSize(face, kPlugChunkId, NULL) == kRefused);
  CHECK(v->compareChunk(face, record, NULL) == kRefused);
  CHECK(v->countChanges(face, NULL) == kRefused);
  CHECK(v->writeChunk(face, kPlugChunkId, NULL) == kRefused);
  CHECK(v->readChunk(face, kPlugChunkId, NULL) == kRefused);
}

/* ---- the state chunk --------------------------------------------------------------------- */

static void PutWord(unsigned char* at, uint32_t word)
{
  int i;
  for (i = 0; i < 4; ++i)
    at[i] = (unsigned char)(word >> (8 * i));
}

static void PutDouble(unsigned char* at, double value)
{
  uint64_t bits;
  int i;
  memcpy(&bits, &value, 8);
  for (i = 0; i < 8; ++i)
    at[i] = (unsigned char)(bits >> (8 * i));
}

/* The data of a record, after its header. */
static unsigned char* Data(unsigned char* record) { return record + sizeof(ChunkHeader); }

void MakeRecord(unsigned char* record, uint32_t chunkId, const double* values, int32_t size)
{
  ChunkHeader* header = (ChunkHeader*)record;
  int i;
  memset(record, 0xAB, kRecordBytes);
  PutWord(header->size, (uint32_t)size);
  PutWord(header->version, 0x11223344);
  PutWord(header->chunkId, chunkId);
  memset(header->name, 0, sizeof header->name);
  strcpy(header->name, "host's own name");
  if (values)
    for (i = 0; i < kPlugParameters; ++i)
      PutDouble(Data(record) + 8 * i, values[i]);
}

static int WriteState(EffectParameters* face, unsigned char* record)
{
  MakeRecord(record, kPlugChunkId, NULL, 0);
  return face->vtbl->writeChunk(face, kPlugChunkId, record) == kOk;
}

static int Equal(EffectParameters* face, const unsigned char* record)
{
  uint8_t equal[2] = {0x55, 0x55};
  if (face->vtbl->compareChunk(face, record, equal) != kOk || equal[1] != 0x55)
    return -1;
  return equal[0];
}

/* What the state becomes when a chunk of size bytes is read, as every
 * module reads host state: each whole, finite value that is there; a value
 * cut short, missing or not finite keeps the current one. */
static void ReadAsHostState(double* state, const double* data, int32_t size)
{
  int i;
  for (i = 0; i < kPlugParameters && 8 * (i + 1) <= size; ++i)
    if (isfinite(data[i]))
      state[i] = data[i];
}

/* The host answers the requests of the log as a host does: each value
 * requested is applied. */
static void AnswerRequests(EffectParameters* face)
{
  int i;
  for (i = 0; i < LogCount(); ++i)
  {
    char id[32];
    double value;
    if (sscanf(LogEntry(i), "automation.PostSetValueRequest(%31[^,],%lf)", id, &value) == 2)
      face->vtbl->updateParameterFromHost(face, id, value, 0);
  }
}

static void CheckChunks(EffectParameters* face)
{
  const EffectParametersVtbl* v = face->vtbl;
  /* After the changes above: 25 %, 75 %, the bands as they start. */
  double state[kPlugParameters] = {25, 75, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0};
  static const double restored[kPlugParameters] = {70, 40, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 1, 1};
  static unsigned char record[kRecordBytes], expected[kRecordBytes], got[kRecordBytes];
  char requests[3 * 10][64];
  const char* list[3 * 10];
  int32_t count = -1, size = 77, changes;
  uint32_t chunkId = 99;
  int i, n;

  CHECK(v->countChunks(face, &count) == kOk && count == 1);
  CHECK(v->chunkIdAt(face, 0, &chunkId) == kOk && chunkId == kPlugChunkId);
  chunkId = 99;
  CHECK(v->chunkIdAt(face, 1, &chunkId) == kBadChunkIndex && chunkId == 0);
  CHECK(v->getChunkByteSize(face, kPlugChunkId, &size) == kOk && size == kStateBytes);
  size = 77;
  CHECK(v->getChunkByteSize(face, kDefaultChunkId, &size) == kUnknownChunk && size == 0);

  /* Only the size and the data are written. */
  MakeRecord(expected, kPlugChunkId, state, kStateBytes);
  CHECK(WriteState(face, record));
  CHECK(memcmp(record, expected, kRecordBytes) == 0);
  CHECK(Equal(face, record) == 1);
  memcpy(got, record, kRecordBytes);
  PutDouble(Data(got), 25.001);
  CHECK(Equal(face, got) == 0);
  PutDouble(Data(got), 25.0000001);
  CHECK(Equal(face, got) == 1);
  PutWord(((ChunkHeader*)got)->chunkId, kDefaultChunkId);
  PutDouble(Data(got), 99.0);
  CHECK(Equal(face, got) == 1); /* not ours: nothing to compare */
  CHECK(v->writeChunk(face, kDefaultChunkId, got) == kUnknownChunk);
  CHECK(v->readChunk(face, kDefaultChunkId, got) == kUnknownChunk);

  /* A chunk read: the state at once, and a request to the host for every
   * parameter it sees, which the host then answers. */
  MakeRecord(record, kPlugChunkId, restored, kStateBytes);
  changes = Changes(face);
  ClearLog();
  CHECK(v->readChunk(face, kPlugChunkId, record) == kOk);
  CHECK(Changes(face) == changes + 1);
  for (i = 1, n = 0; i < kHostParameters; ++i)
  {
    int plug = i < 3 ? i - 1 : i + 7;
    double normalized = plug < 2 ? restored[plug] / 100.0 : restored[plug];
    snprintf(requests[n], sizeof requests[n], "automation.PostTouch(%s)", kIds[i]);
    snprintf(requests[n + 1], sizeof requests[n + 1], "automation.PostSetValueRequest(%s,%.17g)", kIds[i], normalized);
    snprintf(requests[n + 2], sizeof requests[n + 2], "automation.PostReleaseTouch(%s)", kIds[i]);
    n += 3;
  }
  for (i = 0; i < n; ++i)
    list[i] = requests[i];
  CHECK(LogIs("automation.", list, n));
  CHECK(Normalized(face, "1") == 0.25);
  CHECK(WriteState(face, got) && memcmp(Data(got), Data(record), kStateBytes) == 0);
  AnswerRequests(face);
  CHECK(fabs(Normalized(face, "1") - 0.7) < 1e-12 && Normalized(face, "11") == 1.0 && Normalized(face, "12") == 0.0);
  CHECK(WriteState(face, got) && memcmp(Data(got), Data(record), kStateBytes) == 0);
  CHECK(Equal(face, record) == 1);
  memcpy(state, restored, sizeof state);

  /* Short data: what is there; a negative size changes nothing. A record
   * too short for the whole state does not match it. */
  {
    static const int32_t sizes[] = {100, 0, -8};
    double data[kPlugParameters] = {10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0};
    data[1] = NAN;
    for (i = 0; i < 3; ++i)
    {
      MakeRecord(record, kPlugChunkId, data, sizes[i]);
      CHECK(v->readChunk(face, kPlugChunkId, record) == (sizes[i] < 0 ? kBadChunkSize : kOk));
      ReadAsHostState(state, data, sizes[i]);
      MakeRecord(expected, kPlugChunkId, state, kStateBytes);
      CHECK(WriteState(face, got) && memcmp(got, expected, kRecordBytes) == 0);
    }
    MakeRecord(record, kPlugChunkId, state, 100);
    CHECK(Equal(face, record) == 0);
  }
}

void CheckInstance(const Exports* exports, const Callbacks* callbacks, Instance* instance)
{
  instance->face = CheckFaces(exports, callbacks);
  if (!instance->face)
    return;
  CheckInitialisation(instance);
  CheckParameterTable(instance->face);
  CheckParameterQueries(instance->face);
  CheckHostSlots(instance->face);
  CheckChanges(instance->face);
  CheckNullOuts(instance->face);
  CheckChunks(instance->face);
}
