#pragma once

#include "vst3_interfaces.h"

#include <memory>
#include <string>
#include <vector>

namespace Steinberg
{
namespace Vst
{
class Bus
{
public:
  Bus(const char* name, BusType busType, int32 flags);
  virtual ~Bus() = default;

  virtual int32 channelCount() const = 0;
  void getInfo(MediaType type, BusDirection direction, BusInfo& info) const;
  bool isActive() const { return mActive; }
  void setActive(bool active) { mActive = active; }

private:
  std::string mName;
  BusType mBusType;
  int32 mFlags;
  bool mActive = false;
};

class AudioBus : public Bus
{
public:
  AudioBus(const char* name, BusType busType, int32 flags, SpeakerArrangement arrangement);
  int32 channelCount() const override;
  SpeakerArrangement arrangement() const { return mArrangement; }

private:
  SpeakerArrangement mArrangement;
};

class EventBus : public Bus
{
public:
  EventBus(const char* name, BusType busType, int32 flags, int32 channels);
  int32 channelCount() const override { return mChannels; }

private:
  int32 mChannels;
};

// The buses of one media type and direction, in order.
class BusList
{
public:
  BusList(MediaType type, BusDirection direction) : mType(type), mDirection(direction) {}
  Bus* add(Bus* bus);
  Bus* at(int32 index) const;
  int32 count() const { return static_cast<int32>(mBuses.size()); }
  // Takes bus in place of the one at the index (deleting that one); a bad
  // index deletes bus.
  void replace(int32 index, Bus* bus);
  void clear() { mBuses.clear(); }
  MediaType type() const { return mType; }
  BusDirection direction() const { return mDirection; }

private:
  MediaType mType;
  BusDirection mDirection;
  std::vector<std::unique_ptr<Bus>> mBuses;
};

int32 SpeakerCount(SpeakerArrangement arrangement);
}
}
