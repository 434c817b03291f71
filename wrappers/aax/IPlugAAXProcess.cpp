// One audio block of the AAX host: the host's channels, MIDI and transport
// of the context, the buffers bound, and the effect or the bypass.

#include "IPlugAAX.h"

#include "AAX_HostInterfaces.h"
#include "AAX_IController.h"

#include <cstdio>
#include <cstring>

namespace
{
// The channel count of a layout code (its low 16 bits); a query that failed
// counts none, so that no host buffer is bound that the host did not give.
int ChannelCount(AAX_IController& controller, int32_t (AAX_IController::*query)(uint32_t*))
{
  uint32_t layout = 0;
  return (controller.*query)(&layout) == kAAXSuccess ? static_cast<int>(layout & 0xFFFF) : 0;
}
}

void IPlugAAX::ProcessAlgorithmContext(const AAX_AlgorithmContext& context)
{
  MutexGuard lock(GetMutex());
  AAX_IController* controller = Controller();
  if (!MasterBypass() || !controller || !context.audioInputs || !context.audioOutputs || !context.bufferLength)
    return;
  const int frames = *context.bufferLength;
  if (frames <= 0)
    return;

  const bool bypass = Bypassed();
  const int hostInputs = ChannelCount(*controller, &AAX_IController::GetInputChannelLayout);
  const int hostOutputs = ChannelCount(*controller, &AAX_IController::GetOutputChannelLayout);
  if (DoesMIDI())
    ReceiveMidi(context.inputMidiNode);
  SetCurrentTransport(context.transportNode ? context.transportNode->GetTransport() : nullptr);

  // Scratch and connections are set once per host block: a channel the
  // host does not feed stays silent through every part of it.
  ClearScratchBuffers();
  SetInputChannelConnections(0, NInChannels(), false);
  SetInputChannelConnections(0, hostInputs, true);
  SetOutputChannelConnections(0, hostOutputs, true);
  SetOutputChannelConnections(hostOutputs, NOutChannels() - hostOutputs, false);
  std::printf("attach input buffers: 0 - %d\n", NInChannels());
  // The host announces no block size: the limit is the one the instance
  // has prepared (its construction's, or a later ChangeBlockSize).
  RenderHostBlock(context.audioInputs, context.audioOutputs, frames,
                  bypass ? &IPlugBase::BypassBuffers : &IPlugBase::RenderBuffers);
}

void IPlugAAX::ReceiveMidi(AAX_IMidiNode* node)
{
  const AAX_MidiStream* stream = node ? node->GetNodeBuffer() : nullptr;
  if (!stream || !stream->packets)
    return;
  for (uint32_t i = 0; i < stream->packetCount; ++i)
  {
    const AAX_MidiPacket& packet = stream->packets[i];
    uint32_t timestamp;
    std::memcpy(&timestamp, packet.timestamp, sizeof timestamp);
    IMidiEvent event;
    event.offset = static_cast<int>(timestamp);
    event.status = packet.status;
    event.data1 = packet.data1;
    event.data2 = packet.data2;
    MidiEventIn(&event);
  }
}
