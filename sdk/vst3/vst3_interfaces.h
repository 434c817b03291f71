#pragma once

// The VST3 interfaces and records the module offers or calls, in the
// published vtable order and layout (8-byte packing, as on Windows).

#include "vst3_base.h"

#include <cstddef>

namespace Steinberg
{
#pragma pack(push, 8)

class IBStream;
class IPlugView;
class IPlugFrame;

// ---- plug-in factory ------------------------------------------------------

struct PFactoryInfo
{
  enum : int32
  {
    kUnicode = 1 << 4
  };
  char8 vendor[64];
  char8 url[256];
  char8 email[128];
  int32 flags;
};

struct PClassInfo
{
  enum : int32
  {
    kManyInstances = 0x7FFFFFFF
  };
  TUID cid;
  int32 cardinality;
  char8 category[32];
  char8 name[64];
};

struct PClassInfo2
{
  TUID cid;
  int32 cardinality;
  char8 category[32];
  char8 name[64];
  uint32 classFlags;
  char8 subCategories[128];
  char8 vendor[64];
  char8 version[64];
  char8 sdkVersion[64];
};

struct PClassInfoW
{
  TUID cid;
  int32 cardinality;
  char8 category[32];
  char16 name[64];
  uint32 classFlags;
  char8 subCategories[128];
  char16 vendor[64];
  char16 version[64];
  char16 sdkVersion[64];
};

class IPluginBase : public FUnknown
{
public:
  virtual tresult PLUGIN_API initialize(FUnknown* context) = 0;
  virtual tresult PLUGIN_API terminate() = 0;
  ZL_DECLARE_IID(IPluginBase, 0x22888DDB, 0x156E45AE, 0x8358B348, 0x08190625);
};

class IPluginFactory : public FUnknown
{
public:
  virtual tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) = 0;
  virtual int32 PLUGIN_API countClasses() = 0;
  virtual tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) = 0;
  virtual tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) = 0;
  ZL_DECLARE_IID(IPluginFactory, 0x7A4D811C, 0x52114A1F, 0xAED9D2EE, 0x0B43BF9F);
};

class IPluginFactory2 : public IPluginFactory
{
public:
  virtual tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) = 0;
  ZL_DECLARE_IID(IPluginFactory2, 0x0007B650, 0xF24B4C0B, 0xA464EDB9, 0xF00B2ABB);
};

class IPluginFactory3 : public IPluginFactory2
{
public:
  virtual tresult PLUGIN_API getClassInfoUnicode(int32 index, PClassInfoW* info) = 0;
  virtual tresult PLUGIN_API setHostContext(FUnknown* context) = 0;
  ZL_DECLARE_IID(IPluginFactory3, 0x4555A2AB, 0xC1234E57, 0x9B122910, 0x36878931);
};

// ---- host ------------------------------------------------------------------

class IHostApplication : public FUnknown
{
public:
  virtual tresult PLUGIN_API getName(String128 name) = 0;
  virtual tresult PLUGIN_API createInstance(TUID cid, TUID iid, void** obj) = 0;
  ZL_DECLARE_IID(IHostApplication, 0x58E595CC, 0xDB2D4969, 0x8B6AAF8C, 0x36A664E5);
};

class IBStream : public FUnknown
{
public:
  enum : int32
  {
    kIBSeekSet = 0,
    kIBSeekCur,
    kIBSeekEnd
  };
  virtual tresult PLUGIN_API read(void* buffer, int32 numBytes, int32* numBytesRead) = 0;
  virtual tresult PLUGIN_API write(void* buffer, int32 numBytes, int32* numBytesWritten) = 0;
  virtual tresult PLUGIN_API seek(int64 pos, int32 mode, int64* result) = 0;
  virtual tresult PLUGIN_API tell(int64* pos) = 0;
  ZL_DECLARE_IID(IBStream, 0xC3BF6EA2, 0x30994752, 0x9B6BF990, 0x1EE33E9B);
};

class IAttributeList;

class IMessage : public FUnknown
{
public:
  virtual FIDString PLUGIN_API getMessageID() = 0;
  virtual void PLUGIN_API setMessageID(FIDString id) = 0;
  virtual IAttributeList* PLUGIN_API getAttributes() = 0;
  ZL_DECLARE_IID(IMessage, 0x936F033B, 0xC6C047DB, 0xBB0882F8, 0x13C1E613);
};

class IConnectionPoint : public FUnknown
{
public:
  virtual tresult PLUGIN_API connect(IConnectionPoint* other) = 0;
  virtual tresult PLUGIN_API disconnect(IConnectionPoint* other) = 0;
  virtual tresult PLUGIN_API notify(IMessage* message) = 0;
  ZL_DECLARE_IID(IConnectionPoint, 0x70A4156F, 0x6E6E4026, 0x989148BF, 0xAA60D8D1);
};

namespace Vst
{
typedef uint32 ParamID;
typedef double ParamValue;
typedef int32 UnitID;
typedef int32 ProgramListID;
typedef int32 MediaType;
typedef int32 BusDirection;
typedef int32 BusType;
typedef int32 IoMode;
typedef int32 KnobMode;
typedef int16 CtrlNumber;
typedef uint64 SpeakerArrangement;
typedef double SampleRate;
typedef int64 TSamples;
typedef double TQuarterNotes;
typedef float Sample32;
typedef double Sample64;

enum : MediaType
{
  kAudio = 0,
  kEvent = 1
};
enum : BusDirection
{
  kInput = 0,
  kOutput = 1
};
enum : BusType
{
  kMain = 0,
  kAux = 1
};
enum : int32
{
  kRealtime = 0,
  kPrefetch = 1,
  kOffline = 2
};
enum : int32
{
  kSample32 = 0,
  kSample64 = 1
};
constexpr UnitID kRootUnitId = 0;
constexpr UnitID kNoParentUnitId = -1;
constexpr ProgramListID kNoProgramListId = -1;

namespace SpeakerArr
{
constexpr SpeakerArrangement kEmpty = 0;
constexpr SpeakerArrangement kMono = 1 << 19;
constexpr SpeakerArrangement kStereo = 0x3;
}

struct BusInfo
{
  enum : uint32
  {
    kDefaultActive = 1 << 0
  };
  MediaType mediaType;
  BusDirection direction;
  int32 channelCount;
  String128 name;
  BusType busType;
  uint32 flags;
};

struct RoutingInfo
{
  MediaType mediaType;
  int32 busIndex;
  int32 channel;
};

class IComponent : public IPluginBase
{
public:
  virtual tresult PLUGIN_API getControllerClassId(TUID classId) = 0;
  virtual tresult PLUGIN_API setIoMode(IoMode mode) = 0;
  virtual int32 PLUGIN_API getBusCount(MediaType type, BusDirection dir) = 0;
  virtual tresult PLUGIN_API getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& bus) = 0;
  virtual tresult PLUGIN_API getRoutingInfo(RoutingInfo& inInfo, RoutingInfo& outInfo) = 0;
  virtual tresult PLUGIN_API activateBus(MediaType type, BusDirection dir, int32 index, TBool state) = 0;
  virtual tresult PLUGIN_API setActive(TBool state) = 0;
  virtual tresult PLUGIN_API setState(IBStream* state) = 0;
  virtual tresult PLUGIN_API getState(IBStream* state) = 0;
  ZL_DECLARE_IID(IComponent, 0xE831FF31, 0xF2D54301, 0x928EBBEE, 0x25697802);
};

// ---- processing ------------------------------------------------------------

struct ProcessSetup
{
  int32 processMode;
  int32 symbolicSampleSize;
  int32 maxSamplesPerBlock;
  SampleRate sampleRate;
};

struct AudioBusBuffers
{
  int32 numChannels;
  uint64 silenceFlags;
  union
  {
    Sample32** channelBuffers32;
    Sample64** channelBuffers64;
  };
};

struct Chord
{
  uint8 keyNote;
  uint8 rootNote;
  int16 chordMask;
};

struct FrameRate
{
  uint32 framesPerSecond;
  uint32 flags;
};

struct ProcessContext
{
  enum : uint32
  {
    kPlaying = 1 << 1,
    kCycleActive = 1 << 2,
    kRecording = 1 << 3,
    kSystemTimeValid = 1 << 8,
    kContTimeValid = 1 << 17,
    kProjectTimeMusicValid = 1 << 9,
    kBarPositionValid = 1 << 11,
    kCycleValid = 1 << 12,
    kTempoValid = 1 << 10,
    kTimeSigValid = 1 << 13,
    kChordValid = 1 << 18,
    kSmpteValid = 1 << 14,
    kClockValid = 1 << 15
  };
  uint32 state;
  double sampleRate;
  TSamples projectTimeSamples;
  int64 systemTime;
  TSamples continousTimeSamples;
  TQuarterNotes projectTimeMusic;
  TQuarterNotes barPositionMusic;
  TQuarterNotes cycleStartMusic;
  TQuarterNotes cycleEndMusic;
  double tempo;
  int32 timeSigNumerator;
  int32 timeSigDenominator;
  Chord chord;
  int32 smpteOffsetSubframes;
  FrameRate frameRate;
  int32 samplesToNextClock;
};

class IParamValueQueue : public FUnknown
{
public:
  virtual ParamID PLUGIN_API getParameterId() = 0;
  virtual int32 PLUGIN_API getPointCount() = 0;
  virtual tresult PLUGIN_API getPoint(int32 index, int32& sampleOffset, ParamValue& value) = 0;
  virtual tresult PLUGIN_API addPoint(int32 sampleOffset, ParamValue value, int32& index) = 0;
  ZL_DECLARE_IID(IParamValueQueue, 0x01263A18, 0xED074F6F, 0x98C9D356, 0x4686F9BA);
};

class IParameterChanges : public FUnknown
{
public:
  virtual int32 PLUGIN_API getParameterCount() = 0;
  virtual IParamValueQueue* PLUGIN_API getParameterData(int32 index) = 0;
  virtual IParamValueQueue* PLUGIN_API addParameterData(const ParamID& id, int32& index) = 0;
  ZL_DECLARE_IID(IParameterChanges, 0xA4779663, 0x0BB64A56, 0xB44384A8, 0x466FEB9D);
};

struct NoteOnEvent
{
  int16 channel;
  int16 pitch;
  float tuning;
  float velocity;
  int32 length;
  int32 noteId;
};

struct NoteOffEvent
{
  int16 channel;
  int16 pitch;
  float velocity;
  int32 noteId;
  float tuning;
};

struct DataEvent
{
  uint32 size;
  uint32 type;
  const uint8* bytes;
};

struct PolyPressureEvent
{
  int16 channel;
  int16 pitch;
  float pressure;
  int32 noteId;
};

struct NoteExpressionValueEvent
{
  uint32 typeId;
  int32 noteId;
  double value;
};

struct NoteExpressionTextEvent
{
  uint32 typeId;
  int32 noteId;
  uint32 textLen;
  const TChar* text;
};

struct Event
{
  enum : uint16
  {
    kNoteOnEvent = 0,
    kNoteOffEvent,
    kDataEvent,
    kPolyPressureEvent,
    kNoteExpressionValueEvent,
    kNoteExpressionTextEvent
  };
  int32 busIndex;
  int32 sampleOffset;
  TQuarterNotes ppqPosition;
  uint16 flags;
  uint16 type;
  union
  {
    NoteOnEvent noteOn;
    NoteOffEvent noteOff;
    DataEvent data;
    PolyPressureEvent polyPressure;
    NoteExpressionValueEvent noteExpressionValue;
    NoteExpressionTextEvent noteExpressionText;
  };
};

class IEventList : public FUnknown
{
public:
  virtual int32 PLUGIN_API getEventCount() = 0;
  virtual tresult PLUGIN_API getEvent(int32 index, Event& e) = 0;
  virtual tresult PLUGIN_API addEvent(Event& e) = 0;
  ZL_DECLARE_IID(IEventList, 0x3A2C4214, 0x346349FE, 0xB2C4F397, 0xB9695A44);
};

struct ProcessData
{
  int32 processMode;
  int32 symbolicSampleSize;
  int32 numSamples;
  int32 numInputs;
  int32 numOutputs;
  AudioBusBuffers* inputs;
  AudioBusBuffers* outputs;
  IParameterChanges* inputParameterChanges;
  IParameterChanges* outputParameterChanges;
  IEventList* inputEvents;
  IEventList* outputEvents;
  ProcessContext* processContext;
};

class IAudioProcessor : public FUnknown
{
public:
  virtual tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                SpeakerArrangement* outputs, int32 numOuts) = 0;
  virtual tresult PLUGIN_API getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr) = 0;
  virtual tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) = 0;
  virtual uint32 PLUGIN_API getLatencySamples() = 0;
  virtual tresult PLUGIN_API setupProcessing(ProcessSetup& setup) = 0;
  virtual tresult PLUGIN_API setProcessing(TBool state) = 0;
  virtual tresult PLUGIN_API process(ProcessData& data) = 0;
  virtual uint32 PLUGIN_API getTailSamples() = 0;
  ZL_DECLARE_IID(IAudioProcessor, 0x42043F99, 0xB7DA453C, 0xA569E79D, 0x9AAEC33D);
};

// ---- controller ------------------------------------------------------------

struct ParameterInfo
{
  enum : int32
  {
    kCanAutomate = 1 << 0,
    kIsReadOnly = 1 << 1,
    kIsWrapAround = 1 << 2,
    kIsList = 1 << 3,
    kIsProgramChange = 1 << 15,
    kIsBypass = 1 << 16
  };
  ParamID id;
  String128 title;
  String128 shortTitle;
  String128 units;
  int32 stepCount;
  ParamValue defaultNormalizedValue;
  UnitID unitId;
  int32 flags;
};

enum RestartFlags : int32
{
  kReloadComponent = 1 << 0,
  kIoChanged = 1 << 1,
  kParamValuesChanged = 1 << 2,
  kLatencyChanged = 1 << 3,
  kParamTitlesChanged = 1 << 4,
};

class IComponentHandler : public FUnknown
{
public:
  virtual tresult PLUGIN_API beginEdit(ParamID id) = 0;
  virtual tresult PLUGIN_API performEdit(ParamID id, ParamValue valueNormalized) = 0;
  virtual tresult PLUGIN_API endEdit(ParamID id) = 0;
  virtual tresult PLUGIN_API restartComponent(int32 flags) = 0;
  ZL_DECLARE_IID(IComponentHandler, 0x93A0BEA3, 0x0BD045DB, 0x8E890B0C, 0xC1E46AC6);
};

class IContextMenu;

class IComponentHandler3 : public FUnknown
{
public:
  virtual IContextMenu* PLUGIN_API createContextMenu(IPlugView* plugView, const ParamID* paramID) = 0;
  ZL_DECLARE_IID(IComponentHandler3, 0x69F11617, 0xD26B400D, 0xA4B6B964, 0x7B6EBBAB);
};

class IEditController : public IPluginBase
{
public:
  virtual tresult PLUGIN_API setComponentState(IBStream* state) = 0;
  virtual tresult PLUGIN_API setState(IBStream* state) = 0;
  virtual tresult PLUGIN_API getState(IBStream* state) = 0;
  virtual int32 PLUGIN_API getParameterCount() = 0;
  virtual tresult PLUGIN_API getParameterInfo(int32 paramIndex, ParameterInfo& info) = 0;
  virtual tresult PLUGIN_API getParamStringByValue(ParamID id, ParamValue valueNormalized, String128 string) = 0;
  virtual tresult PLUGIN_API getParamValueByString(ParamID id, TChar* string, ParamValue& valueNormalized) = 0;
  virtual ParamValue PLUGIN_API normalizedParamToPlain(ParamID id, ParamValue valueNormalized) = 0;
  virtual ParamValue PLUGIN_API plainParamToNormalized(ParamID id, ParamValue plainValue) = 0;
  virtual ParamValue PLUGIN_API getParamNormalized(ParamID id) = 0;
  virtual tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) = 0;
  virtual tresult PLUGIN_API setComponentHandler(IComponentHandler* handler) = 0;
  virtual IPlugView* PLUGIN_API createView(FIDString name) = 0;
  ZL_DECLARE_IID(IEditController, 0xDCD7BBE3, 0x7742448D, 0xA874AACC, 0x979C759E);
};

class IEditController2 : public FUnknown
{
public:
  virtual tresult PLUGIN_API setKnobMode(KnobMode mode) = 0;
  virtual tresult PLUGIN_API openHelp(TBool onlyCheck) = 0;
  virtual tresult PLUGIN_API openAboutBox(TBool onlyCheck) = 0;
  ZL_DECLARE_IID(IEditController2, 0x7F4EFE59, 0xF3204967, 0xAC27A3AE, 0xAFB63038);
};

class IMidiMapping : public FUnknown
{
public:
  virtual tresult PLUGIN_API getMidiControllerAssignment(int32 busIndex, int16 channel,
                                                         CtrlNumber midiControllerNumber, ParamID& id) = 0;
  ZL_DECLARE_IID(IMidiMapping, 0xDF0FF9F7, 0x49B74669, 0xB63AB732, 0x7ADBF5E5);
};

struct UnitInfo
{
  UnitID id;
  UnitID parentUnitId;
  String128 name;
  ProgramListID programListId;
};

struct ProgramListInfo
{
  ProgramListID id;
  String128 name;
  int32 programCount;
};

class IUnitInfo : public FUnknown
{
public:
  virtual int32 PLUGIN_API getUnitCount() = 0;
  virtual tresult PLUGIN_API getUnitInfo(int32 unitIndex, UnitInfo& info) = 0;
  virtual int32 PLUGIN_API getProgramListCount() = 0;
  virtual tresult PLUGIN_API getProgramListInfo(int32 listIndex, ProgramListInfo& info) = 0;
  virtual tresult PLUGIN_API getProgramName(ProgramListID listId, int32 programIndex, String128 name) = 0;
  virtual tresult PLUGIN_API getProgramInfo(ProgramListID listId, int32 programIndex, CString attributeId,
                                            String128 attributeValue) = 0;
  virtual tresult PLUGIN_API hasProgramPitchNames(ProgramListID listId, int32 programIndex) = 0;
  virtual tresult PLUGIN_API getProgramPitchName(ProgramListID listId, int32 programIndex, int16 midiPitch,
                                                 String128 name) = 0;
  virtual UnitID PLUGIN_API getSelectedUnit() = 0;
  virtual tresult PLUGIN_API selectUnit(UnitID unitId) = 0;
  virtual tresult PLUGIN_API getUnitByBus(MediaType type, BusDirection dir, int32 busIndex, int32 channel,
                                          UnitID& unitId) = 0;
  virtual tresult PLUGIN_API setUnitProgramData(int32 listOrUnitId, int32 programIndex, IBStream* data) = 0;
  ZL_DECLARE_IID(IUnitInfo, 0x3D4BD6B5, 0x913A4FD2, 0xA886E768, 0xA5EB92C1);
};

struct IContextMenuItem
{
  String128 name;
  int32 tag;
  int32 flags;
};

class IContextMenuTarget : public FUnknown
{
public:
  virtual tresult PLUGIN_API executeMenuItem(int32 tag) = 0;
  ZL_DECLARE_IID(IContextMenuTarget, 0x3CDF2E75, 0x85D34144, 0xBF86D36B, 0xD7C4894D);
};

class IContextMenu : public FUnknown
{
public:
  virtual int32 PLUGIN_API getItemCount() = 0;
  virtual tresult PLUGIN_API getItem(int32 index, IContextMenuItem& item, IContextMenuTarget** target) = 0;
  virtual tresult PLUGIN_API addItem(const IContextMenuItem& item, IContextMenuTarget* target) = 0;
  virtual tresult PLUGIN_API removeItem(const IContextMenuItem& item, IContextMenuTarget* target) = 0;
  virtual tresult PLUGIN_API popup(int32 x, int32 y) = 0;
  ZL_DECLARE_IID(IContextMenu, 0x2E93C863, 0x0C9C4588, 0x97DBECF5, 0xAD17817D);
};
}

// ---- editor view -----------------------------------------------------------

namespace Vst
{
namespace ViewType
{
constexpr FIDString kEditor = "editor";
}
}

// The parent window a Windows host hands a view.
constexpr FIDString kPlatformTypeHWND = "HWND";

struct ViewRect
{
  int32 left;
  int32 top;
  int32 right;
  int32 bottom;
};

class IPlugView : public FUnknown
{
public:
  virtual tresult PLUGIN_API isPlatformTypeSupported(FIDString type) = 0;
  virtual tresult PLUGIN_API attached(void* parent, FIDString type) = 0;
  virtual tresult PLUGIN_API removed() = 0;
  virtual tresult PLUGIN_API onWheel(float distance) = 0;
  virtual tresult PLUGIN_API onKeyDown(char16 key, int16 keyCode, int16 modifiers) = 0;
  virtual tresult PLUGIN_API onKeyUp(char16 key, int16 keyCode, int16 modifiers) = 0;
  virtual tresult PLUGIN_API getSize(ViewRect* size) = 0;
  virtual tresult PLUGIN_API onSize(ViewRect* newSize) = 0;
  virtual tresult PLUGIN_API onFocus(TBool state) = 0;
  virtual tresult PLUGIN_API setFrame(IPlugFrame* frame) = 0;
  virtual tresult PLUGIN_API canResize() = 0;
  virtual tresult PLUGIN_API checkSizeConstraint(ViewRect* rect) = 0;
  ZL_DECLARE_IID(IPlugView, 0x5BC32507, 0xD06049EA, 0xA6151B52, 0x2B755B29);
};

class IPlugFrame : public FUnknown
{
public:
  virtual tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* newSize) = 0;
  ZL_DECLARE_IID(IPlugFrame, 0x367FAF01, 0xAFA94693, 0x8D4DA2A0, 0xED0882A3);
};

#pragma pack(pop)

// Record layouts hosts rely on, on both Windows architectures.
static_assert(sizeof(PFactoryInfo) == 452, "PFactoryInfo");
static_assert(sizeof(PClassInfo) == 116, "PClassInfo");
static_assert(sizeof(PClassInfo2) == 440, "PClassInfo2");
static_assert(offsetof(PClassInfo2, classFlags) == 116 && offsetof(PClassInfo2, sdkVersion) == 376, "PClassInfo2");
static_assert(sizeof(PClassInfoW) == 696, "PClassInfoW");
static_assert(offsetof(PClassInfoW, classFlags) == 180 && offsetof(PClassInfoW, vendor) == 312, "PClassInfoW");
static_assert(sizeof(Vst::BusInfo) == 276 && offsetof(Vst::BusInfo, busType) == 268, "BusInfo");
static_assert(sizeof(Vst::ProcessSetup) == 24 && offsetof(Vst::ProcessSetup, sampleRate) == 16, "ProcessSetup");
static_assert(sizeof(Vst::AudioBusBuffers) == (sizeof(void*) == 8 ? 24 : 24) &&
                  offsetof(Vst::AudioBusBuffers, silenceFlags) == 8 &&
                  offsetof(Vst::AudioBusBuffers, channelBuffers32) == 16,
              "AudioBusBuffers");
static_assert(sizeof(Vst::ProcessContext) == 112 && offsetof(Vst::ProcessContext, tempo) == 72 &&
                  offsetof(Vst::ProcessContext, timeSigNumerator) == 80 &&
                  offsetof(Vst::ProcessContext, frameRate) == 96 &&
                  offsetof(Vst::ProcessContext, samplesToNextClock) == 104,
              "ProcessContext");
static_assert(sizeof(Vst::ProcessData) == (sizeof(void*) == 8 ? 80 : 48) &&
                  offsetof(Vst::ProcessData, inputs) == (sizeof(void*) == 8 ? 24 : 20) &&
                  offsetof(Vst::ProcessData, processContext) == (sizeof(void*) == 8 ? 72 : 44),
              "ProcessData");
static_assert(sizeof(Vst::ParameterInfo) == 792 && offsetof(Vst::ParameterInfo, stepCount) == 772 &&
                  offsetof(Vst::ParameterInfo, defaultNormalizedValue) == 776 &&
                  offsetof(Vst::ParameterInfo, flags) == 788,
              "ParameterInfo");
static_assert(sizeof(Vst::UnitInfo) == 268 && sizeof(Vst::ProgramListInfo) == 264, "UnitInfo");
static_assert(sizeof(ViewRect) == 16, "ViewRect");
static_assert(sizeof(Vst::Event) == 48 && offsetof(Vst::Event, ppqPosition) == 8 &&
                  offsetof(Vst::Event, type) == 18 && offsetof(Vst::Event, noteOn) == 24,
              "Event");
}
