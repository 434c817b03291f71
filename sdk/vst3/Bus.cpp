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

// Each list owns its buses from the moment they are handed over, also when
// the list cannot grow.
Bus* BusList::add(Bus* bus)
{
  std::unique_ptr<Bus> owned(bus);
  mBuses.push_back(std::move(owned));
  return bus;
}

Bus* BusList::at(int32 index) const { return index >= 0 && index < count() ? mBuses[index].get() : nullptr; }

void BusList::replace(int32 index, Bus* bus)
{
  std::unique_ptr<Bus> owned(bus);
  if (index >= 0 && index < count())
    mBuses[index] = std::move(owned);
}
}
}
