#include "HeapBuffer.h"
#include "PointerList.h"
#include "StateChunk.h"
#include "StringBuffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct GrowthCase
{
  int granularity;
  int from;
  int to;
  int expectedAllocation;
};

class HeapBufferGrowth : public testing::TestWithParam<GrowthCase>
{
};

TEST_P(HeapBufferGrowth, AllocatesByTheGrowthRule)
{
  const GrowthCase& c = GetParam();
  HeapBuffer buffer(c.granularity);
  buffer.Resize(c.from);
  ASSERT_NE(buffer.Resize(c.to), nullptr);
  EXPECT_EQ(buffer.Size(), c.to);
  EXPECT_EQ(buffer.Allocated(), c.expectedAllocation);
}

INSTANTIATE_TEST_SUITE_P(Cases, HeapBufferGrowth,
                         testing::Values(GrowthCase{4096, 0, 8, 4000},     // one page less 96
                                         GrowthCase{4096, 0, 4001, 8096},  // two pages less 96
                                         GrowthCase{128, 0, 10, 138},      // n + granularity
                                         GrowthCase{128, 0, 1000, 1500},   // n + n / 2
                                         GrowthCase{4096, 0, 20000, 24480},  // step 8192
                                         // the step is held at 4 MB
                                         GrowthCase{4096, 0, 20000000, 24190880}));

TEST(HeapBuffer, NegativeSizeFreesLikeZero)
{
  HeapBuffer buffer;
  buffer.Resize(100);
  EXPECT_EQ(buffer.Resize(-5), nullptr);
  EXPECT_EQ(buffer.Size(), 0);
  EXPECT_EQ(buffer.Allocated(), 0);
}

TEST(HeapBuffer, EmptyBufferReadsAsNullEvenWithABlock)
{
  HeapBuffer buffer;
  buffer.Resize(100);
  buffer.Resize(0, false);
  EXPECT_EQ(buffer.Get(), nullptr);
  EXPECT_EQ(buffer.Allocated(), 4000);
}

TEST(HeapBuffer, ShrinksOnlyWhenAskedAndBelowThreshold)
{
  HeapBuffer buffer(4096);
  buffer.Resize(100000);
  const int allocated = buffer.Allocated();
  buffer.Resize(10, false);
  EXPECT_EQ(buffer.Allocated(), allocated);
  buffer.Resize(100000);
  buffer.Resize(allocated / 2 + 1, true);  // above half: kept
  EXPECT_EQ(buffer.Allocated(), allocated);
  buffer.Resize(10, true);
  EXPECT_EQ(buffer.Allocated(), 4000);
}

TEST(HeapBuffer, KeepsContentWhenGrowing)
{
  HeapBuffer buffer(128);
  std::memcpy(buffer.Resize(5), "abcde", 5);
  const char* data = static_cast<const char*>(buffer.Resize(100000));
  EXPECT_EQ(std::memcmp(data, "abcde", 5), 0);
}

TEST(HeapBuffer, OverflowingSizeIsRefusedAndKeepsTheBlock)
{
  for (int granularity : {128, 4096})
  {
    HeapBuffer buffer(granularity);
    std::memcpy(buffer.Resize(4), "keep", 4);
    void* before = buffer.Get();
    EXPECT_EQ(buffer.Resize(INT_MAX - 10), before);
    EXPECT_EQ(buffer.Size(), 4);
    EXPECT_EQ(std::memcmp(buffer.Get(), "keep", 4), 0);
  }
}

TEST(HeapArray, RefusesCountsWhoseByteSizeOverflows)
{
  HeapArray<double> array;
  ASSERT_TRUE(array.Resize(16));
  EXPECT_FALSE(array.Resize(INT_MAX / 4));
  EXPECT_FALSE(array.Resize(-1));
  EXPECT_EQ(array.Count(), 16);
}

TEST(StringBuffer, ConstructorCutsAtMaximumOrTerminator)
{
  EXPECT_EQ(StringBuffer(nullptr).Get(), nullptr);
  EXPECT_STREQ(StringBuffer("abcdef", 3).Get(), "abc");
  EXPECT_STREQ(StringBuffer("ab", 10).Get(), "ab");
  EXPECT_STREQ(StringBuffer("abcdef", 0).Get(), "abcdef");
  EXPECT_STREQ(StringBuffer("abcdef", -1).Get(), "abcdef");
}

TEST(StringBuffer, ZeroLengthWriteAtStartLeavesEmptyText)
{
  StringBuffer text("hello");
  text.SetAt(3, "x", 0);
  EXPECT_STREQ(text.Get(), "hello");
  text.SetAt(0, "x", 0);
  ASSERT_NE(text.Get(), nullptr);
  EXPECT_STREQ(text.Get(), "");
  EXPECT_EQ(text.Size(), 1);

  StringBuffer empty;
  empty.SetAt(0, nullptr, 0);
  ASSERT_NE(empty.Get(), nullptr);
  EXPECT_STREQ(empty.Get(), "");
}

TEST(StringBuffer, WriteCutsTheTextAtItsEnd)
{
  StringBuffer text("0123456789");
  text.SetAt(2, "ab", 2);
  EXPECT_STREQ(text.Get(), "01ab");
  EXPECT_EQ(text.Size(), 5);
  text.SetAt(-1, "zz", 2);
  text.SetAt(1, "zz", -2);
  EXPECT_STREQ(text.Get(), "01ab");
}

TEST(StringBuffer, WriteBeyondTheEndGrows)
{
  StringBuffer text("ab");
  text.SetAt(2, "cdef", 4);
  EXPECT_STREQ(text.Get(), "abcdef");
}

TEST(StringBuffer, WritesFromAPartOfItself)
{
  StringBuffer text("abc");
  // The source lies in the block, which moves as it grows.
  for (int i = 0; i < 12; ++i)
    text.SetAt(static_cast<int>(std::strlen(text.Get())), text.Get(), static_cast<int>(std::strlen(text.Get())));
  EXPECT_EQ(std::strlen(text.Get()), 3u << 12);
  EXPECT_EQ(std::strncmp(text.Get() + (3 << 12) - 6, "abcabc", 6), 0);
}

TEST(StringBuffer, PrintfKeepsAtMostTheMaximumLength)
{
  StringBuffer text;
  EXPECT_STREQ(text.Printf(10, "%s", "0123456789012345678901234567890123456789"), "0123456789");
  EXPECT_STREQ(text.Printf(10, "%d-%s", 7, "x"), "7-x");
  EXPECT_EQ(text.Size(), 4);
  EXPECT_STREQ(text.Printf(3, "%s", "abc"), "abc");
  EXPECT_STREQ(text.Printf(0, "%s", "abc"), "");
}

struct Counted
{
  explicit Counted(std::vector<int>* log, int id) : log(log), id(id) {}
  ~Counted() { log->push_back(id); }
  std::vector<int>* log;
  int id;
};

TEST(PointerList, OutOfRangeLookupsYieldNull)
{
  PointerList<int> list;
  EXPECT_EQ(list.Get(0), nullptr);
  int a = 1, b = 2;
  list.Add(&a);
  list.Add(&b);
  EXPECT_EQ(list.Get(-1), nullptr);
  EXPECT_EQ(list.Get(2), nullptr);
  EXPECT_EQ(list.Get(1), &b);
}

TEST(PointerList, InsertClampsAndShiftsUp)
{
  PointerList<int> list;
  int v[4] = {0, 1, 2, 3};
  list.Add(&v[1]);
  list.Insert(0, &v[0]);
  list.Insert(99, &v[3]);
  list.Insert(2, &v[2]);
  list.Insert(-4, &v[3]);
  ASSERT_EQ(list.Count(), 5);
  const int* expected[] = {&v[3], &v[0], &v[1], &v[2], &v[3]};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(list.Get(i), expected[i]) << i;
}

TEST(PointerList, DeleteAllGoesLastFirstAndSkipsNull)
{
  std::vector<int> log;
  PointerList<Counted> list;
  list.Add(new Counted(&log, 0));
  list.Add(nullptr);
  list.Add(new Counted(&log, 2));
  list.DeleteAll();
  EXPECT_EQ(log, (std::vector<int>{2, 0}));
  EXPECT_EQ(list.Count(), 0);
}

TEST(PointerList, DeleteAtClosesTheGapAndIgnoresBadIndices)
{
  PointerList<StringBuffer> list;
  list.Add(new StringBuffer("a"));
  list.Add(new StringBuffer("b"));
  list.Add(new StringBuffer("c"));
  list.DeleteAt(3);
  list.DeleteAt(-1);
  list.DeleteAt(1);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_STREQ(list.Get(0)->Get(), "a");
  EXPECT_STREQ(list.Get(1)->Get(), "c");
  list.DeleteAll();
}

struct ReadCase
{
  int count;
  int position;
  int expected;
};

class StateChunkRead : public testing::TestWithParam<ReadCase>
{
};

TEST_P(StateChunkRead, ReadsOnlyWhatIsThere)
{
  StateChunk chunk;
  unsigned char bytes[20];
  for (int i = 0; i < 20; ++i)
    bytes[i] = static_cast<unsigned char>(i + 1);
  ASSERT_EQ(chunk.PutBytes(bytes, 20), 20);

  const ReadCase& c = GetParam();
  unsigned char out[32];
  std::memset(out, 0xEE, sizeof out);
  EXPECT_EQ(chunk.GetBytes(out, c.count, c.position), c.expected);
  if (c.expected < 0)
  {
    EXPECT_EQ(out[0], 0xEE) << "nothing may be copied";
  }
  else if (c.count > 0)
  {
    EXPECT_EQ(out[0], c.position + 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, StateChunkRead,
                         testing::Values(ReadCase{8, 16, -1}, ReadCase{8, 12, 20},
                                         ReadCase{0, 20, 20}, ReadCase{1, 20, -1},
                                         ReadCase{4, -1, -1}, ReadCase{-4, 4, -1},
                                         ReadCase{8, INT_MAX - 2, -1},
                                         ReadCase{INT_MAX, 8, -1}));

TEST(StateChunk, AppendsAndClears)
{
  StateChunk chunk;
  EXPECT_EQ(chunk.PutBytes("abc", 3), 3);
  EXPECT_EQ(chunk.PutBytes("de", 2), 5);
  EXPECT_EQ(std::memcmp(chunk.Get(), "abcde", 5), 0);
  chunk.Clear();
  EXPECT_EQ(chunk.Size(), 0);
  EXPECT_EQ(chunk.Get(), nullptr);
}

TEST(StateChunk, PutStringWritesALittleEndianLengthAndNoTerminator)
{
  StateChunk chunk;
  chunk.PutBytes("x", 1);
  EXPECT_EQ(chunk.PutString("Bright"), 11);
  EXPECT_EQ(chunk.PutString(""), 15);
  const unsigned char expected[] = {'x', 6, 0, 0, 0, 'B', 'r', 'i', 'g', 'h', 't', 0, 0, 0, 0};
  ASSERT_EQ(chunk.Size(), static_cast<int>(sizeof expected));
  EXPECT_EQ(std::memcmp(chunk.Get(), expected, sizeof expected), 0);

  const std::string long300(300, 'a');
  StateChunk longer;
  EXPECT_EQ(longer.PutString(long300.c_str()), 304);
  EXPECT_EQ(longer.Get()[0], 0x2C);
  EXPECT_EQ(longer.Get()[1], 0x01);
}

TEST(StateChunk, Int32WordsAreLittleEndianAndReadOnlyWhole)
{
  StateChunk chunk;
  EXPECT_EQ(chunk.PutInt32(0x70666674), 4);
  EXPECT_EQ(chunk.PutInt32(-2), 8);
  const unsigned char expected[] = {0x74, 0x66, 0x66, 0x70, 0xFE, 0xFF, 0xFF, 0xFF};
  ASSERT_EQ(chunk.Size(), static_cast<int>(sizeof expected));
  EXPECT_EQ(std::memcmp(chunk.Get(), expected, sizeof expected), 0);

  std::int32_t value = 7;
  EXPECT_EQ(chunk.GetInt32(&value, 0), 4);
  EXPECT_EQ(value, 0x70666674);
  EXPECT_EQ(chunk.GetInt32(&value, 4), 8);
  EXPECT_EQ(value, -2);
  value = 7;
  EXPECT_EQ(chunk.GetInt32(&value, 5), -1) << "three bytes left";
  EXPECT_EQ(chunk.GetInt32(&value, -1), -1);
  EXPECT_EQ(value, 7);
}

TEST(StateChunk, ResizeZeroedClearsOnlyTheNewBytes)
{
  StateChunk chunk;
  chunk.PutBytes("abcd", 4);
  EXPECT_EQ(chunk.ResizeZeroed(2), 4);
  EXPECT_EQ(chunk.ResizeZeroed(6000), 2);
  ASSERT_EQ(chunk.Size(), 6000);
  EXPECT_EQ(std::memcmp(chunk.Get(), "ab", 2), 0);
  int nonZero = 0;
  for (int i = 2; i < 6000; ++i)
    nonZero += chunk.Get()[i] != 0;
  EXPECT_EQ(nonZero, 0) << "the bytes beyond the old size, 'cd' included, are zero";
  EXPECT_EQ(chunk.ResizeZeroed(-5), 6000);
  EXPECT_EQ(chunk.Size(), 0);
}
}
