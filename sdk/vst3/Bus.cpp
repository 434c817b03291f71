#include "Bus.h"

#include "UString.h"

namespace Steinberg
{
namespace Vst
{
Bus::Bus(const char* name, BusType busType, int32 flags)
    : mName(name ? name : ""), mBusType(busType), mFlags(flags), mActive((flags & BusInfo::kDefaultActive) != 0)
{
}

void Bus::getInfo(MediaType type, BusDirection direction, BusInfo& info) const
{
  info.mediaType = type;
  info.direction = direction;
  info.channelCount = channelCount();
  WidenText(info.name, 128, mName.c_str());
  info.busType = mBusType;
  info.flags = static_cast<uint32>(mFlags);
}

int32 SpeakerCount(SpeakerArrangement arrangement)
{
  int32 count = 0;
  for (; arrangement; arrangement &= arrangement - 1)
    ++count;
  return count;
}

AudioBus::AudioBus(const char* name, BusType busType, int32 flags, SpeakerArrangement arrangement)
    : Bus(name, busType, flags), mArrangement(arrangement)
{
}

int32 AudioBus::channelCount() const { return SpeakerCount(mArrangement); }

EventBus::EventBus(const char* name, BusType busType, int32 flags, int32 channels)
    : Bus(name, busType, flags), mChannels(channels)
{
}

Bus* BusList::add(Bus* bus)
{
  mBuses.emplace_back(bus);
  return bus;
}

Bus* BusList::at(int32 index) const { return index >= 0 && index < count() ? mBuses[index].get() : nullptr; }

void BusList::removeAt(int32 index)
{
  if (index >= 0 && index < count())
    mBuses.erase(mBuses.begin() + index);
}

void BusList::insert(int32 index, Bus* bus)
{
  if (index < 0 || index > count())
    index = count();
  mBuses.emplace(mBuses.begin() + index, bus);
}
}
}
