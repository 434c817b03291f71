// The AAX wrapper's construction and the IPlugBase operations it answers
// for the AAX host: edits, transport, editor size and latency.

#include "IPlugAAX.h"

#include "AAX_IController.h"
#include "AAX_ITransport.h"
#include "AAX_IViewContainer.h"
#include "IGraphics.h"

namespace
{
constexpr int kInitialBlockSize = 1024;
// The host's name as the framework knows it: the module runs in one host.
constexpr const char* kHostName = "ProTools";
constexpr double kTicksPerQuarterNote = 960000.0;
}

IPlugAAX::IPlugAAX(InstanceInfo, int nParams, const char* channelIOStr, int nPresets, const char* effectName,
                   const char* productName, const char* mfrName, int vendorVersion, int uniqueID, int mfrID,
                   int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst)
    : IPlugBase(nParams, channelIOStr, nPresets, effectName, productName, mfrName, vendorVersion, uniqueID, mfrID,
                latency, plugDoesMidi, plugDoesChunks, plugIsInst, kApiAax)
{
  SetInputChannelConnections(0, NInChannels(), true);
  SetOutputChannelConnections(0, NOutChannels(), true);
  CreateLatencyDelayLine();
  ChangeBlockSize(kInitialBlockSize);
  SetHost(kHostName, vendorVersion);
  mLiveEntry.Join(this);
}

IPlugAAX::~IPlugAAX()
{
  mLiveEntry.Leave();
  mIdentifiers.DeleteAll();
}

const char* IPlugAAX::ParameterIdentifier(int paramIdx) const
{
  const StringBuffer* text = mIdentifiers.Get(paramIdx);
  return text ? text->Get() : nullptr;
}

void IPlugAAX::BeginHostEdit(int paramIdx)
{
  if (const char* identifier = ParameterIdentifier(paramIdx))
    TouchParameter(identifier);
}

void IPlugAAX::SendHostEditValue(int paramIdx, double normalizedValue)
{
  if (const char* identifier = ParameterIdentifier(paramIdx))
    RequestParameterNormalized(identifier, normalizedValue);
}

void IPlugAAX::EndHostEdit(int paramIdx)
{
  if (const char* identifier = ParameterIdentifier(paramIdx))
    ReleaseParameter(identifier);
}

double IPlugAAX::GetSamplePosition()
{
  int64_t samples = 0;
  if (const AAX_ITransport* transport = CurrentTransport())
    transport->SamplePosition(&samples);
  return static_cast<int32_t>(static_cast<uint32_t>(samples));
}

double IPlugAAX::GetHostTempo()
{
  double tempo = 0.0;
  if (const AAX_ITransport* transport = CurrentTransport())
    transport->Tempo(&tempo);
  return tempo;
}

void IPlugAAX::GetHostTimeSignature(int* numerator, int* denominator)
{
  int32_t upper = 0, lower = 0;
  if (const AAX_ITransport* transport = CurrentTransport())
    transport->TimeSignature(&upper, &lower);
  if (numerator)
    *numerator = upper;
  if (denominator)
    *denominator = lower;
}

void IPlugAAX::GetTransportInfo(TransportInfo* info)
{
  if (!info)
    return;
  const AAX_ITransport* transport = CurrentTransport();
  if (!transport)
  {
    info->tempo = info->musicalPosition = info->samplePosition = info->cycleStart = info->cycleEnd = 0.0;
    info->numerator = info->denominator = 0;
    info->playing = info->cycling = false;
    return;
  }
  int32_t numerator = 0, denominator = 0;
  int64_t ticks = 0, samples = 0, loopStart = 0, loopEnd = 0;
  transport->Tempo(&info->tempo);
  transport->IsPlaying(&info->playing);
  transport->TimeSignature(&numerator, &denominator);
  transport->TickPosition(&ticks);
  transport->SamplePosition(&samples);
  transport->LoopPosition(&info->cycling, &loopStart, &loopEnd);
  info->numerator = numerator;
  info->denominator = denominator;
  info->musicalPosition = static_cast<double>(ticks) / kTicksPerQuarterNote;
  info->samplePosition = static_cast<double>(samples);
  info->cycleStart = static_cast<double>(loopStart) / kTicksPerQuarterNote;
  info->cycleEnd = static_cast<double>(loopEnd) / kTicksPerQuarterNote;
}

void IPlugAAX::ResizeEditorWindow(int width, int height)
{
  IGraphics* editor = GetGUI();
  if (!editor)
    return;
  if (auto* container = static_cast<AAX_IViewContainer*>(editor->ViewContainer()))
  {
    AAX_Point size = {static_cast<float>(height), static_cast<float>(width)};
    container->SetViewSize(&size);
  }
  EditorResized();
}

void IPlugAAX::ChangeLatency(int samples)
{
  if (AAX_IController* controller = Controller())
    controller->ReportLatency(samples);
  IPlugBase::ChangeLatency(samples);
}
