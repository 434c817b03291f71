// The VST2 dispatcher: every host request by opcode, under the plug mutex.
// Opcodes it does not handle answer 0.

#include "IPlugVST.h"

#include "HostCallGuard.h"
#include "IGraphics.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr intptr_t kEffectIdentity = 0x4E764566;  // 'NvEf'
constexpr intptr_t kVstVersion = 2400;
constexpr intptr_t kVendorSpecificAnswer = 0xBEEF;
constexpr intptr_t kHostExtensionAnswer = 0xBEEF0000;
constexpr int32_t kVendorDisplayText = 7;
constexpr int32_t kVendorIsStepped = 8;

// Hosts hand buffers of fixed sizes: a text is cut to fit, terminator
// included, and a null buffer takes nothing.
void CopyToHost(void* destination, const char* text, int size)
{
  if (destination)
    std::snprintf(static_cast<char*>(destination), size, "%s", text ? text : "");
}

bool Equal(const char* a, const char* b) { return std::strcmp(a, b) == 0; }
}

intptr_t IPlugVST::VSTDispatcher(AEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                 float opt)
{
  IPlugVST* plug = FromEffect(effect);
  if (!plug)
    return 0;
  return GuardHostCall<intptr_t>(0, 0, [&]() -> intptr_t {
    if (opcode == effClose)
    {
      // The mutex lives in the instance: it is left before the delete.
      {
        MutexGuard lock(plug->GetMutex());
      }
      delete plug;
      return 0;
    }
    MutexGuard lock(plug->GetMutex());
    return plug->Dispatch(opcode, index, value, ptr, opt);
  });
}

intptr_t IPlugVST::Dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
  switch (opcode)
  {
  case effOpen:
    Open();
    return 0;
  case effSetProgram:
    SetProgram(value);
    return 0;
  case effGetProgram:
    return GetCurrentPresetIdx();
  case effSetProgramName:
    SetProgramName(static_cast<const char*>(ptr));
    return 0;
  case effGetProgramName:
    CopyToHost(ptr, GetPresetName(GetCurrentPresetIdx()), kVstProgramNameLength);
    return 0;
  case effGetParamLabel:
  case effGetParamDisplay:
  case effGetParamName:
    CopyParamText(opcode, index, ptr);
    return 0;
  case effSetSampleRate:
    SetSampleRateFromHost(opt);
    return 0;
  case effSetBlockSize:
    SetBlockSizeFromHost(value);
    return 0;
  case effMainsChanged:
    ActivationChanged(value != 0);
    if (!value)
      ResetProcessing();
    return 0;
  case effEditGetRect:
    if (!ptr || !GetGUI())
      return 0;
    *static_cast<ERect**>(ptr) = &mEditRect;
    return 1;
  case effEditOpen:
    return OpenEditor(ptr);
  case effEditClose:
    return CloseEditor();
  case effIdentify:
    return kEffectIdentity;
  case effGetChunk:
    return GetChunk(index == 0, static_cast<void**>(ptr));
  case effSetChunk:
    return SetChunk(index == 0, value, ptr);
  case effProcessEvents:
    if (!ptr)
      return 0;
    ProcessEvents(static_cast<const VstEvents*>(ptr));
    return 1;
  case effCanBeAutomated:
    return 1;
  case effString2Parameter:
    return StringToParameter(index, static_cast<const char*>(ptr));
  case effGetProgramNameIndexed:
  {
    const char* name = GetPresetName(index);
    CopyToHost(ptr, name, kVstProgramNameLength);
    return ptr && name[0] ? 1 : 0;
  }
  case effGetInputProperties:
  case effGetOutputProperties:
    return PinProperties(opcode == effGetInputProperties, index, static_cast<VstPinProperties*>(ptr));
  case effGetPlugCategory:
    return IsInstrument() ? kPlugCategSynth : kPlugCategEffect;
  case effSetSpeakerArrangement:
    SetSpeakerArrangements(reinterpret_cast<const VstSpeakerArrangement*>(value),
                           static_cast<const VstSpeakerArrangement*>(ptr));
    return 1;
  case effGetEffectName:
    CopyToHost(ptr, GetEffectName(), kVstEffectNameLength);
    return ptr ? 1 : 0;
  case effGetVendorString:
    CopyToHost(ptr, GetMfrName(), kVstNameLength);
    return ptr ? 1 : 0;
  case effGetProductString:
    CopyToHost(ptr, GetProductName(), kVstNameLength);
    return ptr ? 1 : 0;
  case effGetVendorVersion:
    return mEffect.version;
  case effVendorSpecific:
    return VendorSpecific(index, value, ptr, opt);
  case effCanDo:
    return CanDo(static_cast<const char*>(ptr));
  case effGetTailSize:
    return GetTailSize();
  case effGetVstVersion:
    return kVstVersion;
  case effGetMidiKeyName:
    return MidiKeyNameOf(static_cast<MidiKeyName*>(ptr));
  case effGetSpeakerArrangement:
    if (value)
      *reinterpret_cast<VstSpeakerArrangement**>(value) = &mInputSpeakerArrangement;
    if (ptr)
      *static_cast<VstSpeakerArrangement**>(ptr) = &mOutputSpeakerArrangement;
    return 1;
  default:
    return 0;
  }
}

void IPlugVST::Open()
{
  PrepareForHost();
  for (int i = 0; i < NParams(); ++i)
    ParamChanged(i, false);
}

void IPlugVST::CopyParamText(int32_t opcode, int index, void* ptr)
{
  const IPlugParameter* param = GetParam(index);
  if (!param || !ptr)
    return;
  char display[kParameterTextLength];
  const char* text = display;
  if (opcode == effGetParamLabel)
    text = param->LabelForHost();
  else if (opcode == effGetParamName)
    text = param->Name();
  else
    param->FormatForDisplay(display);
  CopyToHost(ptr, text, kVstParamTextLength);
}

void IPlugVST::SetSampleRateFromHost(float rate)
{
  if (!std::isfinite(rate) || !(rate > 0.0f))
    return;
  SetSampleRate(rate);
  ResetProcessing();
}

// A size the scratch buffers cannot take (not positive, beyond int, or more
// than memory allows) keeps the one before.
void IPlugVST::SetBlockSizeFromHost(intptr_t frames)
{
  if (frames <= 0 || frames > INT_MAX)
    return;
  ChangeBlockSize(static_cast<int>(frames));
  ResetProcessing();
}

intptr_t IPlugVST::OpenEditor(void* parent)
{
  IGraphics* editor = GetGUI();
  if (!editor || !parent || !editor->OpenEditorWindow(parent))
    return 0;
  EditorOpened();
  return 1;
}

intptr_t IPlugVST::CloseEditor()
{
  IGraphics* editor = GetGUI();
  if (!editor)
    return 0;
  EditorClosing();
  editor->CloseEditorWindow();
  return 1;
}

void IPlugVST::ProcessEvents(const VstEvents* events)
{
  // Hosts pass as many pointers as numEvents says, beyond the two declared.
  VstEvent* const* list = events->events;
  for (int32_t i = 0; i < events->numEvents; ++i)
  {
    const VstEvent* event = list[i];
    if (!event)
      continue;
    if (event->type == kVstMidiType)
    {
      const VstMidiEvent* midi = reinterpret_cast<const VstMidiEvent*>(event);
      IMidiEvent message;
      message.offset = midi->deltaFrames;
      message.status = static_cast<unsigned char>(midi->midiData[0]);
      message.data1 = static_cast<unsigned char>(midi->midiData[1]);
      message.data2 = static_cast<unsigned char>(midi->midiData[2]);
      MidiEventIn(&message);
    }
    else if (event->type == kVstSysExType)
    {
      const VstMidiSysexEvent* sysex = reinterpret_cast<const VstMidiSysexEvent*>(event);
      ISysExEvent message;
      message.offset = sysex->deltaFrames;
      message.size = sysex->dumpBytes;
      message.data = reinterpret_cast<const unsigned char*>(sysex->sysexDump);
      SysExIn(&message);
    }
  }
}

intptr_t IPlugVST::StringToParameter(int index, const char* text)
{
  IPlugParameter* param = GetParam(index);
  if (!param)
    return 0;
  if (!text)
    return 1;
  double value = 0.0;
  if (param->DisplayTextCount() > 0)
  {
    int textValue = 0;
    if (!param->MatchDisplayText(text, &textValue))
      return 0;
    value = textValue;
  }
  else
  {
    value = param->ReadTypedNumber(text);
    // NaN would pass the clamp below and poison the processing.
    if (std::isnan(value))
      return 0;
  }
  if (IGraphics* editor = GetGUI())
    editor->PushParamToControls(index, value, false);
  param->Set(value < param->Min() ? param->Min() : (value > param->Max() ? param->Max() : value));
  ParamChanged(index, false);
  return 1;
}

intptr_t IPlugVST::PinProperties(bool input, int index, VstPinProperties* properties)
{
  const int count = input ? NInChannels() : NOutChannels();
  if (!properties || index < 0 || index >= count)
    return 0;
  properties->flags = kVstPinIsActive;
  if (index % 2 == 0 && index < count - 1)
    properties->flags |= kVstPinIsStereo;
  const char* label = input ? GetInChannel(index)->label.Get() : GetOutChannel(index)->label.Get();
  if (label && label[0])
    CopyToHost(properties->label, label, kVstNameLength);
  else
    std::snprintf(properties->label, kVstNameLength, "%s %d", input ? "Input" : "Output", index + 1);
  return 1;
}

void IPlugVST::SetSpeakerArrangements(const VstSpeakerArrangement* inputs, const VstSpeakerArrangement* outputs)
{
  // The first channels of an arrangement are connected, the rest not; a
  // negative count connects none.
  auto connected = [](const VstSpeakerArrangement* arrangement, int channels) {
    const int n = arrangement->numChannels;
    return n < 0 ? 0 : (n < channels ? n : channels);
  };
  if (inputs)
  {
    const int n = connected(inputs, NInChannels());
    SetInputChannelConnections(0, n, true);
    SetInputChannelConnections(n, NInChannels() - n, false);
  }
  if (outputs)
  {
    const int n = connected(outputs, NOutChannels());
    SetOutputChannelConnections(0, n, true);
    SetOutputChannelConnections(n, NOutChannels() - n, false);
  }
}

intptr_t IPlugVST::VendorSpecific(int32_t index, intptr_t value, void* ptr, float opt)
{
  const IPlugParameter* param = value >= 0 && value < NParams() ? GetParam(static_cast<int>(value)) : nullptr;
  if (index == kVendorDisplayText)
  {
    if (!ptr)
      return 0;
    if (param)
    {
      char text[kParameterTextLength];
      param->FormatForDisplay(opt, true, text);
      CopyToHost(ptr, text, kVstParamTextLength);
    }
    return kVendorSpecificAnswer;
  }
  if (index == kVendorIsStepped)
    return param && param->Kind() != kParameterDouble ? kVendorSpecificAnswer : 0;
  return 0;
}

intptr_t IPlugVST::CanDo(const char* text)
{
  if (!text)
    return 0;
  if (Equal(text, "receiveVstTimeInfo"))
    return 1;
  if (Equal(text, "sendVstEvents") || Equal(text, "sendVstMidiEvent") || Equal(text, "receiveVstEvents") ||
      Equal(text, "receiveVstMidiEvent"))
    return DoesMIDI() ? 1 : 0;
  if (Equal(text, "hasHostVendorExtensions"))
  {
    mHostExtensionFlags |= 1;
    return kHostExtensionAnswer;
  }
  if (Equal(text, "hasHostVendorViewAsConfig"))
  {
    mHostExtensionFlags |= 2;
    return kHostExtensionAnswer;
  }
  return 0;
}

intptr_t IPlugVST::MidiKeyNameOf(MidiKeyName* key)
{
  if (!key)
    return 0;
  char name[256] = {};  // the plug-in's name may be longer than the host's field
  const bool named = GetMidiNoteName(key->thisKeyNumber, name);
  name[sizeof name - 1] = 0;
  CopyToHost(key->keyName, name, kVstNameLength);
  return named ? 1 : 0;
}
