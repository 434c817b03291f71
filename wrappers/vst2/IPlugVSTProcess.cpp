// The VST2 audio callbacks and parameter entries, under the plug mutex.
// There is no bypass: every audio callback runs the effect.

#include "IPlugVST.h"

#include "HostCallGuard.h"

namespace
{
// Runs an entry that returns nothing: no exception may reach the host.
template <class Work>
void Guarded(Work&& work)
{
  GuardHostCall<bool>(false, false, [&] {
    work();
    return true;
  });
}
}

// A block with no frames or without the host's buffer arrays processes
// nothing. For one that is processed the host hears the wish for MIDI,
// once, however many parts the block takes.
bool IPlugVST::BeginHostBlock(bool hasBuffers, int nFrames)
{
  if (nFrames <= 0 || !hasBuffers)
    return false;
  if (DoesMIDI())
    HostCall(audioMasterWantMidi);
  return true;
}

void IPlugVST::BindHostBuffersDouble(double** inputs, double** outputs, int startFrame, int nFrames)
{
  BindInputBuffersInPlace(0, NInChannels(), inputs, nFrames, startFrame);
  BindOutputBuffersInPlace(0, NOutChannels(), outputs, startFrame);
}

void IPlugVST::ProcessFloatBlock(AEffect* effect, float** inputs, float** outputs, int32_t nFrames,
                                 void (IPlugBase::*render)(int))
{
  IPlugVST* plug = FromEffect(effect);
  if (!plug)
    return;
  Guarded([&] {
    MutexGuard lock(plug->GetMutex());
    if (plug->BeginHostBlock(inputs && outputs, nFrames))
      plug->RenderHostBlock(inputs, outputs, nFrames, render);
  });
}

void IPlugVST::HostProcessFloat(AEffect* effect, float** inputs, float** outputs, int32_t nFrames)
{
  ProcessFloatBlock(effect, inputs, outputs, nFrames, &IPlugBase::RenderBuffers);
}

void IPlugVST::HostProcessAccumulate(AEffect* effect, float** inputs, float** outputs, int32_t nFrames)
{
  ProcessFloatBlock(effect, inputs, outputs, nFrames, &IPlugBase::AccumulateFloatBuffers);
}

void IPlugVST::HostProcessDouble(AEffect* effect, double** inputs, double** outputs, int32_t nFrames)
{
  IPlugVST* plug = FromEffect(effect);
  if (!plug)
    return;
  Guarded([&] {
    MutexGuard lock(plug->GetMutex());
    if (!plug->BeginHostBlock(inputs && outputs, nFrames))
      return;
    double** in = plug->NInChannels() ? plug->GetInChannel(0)->slot : nullptr;
    double** out = plug->NOutChannels() ? plug->GetOutChannel(0)->slot : nullptr;
    plug->ProcessInParts(nFrames, [&](int start, int n) {
      plug->BindHostBuffersDouble(inputs, outputs, start, n);
      plug->ProcessDouble(in, out, n);
    });
  });
}

// Hosts restore this module's settings through here: the value is clamped,
// shown in the editor and passed to the effect, and not sent back.
void IPlugVST::HostSetParameter(AEffect* effect, int32_t index, float value)
{
  IPlugVST* plug = FromEffect(effect);
  if (!plug)
    return;
  Guarded([&] { plug->SetParameterFromHost(index, value); });
}

float IPlugVST::HostGetParameter(AEffect* effect, int32_t index)
{
  IPlugVST* plug = FromEffect(effect);
  if (!plug)
    return 0.0f;
  return GuardHostCall<float>(0.0f, 0.0f, [&] {
    MutexGuard lock(plug->GetMutex());
    const IPlugParameter* param = plug->GetParam(index);
    return param ? static_cast<float>(param->GetNormalized()) : 0.0f;
  });
}
