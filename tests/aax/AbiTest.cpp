// The binary interface as a host sees it: identifier bytes, record offsets,
// result codes, and our tables called by slot from C.
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CString.h"
#include "AaxFakes.h"
#include "IPlugBase.h"
#include "RawTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>

namespace
{
TEST(AaxAbi, IdentifiersLieInNativeByteOrder)
{
  const unsigned char expected[16] = {0x3D, 0x33, 0x4E, 0x96, 0x4C, 0x33, 0x3F, 0x53,
                                      0xC2, 0xC7, 0x38, 0x34, 0xC3, 0xC2, 0x3E, 0x3E};
  EXPECT_EQ(std::memcmp(&IID_AAX_IACFEffectParameters, expected, sizeof expected), 0);
}

TEST(AaxAbi, IdentifiersCompareAllFourParts)
{
  const ACFUID base = IID_AAX_IACFEffectParameters;
  EXPECT_EQ(base, IID_AAX_IACFEffectParameters);
  ACFUID changed = base;
  changed.data1 ^= 1;
  EXPECT_NE(changed, base);
  changed = base;
  changed.data2 ^= 1;
  EXPECT_NE(changed, base);
  changed = base;
  changed.data3 ^= 1;
  EXPECT_NE(changed, base);
  for (int i = 0; i < 8; ++i)
  {
    changed = base;
    changed.data4[i] ^= 1;
    EXPECT_NE(changed, base) << i;
  }
}

TEST(AaxAbi, ResultCodes)
{
  EXPECT_EQ(kAAXNoParameter, -20001);
  EXPECT_EQ(kAAXNoText, -20002);
  EXPECT_EQ(kAAXRefused, -20004);
  EXPECT_EQ(kAAXBadChunkIndex, -20006);
  EXPECT_EQ(kAAXUnknownChunk, -20007);
  EXPECT_EQ(kAAXBadChunkSize, -20008);
  EXPECT_EQ(kAAXNotSupported, -20009);
  EXPECT_EQ(kAAXNoController, -20011);
  EXPECT_EQ(kAAXNegativeStepCount, -20033);
  EXPECT_EQ(kAAXChunkOverflow, -333);
  EXPECT_EQ(static_cast<uint32_t>(kACFNoInterface), 0x80000004u);
  EXPECT_EQ(static_cast<uint32_t>(kACFUnexpected), 0x8000FFFFu);
}

TEST(AaxAbi, ChunkRecordFieldsAtAnyAddress)
{
  alignas(8) unsigned char bytes[1 + sizeof(ChunkRecord) + 4] = {};
  ChunkRecord& record = *reinterpret_cast<ChunkRecord*>(bytes + 1);
  WriteChunkWord(record.size, 4);
  WriteChunkWord(record.version, 0xFFFFFFFFu);
  WriteChunkWord(record.chunkId, static_cast<uint32_t>(FourCharCode("elck")));
  ChunkData(record)[0] = 0xAB;
  EXPECT_EQ(ChunkDataSize(record), 4);
  EXPECT_EQ(ReadChunkWord(record.version), 0xFFFFFFFFu);
  const unsigned char elckInMemory[4] = {0x6B, 0x63, 0x6C, 0x65};
  EXPECT_EQ(std::memcmp(bytes + 1 + 20, elckInMemory, 4), 0);
  EXPECT_EQ(bytes[1 + 56], 0xAB);
}

TEST(AaxAbi, StringThroughRawTable)
{
  AAX_CString text("sibilance");
  EXPECT_EQ(RawStringText(&text), text.CString());
  EXPECT_EQ(RawStringLength(&text), 9u);
  EXPECT_EQ(RawStringMaxLength(&text), 0xFFFFFFFEu);
}

TEST(AaxAbi, ParameterThroughRawTable)
{
  AAX_CParameter<int32_t> parameter("Band 4k", AAX_CString("4 kHz"), 29, AAX_CLinearTaperDelegate<int32_t>(0, 100),
                                    AAX_CNumberDisplayDelegate<int32_t>(), true);
  EXPECT_STREQ(RawParameterIdentifier(&parameter), "Band 4k");
  EXPECT_DOUBLE_EQ(RawParameterNormalizedValue(&parameter), 0.28);
  int32_t value = -1;
  EXPECT_TRUE(RawParameterIntValue(&parameter, &value));
  EXPECT_EQ(value, 28);
  EXPECT_EQ(RawParameterIntValueSum(&parameter, 1000), 28000);

  AAX_CParameter<double> other("Mix", AAX_CString("DryWet"), 0.5, LinearDoubleTaper(0, 1),
                               AAX_CNumberDisplayDelegate<double>(), true);
  value = -1;
  EXPECT_FALSE(RawParameterIntValue(&other, &value));
  EXPECT_EQ(value, -1);
}

TEST(AaxAbi, RawSlotZeroDestroysAndFreesOnlyWithTheLowBit)
{
  RecordingAutomationDelegate automation;
  auto* parameter = new AAX_CParameter<int32_t>("1", AAX_CString("Gain"), 0, AAX_CLinearTaperDelegate<int32_t>(0, 1),
                                                AAX_CNumberDisplayDelegate<int32_t>(), true);
  parameter->SetAutomationDelegate(&automation);
  RawDestroy(parameter, kDeleteFreesMemory);
  ASSERT_EQ(automation.calls.size(), 2u);
  EXPECT_EQ(automation.calls[1].what, "unregister");

  RawDestroy(new AAX_CString("a text long enough to live on the heap"), kDeleteFreesMemory);

  // Without the bit the object is destroyed in its storage, which stays ours.
  alignas(AAX_CString) unsigned char storage[sizeof(AAX_CString)];
  RawDestroy(new (storage) AAX_CString("another text long enough for the heap"), 0);
}
}
