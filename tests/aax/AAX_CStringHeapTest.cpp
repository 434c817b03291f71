// AAX_CString's Destroy, watched through the test heap: the text is given
// back either way, the object's own block only when the flag says so.

#include "AAX_CString.h"
#include "support/TestHeap.h"

#include <gtest/gtest.h>

#include <new>

namespace
{
constexpr const char* kLongText = "a text long enough to live in a heap block of its own";

TEST(AAX_CStringHeap, DestroyFreesTheObjectWithTheFlag)
{
  auto* onHeap = new AAX_CString(kLongText);
  const long long before = TestHeap::Releases();
  TestHeap::WatchRelease(onHeap);
  onHeap->Destroy(kDeleteFreesMemory);
  EXPECT_TRUE(TestHeap::WatchedReleased());
  EXPECT_EQ(TestHeap::Releases() - before, 2);  // the text and the object
}

TEST(AAX_CStringHeap, DestroyWithoutTheFlagOnlyDestroys)
{
  alignas(AAX_CString) unsigned char storage[sizeof(AAX_CString)];
  auto* inPlace = new (storage) AAX_CString(kLongText);
  const long long before = TestHeap::Releases();
  TestHeap::WatchRelease(storage);
  inPlace->Destroy(0);
  EXPECT_FALSE(TestHeap::WatchedReleased());
  EXPECT_EQ(TestHeap::Releases() - before, 1);  // the text alone
}
}
