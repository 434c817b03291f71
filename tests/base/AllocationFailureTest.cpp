// What the containers and the state code do when memory cannot be had.

#include "support/TestHeap.h"
#include "HeapBuffer.h"
#include "StringBuffer.h"
#include "TestPlug.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
TEST(AllocationFailure, HeapBufferKeepsDataAndSize)
{
  HeapBuffer buffer(128);
  std::memcpy(buffer.Resize(4), "keep", 4);
  void* before = buffer.Get();
  const int allocated = buffer.Allocated();
  {
    TestHeap::Scope fail(true, false);
    EXPECT_EQ(buffer.Resize(1000), before);
  }
  EXPECT_EQ(buffer.Size(), 4);
  EXPECT_EQ(buffer.Allocated(), allocated);
  EXPECT_EQ(std::memcmp(buffer.Get(), "keep", 4), 0);

  HeapBuffer empty;
  TestHeap::Scope fail(true, false);
  EXPECT_EQ(empty.Resize(10), nullptr);
  EXPECT_EQ(empty.Size(), 0);
}

TEST(AllocationFailure, FreshBlockWhenReallocationFails)
{
  HeapBuffer buffer(128);
  std::memcpy(buffer.Resize(4), "copy", 4);
  TestHeap::Scope fail(false, true);
  const char* data = static_cast<const char*>(buffer.Resize(1000));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(buffer.Size(), 1000);
  EXPECT_EQ(std::memcmp(data, "copy", 4), 0);
}

TEST(AllocationFailure, StringBufferStops)
{
  StringBuffer text("abc");
  TestHeap::Scope fail(true, false);
  text.SetAt(3, "defghijklmnopqrstuvwxyz0123456789defghijklmnopqrstuvwxyz0123456789defghijklmnopqrstuvwxyz0123456789defghijklmnopqrstuvwxyz0123456789", 130);
  EXPECT_STREQ(text.Get(), "abc");
  EXPECT_STREQ(text.Printf(500, "%s", "long"), "abc");
}

TEST(AllocationFailure, SerializeParamsReportsTheFailedAppend)
{
  TestPlug plug;
  StateChunk chunk;
  const unsigned char page[4000] = {};
  chunk.PutBytes(page, 1);  // a first block of 4000 bytes...
  chunk.PutBytes(page, 3999);  // ...filled exactly
  TestHeap::Scope fail(true, false);
  // The chunk is not empty, but it did not grow.
  EXPECT_FALSE(plug.SerializeParams(&chunk));
  EXPECT_EQ(chunk.Size(), 4000);
}

TEST(AllocationFailure, StateChunkGrowthChangesNothing)
{
  StateChunk chunk;
  chunk.PutBytes("keep", 4);
  TestHeap::Scope fail(true, false);
  EXPECT_EQ(chunk.PutString(std::string(5000, 's').c_str()), 4);
  EXPECT_EQ(chunk.ResizeZeroed(5000), 4);
  ASSERT_EQ(chunk.Size(), 4);
  EXPECT_EQ(std::memcmp(chunk.Get(), "keep", 4), 0);
}

// A preset keeps the state it held when the new one cannot be had, and the
// bank reports the append that failed.
TEST(AllocationFailure, PresetsKeepTheirStates)
{
  TestPlug plug(18, "1-1 2-2", 2);
  plug.StoreDefaultPreset("-", 1);
  plug.GetParam(0)->Set(0.5);
  {
    TestHeap::Scope fail(true, false);
    plug.ModifyCurrentPreset("renamed");
    StateChunk bank;
    EXPECT_FALSE(plug.SerializePresets(&bank));
  }
  EXPECT_STREQ(plug.GetPreset(0)->name, "renamed");
  ASSERT_EQ(plug.GetPreset(0)->state.Size(), 144);
  EXPECT_EQ(plug.GetPreset(0)->state.Get()[7], 0) << "the old value 0, not 0.5";

  StateChunk bank;
  const unsigned char page[4000] = {};
  bank.PutBytes(page, 1);
  bank.PutBytes(page, 3999);  // a first block, filled exactly
  TestHeap::Scope fail(true, false);
  EXPECT_FALSE(plug.SerializePresets(&bank));
}

TEST(AllocationFailure, ChangeBlockSizeKeepsTheOldSize)
{
  TestPlug plug;
  plug.ChangeBlockSize(16);
  {
    TestHeap::Scope fail(true, false);
    plug.ChangeBlockSize(100000);
  }
  EXPECT_EQ(plug.GetBlockSize(), 16);
  for (int i = 0; i < 2; ++i)
  {
    EXPECT_EQ(plug.GetInChannel(i)->scratch.Count(), 16);
    EXPECT_EQ(plug.GetOutChannel(i)->scratch.Count(), 16);
  }
}
}
