#pragma once

#include "RecursiveHostMutex.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class AAX_IController;

// Packets of parameter data for the processing side: a parameter's host
// update marks its packets dirty, and the host's request for packets has
// each dirty one filled by its generator and posted to the controller. Both
// run under the dispatcher's own mutex, from any host thread.
class PacketDispatcher
{
public:
  // The data of one context field.
  class Packet
  {
  public:
    explicit Packet(uint32_t fieldIndex) : mFieldIndex(fieldIndex) {}
    uint32_t FieldIndex() const { return mFieldIndex; }
    bool IsDirty() const { return mDirty; }
    void SetDirty(bool dirty) { mDirty = dirty; }
    // Replaces the data; may throw std::bad_alloc, leaving it as it was.
    void SetData(const void* data, uint32_t size);
    const void* Data() const { return mData.data(); }
    uint32_t Size() const { return static_cast<uint32_t>(mData.size()); }

  private:
    uint32_t mFieldIndex;
    bool mDirty = false;
    std::vector<unsigned char> mData;
  };

  // Writes a parameter's data into its packet.
  class Generator
  {
  public:
    virtual ~Generator() = default;
    // 0 when the packet holds data to post.
    virtual int32_t Fill(const char* identifier, Packet& packet) = 0;
  };

  PacketDispatcher() = default;
  ~PacketDispatcher();
  PacketDispatcher(const PacketDispatcher&) = delete;
  PacketDispatcher& operator=(const PacketDispatcher&) = delete;

  // The controller the packets go to (not owned; may be null).
  void Bind(AAX_IController* controller);
  // The parameter's updates make the packet of the context field dirty, and
  // the generator fills it. May throw std::bad_alloc (the generator is then
  // deleted).
  void RegisterPacket(const char* identifier, uint32_t fieldIndex, std::unique_ptr<Generator> generator);
  // Marks every packet registered for the identifier dirty; 0.
  int32_t MarkDirty(const char* identifier);
  // Fills and posts every dirty packet and clears its dirty flag; the
  // result of the last post, 0 when nothing was posted.
  int32_t Dispatch();

private:
  struct Registration
  {
    Packet* packet;
    std::unique_ptr<Generator> generator;
  };

  std::map<uint32_t, std::unique_ptr<Packet>> mPackets;
  std::multimap<std::string, Registration> mRegistrations;
  AAX_IController* mController = nullptr;
  RecursiveHostMutex mMutex;
};
