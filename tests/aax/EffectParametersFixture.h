#pragma once

// A small effect-parameters object over the fake host: an int 5, a double
// 0.25 and a bool true, optionally the master bypass and a preview switch,
// created and held as a host holds it.

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AaxFakes.h"
#include "AaxHostFakes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

class SmallEffect final : public AAX_CEffectParameters
{
public:
  int32_t CreateAAXParameters() override
  {
    Add(new AAX_CParameter<int32_t>("Gain", AAX_CString("Threshold"), 5, AAX_CLinearTaperDelegate<int32_t>(0, 10),
                                    AAX_CNumberDisplayDelegate<int32_t>(), true));
    Add(new AAX_CParameter<double>("Mix", AAX_CString("Threshold\nThrs\nT"), 0.25, LinearDoubleTaper(0, 1),
                                   AAX_CNumberDisplayDelegate<double>(), true));
    Add(new AAX_CParameter<bool>("Band", AAX_CString("Band"), true, AAX_CBinaryTaperDelegate<bool>(),
                                 AAX_CBinaryDisplayDelegate<bool>("off", "on"), false));
    if (withBypass)
      Add(new AAX_CParameter<bool>("MasterBypassID", AAX_CString("Master Bypass"), false,
                                   AAX_CBinaryTaperDelegate<bool>(), AAX_CBinaryDisplayDelegate<bool>("bypass", "on"),
                                   true));
    if (withPreview)
      Add(new AAX_CParameter<bool>("PreviewID", AAX_CString("Preview"), false, AAX_CBinaryTaperDelegate<bool>(),
                                   AAX_CBinaryDisplayDelegate<bool>("off", "on"), true));
    Packets().RegisterPacket("Gain", 2, std::make_unique<GainPacket>(this));
    return createResult;
  }

  // Seen through the table by the delta operations.
  int32_t ACF_CALL RequestParameterNormalized(const char* identifier, double normalized) override
  {
    requested.push_back(normalized);
    return AAX_CEffectParameters::RequestParameterNormalized(identifier, normalized);
  }
  int32_t ACF_CALL UpdateParameterFromHost(const char* identifier, double normalized, AAX_Value source) override
  {
    updated.push_back(normalized);
    return AAX_CEffectParameters::UpdateParameterFromHost(identifier, normalized, source);
  }

  bool withBypass = true;
  bool withPreview = false;
  int32_t createResult = 0;
  std::vector<double> requested;
  std::vector<double> updated;

private:
  class GainPacket final : public PacketDispatcher::Generator
  {
  public:
    explicit GainPacket(SmallEffect* effect) : mEffect(effect) {}
    int32_t Fill(const char* identifier, PacketDispatcher::Packet& packet) override
    {
      int32_t value = 0;
      mEffect->Parameters().FindParameter(identifier)->GetIntValue(&value);
      packet.SetData(&value, sizeof value);
      return 0;
    }

  private:
    SmallEffect* mEffect;
  };

  void Add(AAX_IParameter* parameter)
  {
    std::unique_ptr<AAX_IParameter, void (*)(AAX_IParameter*)> owned(
      parameter, [](AAX_IParameter* p) { p->Destroy(kDeleteFreesMemory); });
    if (Parameters().AddParameter(parameter))
      owned.release();
  }
};

// The object made, referenced once through its face and initialised over
// the fake host; at the end uninitialised and released, when the host's
// ledger must balance and no object may be left alive.
class EffectParametersTest : public testing::Test
{
protected:
  void SetUp() override { Make(); }
  void TearDown() override
  {
    if (face)
    {
      EXPECT_EQ(face->UninitializeEffect(), 0);
      EXPECT_EQ(face->Release(), 0);
    }
    EXPECT_TRUE(host.log.Balanced());
    EXPECT_EQ(CACFUnknown::LiveObjects(), 0);
  }

  void Make(bool initialize = true)
  {
    effect = new SmallEffect;
    void* out = nullptr;
    ASSERT_EQ(effect->QueryInterface(&IID_AAX_IACFEffectParameters_V2, &out), 0);
    face = static_cast<AAX_IEffectParameters*>(out);
    if (initialize)
    {
      ASSERT_EQ(face->InitializeEffect(&host), 0);
    }
  }

  // A record of room bytes of data after the header.
  static std::vector<unsigned char> Record(size_t room)
  {
    return std::vector<unsigned char>(sizeof(ChunkRecord) + room, 0xEE);
  }
  static ChunkRecord* AsRecord(std::vector<unsigned char>& bytes)
  {
    return reinterpret_cast<ChunkRecord*>(bytes.data());
  }

  // The default chunk as the host gets it: size query, then the write.
  std::vector<unsigned char> SavedChunk()
  {
    int32_t size = 0;
    EXPECT_EQ(face->GetChunkByteSize(kDefaultChunkId, &size), 0);
    std::vector<unsigned char> bytes = Record(static_cast<size_t>(size));
    EXPECT_EQ(face->WriteChunk(kDefaultChunkId, AsRecord(bytes)), 0);
    WriteChunkWord(AsRecord(bytes)->chunkId, kDefaultChunkId);
    return bytes;
  }

  hostfakes::Host host;
  SmallEffect* effect = nullptr;
  AAX_IEffectParameters* face = nullptr;
};
