#include "PacketDispatcher.h"

#include "AAX_IController.h"

void PacketDispatcher::Packet::SetData(const void* data, uint32_t size)
{
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  mData.assign(bytes, bytes + size);
}

PacketDispatcher::~PacketDispatcher()
{
  RecursiveHostMutexGuard guard(mMutex);
  mRegistrations.clear();
  mPackets.clear();
}

void PacketDispatcher::Bind(AAX_IController* controller) { mController = controller; }

void PacketDispatcher::RegisterPacket(const char* identifier, uint32_t fieldIndex,
                                      std::unique_ptr<Generator> generator)
{
  RecursiveHostMutexGuard guard(mMutex);
  auto packet = mPackets.find(fieldIndex);
  if (packet == mPackets.end())
    packet = mPackets.emplace(fieldIndex, std::make_unique<Packet>(fieldIndex)).first;
  mRegistrations.emplace(identifier ? identifier : "", Registration{packet->second.get(), std::move(generator)});
}

int32_t PacketDispatcher::MarkDirty(const char* identifier)
{
  RecursiveHostMutexGuard guard(mMutex);
  const auto range = mRegistrations.equal_range(identifier ? identifier : "");
  for (auto it = range.first; it != range.second; ++it)
    it->second.packet->SetDirty(true);
  return 0;
}

int32_t PacketDispatcher::Dispatch()
{
  RecursiveHostMutexGuard guard(mMutex);
  int32_t result = 0;
  for (auto& [identifier, registration] : mRegistrations)
  {
    Packet& packet = *registration.packet;
    if (!packet.IsDirty())
      continue;
    if (registration.generator->Fill(identifier.c_str(), packet) == 0 && mController)
      result = mController->PostPacket(packet.FieldIndex(), packet.Data(), packet.Size());
    packet.SetDirty(false);
  }
  return result;
}
