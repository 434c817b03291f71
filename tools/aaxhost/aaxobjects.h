/* The host's objects and what the host's parts share: faces with their
 * reference ledger, the call log, the controller and view objects of a
 * running effect, algorithm contexts, and the checks of each part. */
#ifndef AAXOBJECTS_H
#define AAXOBJECTS_H

#include <windows.h>

#include "aaxhost.h"

/* ---- faces and the reference ledger ------------------------------------------- */

/* One interface of a host object: the module holds a pointer to it, so the
 * vtable pointer comes first. Every face keeps in the ledger the references
 * the module holds on it; all start at 0 and must end there. */
typedef struct HostObject HostObject;
typedef struct
{
  const void* vtbl;
  HostObject* owner;
  const unsigned char* iid; /* the identifier that answers this face */
  char name[24];
  volatile LONG refs;
  LONG peak;      /* the most references held at once */
  LONG zeroStamp; /* the release that brought refs back to 0, or 0 */
} HostFace;

enum
{
  kMaxFaces = 6
};

struct HostObject
{
  HostFace faces[kMaxFaces];
  int faceCount;
  unsigned withdrawn; /* faces that refuse to be queried, by bit */
  int logQueries;     /* the description's objects log the queries too */
  /* The editor's host object answers the effect-parameters identifier by
   * querying this object for it. */
  UnknownObject* effectParameters;
  /* Scripted answers of a controller. */
  float sampleRate;
  uint32_t inputLayout;
  uint32_t outputLayout;
  /* Of a view container: its native window. */
  void* nativeView;
};

/* Empties the ledger (the faces of the last round are forgotten). */
void ResetLedger(void);
void InitObject(HostObject* object);
HostFace* AddFace(HostObject* object, const void* vtbl, const unsigned char* iid, const char* name);
/* The three IACFUnknown slots of every face: a query answers the object's
 * faces by identifier (IACFUnknown: its first face), and logs itself when
 * the object says so. */
int32_t STDCALL FaceQuery(void* self, const void* iid, void** out);
int32_t STDCALL FaceAddRef(void* self);
int32_t STDCALL FaceRelease(void* self);
/* Whether every face of the ledger is back to 0; names those that are not. */
int LedgerBalanced(void);
/* An object that goes out of scope leaves the ledger: whether its faces
 * are back to 0. */
int RetireObject(HostObject* object);
/* The name of the face at this address, "null", or "unknown". */
const char* FaceName(const void* face);

/* Releases in order, each with its stamp (1, 2, ...), for the order of
 * destruction. */
int ReleaseCount(void);
const HostFace* ReleasedFace(int stamp);

/* ---- the call log ---------------------------------------------------------------- */

/* "face.Operation(arguments)", one entry per call, from every thread. */
void ClearLog(void);
void LogCall(const void* face, const char* format, ...);
int LogCount(void);
const char* LogEntry(int index);
/* Whether the entries that start with prefix (all for null) are expected,
 * in order; prints the first difference. */
int LogIs(const char* prefix, const char* const* expected, int count);

/* Slots whose meaning lies with the host, with n values: each logs
 * "face.Call(values)" and answers 0. A slot the module has no use for
 * fails the run and answers -20009. */
int32_t STDCALL LogUnexpected(void* self);
int32_t STDCALL LogValues1(void* self, int32_t a);
int32_t STDCALL LogValues2(void* self, int32_t a, int32_t b);
int32_t STDCALL LogValues3(void* self, int32_t a, int32_t b, int32_t c);
int32_t STDCALL LogValues4(void* self, int32_t a, int32_t b, int32_t c, int32_t d);
int32_t STDCALL LogValues5(void* self, int32_t a, int32_t b, int32_t c, int32_t d, int32_t e);

/* ---- objects of a running effect ------------------------------------------------ */

/* A controller host object: faces controller, controller:2, automation,
 * transport and transport:2, each name followed by suffix. It answers the
 * sample rate and the layouts of channels (1 or 2) inputs and outputs. */
void InitController(HostObject* object, const char* suffix, float sampleRate, int channels);
uint32_t LayoutOf(int channels);
/* A view container whose native window is window. */
void InitContainer(HostObject* object, const char* name, void* window);

/* The context objects every block carries: transport node and input MIDI
 * node, and how often the module called their operations. */
void* TransportNode(void);
void* MidiNode(void);
LONG TransportNodeCalls(void);
LONG MidiNodeCalls(void);
/* A context of a block: buffers, frames, the two nodes and the private-data
 * cell. */
void FillContext(AlgorithmContext* context, float** ins, float** outs, int32_t* frames, void* const* cell);

/* ---- standard output ---------------------------------------------------------------- */

/* What the module prints between the two calls goes into text (NUL
 * terminated); the module and the host share the C runtime's stdout. */
void BeginCapture(void);
void EndCapture(char* text, int size);
/* Occurrences of line (a whole line, with its newline) in text. */
int CountLines(const char* text, const char* line);

/* ---- the parts of the scripted run -------------------------------------------------- */

typedef struct
{
  CreateCallbackFn createEffect; /* id 0 */
  CreateCallbackFn createGui;    /* id 1 */
  ProcessCallbackFn process;
} Callbacks;

/* aaxdescription.c: the host object that ACFStartup and ACFRegisterPlugin
 * get, with its object factory; made anew for each round. */
void ResetRegistration(void);
HostObject* RegistrationHost(void);
/* Host-services objects the factory has made; the last object made with
 * this name. */
int HostServicesMade(void);
const HostFace* MadeFace(const char* name);
/* The description, accepted and refused; the callbacks of the accepted one
 * (null when none came). */
void CheckRegistration(const Exports* exports, Callbacks* callbacks);
/* The description as a host without checks takes it, for the render. */
int Register(const Exports* exports, Callbacks* callbacks);

/* aaxinstance.c: an object's interface by identifier (null when refused),
 * and a reference given back; an effect-parameters object made by callback
 * 0, queried and initialised with its own controller. */
void* Query(void* object, const unsigned char* iid);
void Release(void* object);
typedef struct
{
  EffectParameters* face;
  HostObject controller;
  void* cell; /* the private-data cell of its contexts */
} Instance;
int OpenInstance(Instance* instance, const Callbacks* callbacks, const char* suffix, float sampleRate, int channels);
/* Uninitialised and released; false when that was not its last reference. */
int CloseInstance(Instance* instance);
/* One block through the process callback, one context. */
void ProcessBlock(const Callbacks* callbacks, Instance* instance, float** ins, float** outs, int32_t frames);
/* A chunk record as this host lays it out: its own version, identifier
 * and name, the values as the plug-in's state, every other byte 0xAB. */
enum
{
  kPlugParameters = 18,
  kStateBytes = 8 * kPlugParameters,
  kRecordBytes = sizeof(ChunkHeader) + 256
};
void MakeRecord(unsigned char* record, uint32_t chunkId, const double* values, int32_t size);
/* Faces, initialisation, parameters, changes and chunks. */
void CheckInstance(const Exports* exports, const Callbacks* callbacks, Instance* instance);
int32_t ReferencesOf(void* face);

/* aaxaudio.c */
void CheckAudio(const Callbacks* callbacks, Instance* instance);

/* aaxeditor.c */
void CheckEditor(const Exports* exports, const Callbacks* callbacks, Instance* instance);

/* aaxstress.c */
void StressRun(const Callbacks* callbacks);

#endif
