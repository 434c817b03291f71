#include "IPlugBase.h"

#include "Assert.h"
#include "IGraphics.h"
#include "LatencyDelayLine.h"
#include "Trace.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace
{
void CopyName(char* destination, const char* name)
{
  std::snprintf(destination, kPlugNameLength, "%s", name ? name : "");
}

// Hands item to the list; an instance that cannot hold all its parts is not
// made at all.
template <class T>
void AddOwned(PointerList<T>& list, T* item)
{
  if (!list.Add(item))
  {
    delete item;
    throw std::bad_alloc();
  }
}
}

IPlugPreset::IPlugPreset() { std::strcpy(name, "empty"); }

IPlugBase::IPlugBase(int nParams, const char* channelIOStr, int nPresets, const char* effectName,
                     const char* productName, const char* mfrName, int vendorVersion,
                     int uniqueID, int mfrID, int latency, bool plugDoesMidi,
                     bool plugDoesChunks, bool plugIsInst, PlugApi plugApi)
    : mUniqueID(uniqueID), mMfrID(mfrID), mVersion(vendorVersion), mPlugApi(plugApi),
      mDoesChunks(plugDoesChunks), mIsInstrument(plugIsInst), mDoesMidi(plugDoesMidi),
      mLatency(latency)
{
  TRACE("IPlugBase::IPlugBase", __LINE__, "");
  // The destructor does not run for a constructor that throws: what was
  // made so far is deleted here.
  try
  {
    for (int i = 0; i < nParams; ++i)
      AddOwned(mParams, new IPlugParameter);
    for (int i = 0; i < nPresets; ++i)
      AddOwned(mPresets, new IPlugPreset);

    CopyName(mEffectName, effectName);
    CopyName(mProductName, productName);
    CopyName(mMfrName, mfrName);

    int maxInputs = 0, maxOutputs = 0;
    ParseChannelIOStr(channelIOStr, &maxInputs, &maxOutputs);
    CreateChannels(maxInputs, maxOutputs);
  }
  catch (...)
  {
    DeleteOwned();
    throw;
  }
}

void IPlugBase::ParseChannelIOStr(const char* channelIOStr, int* maxInputs, int* maxOutputs)
{
  for (const char* token = channelIOStr; token;)
  {
    int nIn = 0, nOut = 0;
    const bool valid = std::sscanf(token, "%d-%d", &nIn, &nOut) == 2;
    ZL_ASSERT(valid, "channelIOStrValid");
    if (nIn > *maxInputs)
      *maxInputs = nIn;
    if (nOut > *maxOutputs)
      *maxOutputs = nOut;
    ChannelConfig* config = new ChannelConfig;
    config->inputs = nIn;
    config->outputs = nOut;
    AddOwned(mChannelConfigs, config);
    token = std::strchr(token, ' ');
    if (token)
      ++token;
  }
}

void IPlugBase::CreateChannels(int nInputs, int nOutputs)
{
  if (!mInData.Resize(nInputs) || !mOutData.Resize(nOutputs))
    throw std::bad_alloc();
  for (int i = 0; i < nInputs; ++i)
  {
    IPlugInputChannel* channel = new IPlugInputChannel;
    channel->slot = mInData.Get() + i;
    *channel->slot = nullptr;
    AddOwned(mInChannels, channel);
  }
  for (int i = 0; i < nOutputs; ++i)
  {
    IPlugOutputChannel* channel = new IPlugOutputChannel;
    channel->slot = mOutData.Get() + i;
    *channel->slot = nullptr;
    AddOwned(mOutChannels, channel);
  }
}

IPlugBase::~IPlugBase()
{
  TRACE("IPlugBase::~IPlugBase", __LINE__, "");
  delete mGraphics;
  mGraphics = nullptr;
  DeleteOwned();
}

void IPlugBase::DeleteOwned()
{
  mParams.DeleteAll();
  mPresets.DeleteAll();
  mInChannels.DeleteAll();
  mOutChannels.DeleteAll();
  mChannelConfigs.DeleteAll();
  mInputBusNames.DeleteAll();
  mOutputBusNames.DeleteAll();
  delete mDelayLine;
  mDelayLine = nullptr;
}

void IPlugBase::ResetProcessing() { MutexGuard lock(&mMutex); }

void IPlugBase::ParamChanged(int /*paramIdx*/, bool /*restoring*/) { MutexGuard lock(&mMutex); }

void IPlugBase::ActivationChanged(bool /*active*/) { MutexGuard lock(&mMutex); }

namespace
{
// Input i goes to output i where both exist; every other output is silence.
// A null buffer reads as silence and takes no samples.
template <class Sample>
void PassThrough(Sample** inputs, Sample** outputs, int nIn, int nOut, int nFrames)
{
  if (!outputs || nFrames <= 0)
    return;
  for (int i = 0; i < nOut; ++i)
  {
    if (!outputs[i])
      continue;
    const Sample* input = i < nIn && inputs ? inputs[i] : nullptr;
    if (input)
      std::memmove(outputs[i], input, nFrames * sizeof(Sample));
    else
      std::memset(outputs[i], 0, nFrames * sizeof(Sample));
  }
}
}

void IPlugBase::ProcessDouble(double** inputs, double** outputs, int nFrames)
{
  PassThrough(inputs, outputs, NInChannels(), NOutChannels(), nFrames);
}

void IPlugBase::ProcessFloat(float** inputs, float** outputs, int nFrames)
{
  PassThrough(inputs, outputs, NInChannels(), NOutChannels(), nFrames);
}

void IPlugBase::MidiEventIn(const IMidiEvent* event) { SendMidiEvent(event); }

bool IPlugBase::GetMidiNoteName(int /*noteNumber*/, char* name)
{
  if (name)
    name[0] = 0;
  return false;
}

void IPlugBase::SetParameterFromGUI(int paramIdx, double normalizedValue)
{
  TRACE("IPlugBase::SetParameterFromGUI", __LINE__, "%d %f", paramIdx, normalizedValue);
  MutexGuard lock(&mMutex);
  IPlugParameter* param = GetParam(paramIdx);
  if (!param)
    return;
  param->SetFromNormalized(normalizedValue);
  SendHostEditValue(paramIdx, normalizedValue);
  ParamChanged(paramIdx, false);
}

void IPlugBase::SetParameterFromHost(int paramIdx, double normalizedValue)
{
  MutexGuard lock(&mMutex);
  IPlugParameter* param = GetParam(paramIdx);
  if (!param || std::isnan(normalizedValue))
    return;
  const double clamped = normalizedValue < 0.0 ? 0.0 : (normalizedValue > 1.0 ? 1.0 : normalizedValue);
  param->SetFromNormalized(clamped);
  if (mGraphics)
    mGraphics->PushParamToControls(paramIdx, clamped, true);
  ParamChanged(paramIdx, false);
}

void IPlugBase::AttachEditor(IGraphics* editor)
{
  if (!editor)
    return;
  // Owned from here: preparing its surfaces can throw.
  std::unique_ptr<IGraphics> owned(editor != mGraphics ? editor : nullptr);
  MutexGuard lock(&mMutex);
  for (int i = 0; i < NParams(); ++i)
  {
    const IPlugParameter* param = GetParam(i);
    const double normalized = param->NormalizedValue(param->Value());
    for (int c = 0; c < editor->NControls(); ++c)
    {
      IControl* control = editor->GetControl(c);
      if (control->ParamIdx() == i)
        control->TakeValueFromPlug(normalized);
      const int aux = control->FindAuxParam(i);
      if (aux >= 0)
        control->TakeAuxValueFromPlug(aux, normalized);
    }
  }
  editor->PrepareSurfaces();
  if (owned)
  {
    delete mGraphics;
    mGraphics = owned.release();
  }
}

void IPlugBase::ChangeBlockSize(int nFrames)
{
  if (nFrames == mBlockSize || nFrames < 0)
    return;
  if (ResizeScratchBuffers(nFrames))
    mBlockSize = nFrames;
  else
    ResizeScratchBuffers(mBlockSize);
}

// Resizes and zeroes every scratch buffer, and keeps the slots that aimed
// at a scratch buffer aimed at it where it moved; false when one of them
// could not take the size.
bool IPlugBase::ResizeScratchBuffers(int nFrames)
{
  bool ok = true;
  auto resize = [&](auto* channel) {
    const bool aimedAtScratch = *channel->slot == channel->scratch.Get();
    if (channel->scratch.Resize(nFrames, true))
    {
      if (nFrames)
        std::memset(channel->scratch.Get(), 0, nFrames * sizeof(double));
    }
    else
    {
      ok = false;
    }
    if (aimedAtScratch)
      *channel->slot = channel->scratch.Get();
  };
  for (int i = 0; i < NInChannels(); ++i)
    resize(GetInChannel(i));
  for (int i = 0; i < NOutChannels(); ++i)
    resize(GetOutChannel(i));
  return ok;
}

bool IPlugBase::LegalIO(int nIn, int nOut) const
{
  TRACE("IPlugBase::LegalIO", __LINE__, "%d:%d", nIn, nOut);
  for (int i = 0; i < mChannelConfigs.Count(); ++i)
  {
    const ChannelConfig* config = mChannelConfigs.Get(i);
    if ((nIn < 0 || nIn == config->inputs) && (nOut < 0 || nOut == config->outputs))
      return true;
  }
  return false;
}

bool IPlugBase::IsInputConnected(int index) const
{
  const IPlugInputChannel* channel = GetInChannel(index);
  return channel && channel->connected;
}

static void NameBus(PointerList<StringBuffer>& names, int index, const char* name)
{
  StringBuffer* text = new StringBuffer(name);
  names.DeleteAt(index);
  if (!names.Insert(index, text))
    delete text;
}

void IPlugBase::NameInputBus(int index, const char* name)
{
  if (index == 0 || index == 1)
    NameBus(mInputBusNames, index, name);
}

void IPlugBase::NameOutputBus(int index, const char* name) { NameBus(mOutputBusNames, index, name); }

const char* IPlugBase::GetInputBusName(int index) const
{
  const StringBuffer* name = mInputBusNames.Get(index);
  return name ? name->Get() : nullptr;
}

const char* IPlugBase::GetOutputBusName(int index) const
{
  const StringBuffer* name = mOutputBusNames.Get(index);
  return name ? name->Get() : nullptr;
}

void IPlugBase::SetHost(const char* productName, int version)
{
  mHost = IdentifyHost(productName);
  mHostVersion = version;
}
