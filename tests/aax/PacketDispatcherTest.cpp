#include "AaxFakes.h"
#include "PacketDispatcher.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// Writes one byte per fill, counting up; refuses while told to.
class CountingGenerator final : public PacketDispatcher::Generator
{
public:
  explicit CountingGenerator(int* fills, int32_t result = 0) : mFills(fills), mResult(result) {}
  int32_t Fill(const char*, PacketDispatcher::Packet& packet) override
  {
    const unsigned char byte = static_cast<unsigned char>(++*mFills);
    packet.SetData(&byte, 1);
    return mResult;
  }

private:
  int* mFills;
  int32_t mResult;
};

TEST(PacketDispatcher, EmptyDispatchesNothing)
{
  PacketDispatcher dispatcher;
  RecordingController controller;
  dispatcher.Bind(&controller);
  EXPECT_EQ(dispatcher.MarkDirty("1"), 0);
  EXPECT_EQ(dispatcher.Dispatch(), 0);
  EXPECT_TRUE(controller.posts.empty());
}

TEST(PacketDispatcher, PostsDirtyPacketsOnce)
{
  PacketDispatcher dispatcher;
  RecordingController controller;
  controller.postResult = 17;
  dispatcher.Bind(&controller);
  int fills = 0;
  dispatcher.RegisterPacket("1", 5, std::make_unique<CountingGenerator>(&fills));
  dispatcher.RegisterPacket("2", 6, std::make_unique<CountingGenerator>(&fills));
  EXPECT_EQ(dispatcher.Dispatch(), 0);
  EXPECT_EQ(dispatcher.MarkDirty("2"), 0);
  EXPECT_EQ(dispatcher.MarkDirty("unknown"), 0);
  EXPECT_EQ(dispatcher.Dispatch(), 17);
  ASSERT_EQ(controller.posts.size(), 1u);
  EXPECT_EQ(controller.posts[0].fieldIndex, 6u);
  EXPECT_EQ(controller.posts[0].data, std::vector<unsigned char>{1});
  EXPECT_EQ(dispatcher.Dispatch(), 0);
  EXPECT_EQ(controller.posts.size(), 1u);
}

TEST(PacketDispatcher, EveryRegistrationOfAnIdentifier)
{
  PacketDispatcher dispatcher;
  RecordingController controller;
  dispatcher.Bind(&controller);
  int fills = 0;
  dispatcher.RegisterPacket("1", 5, std::make_unique<CountingGenerator>(&fills));
  dispatcher.RegisterPacket("1", 9, std::make_unique<CountingGenerator>(&fills));
  dispatcher.MarkDirty("1");
  dispatcher.Dispatch();
  ASSERT_EQ(controller.posts.size(), 2u);
  EXPECT_EQ(controller.posts[0].fieldIndex, 5u);
  EXPECT_EQ(controller.posts[1].fieldIndex, 9u);
}

TEST(PacketDispatcher, RefusedFillIsNotPostedAndNotRetried)
{
  PacketDispatcher dispatcher;
  RecordingController controller;
  dispatcher.Bind(&controller);
  int fills = 0;
  dispatcher.RegisterPacket("1", 5, std::make_unique<CountingGenerator>(&fills, -1));
  dispatcher.MarkDirty("1");
  EXPECT_EQ(dispatcher.Dispatch(), 0);
  EXPECT_EQ(dispatcher.Dispatch(), 0);
  EXPECT_EQ(fills, 1);
  EXPECT_TRUE(controller.posts.empty());
}

TEST(PacketDispatcher, WithoutControllerNothingIsPosted)
{
  PacketDispatcher dispatcher;
  int fills = 0;
  dispatcher.RegisterPacket("1", 5, std::make_unique<CountingGenerator>(&fills));
  dispatcher.MarkDirty("1");
  EXPECT_EQ(dispatcher.Dispatch(), 0);
  EXPECT_EQ(fills, 1);
}
}
