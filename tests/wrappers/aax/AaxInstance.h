#pragma once

// The de-esser as the AAX module builds it, made by the instance factory and
// held through its effect-parameters face as a host holds it, initialised
// over the fake host; and the algorithm context of one audio block.

#include "CreatePlugInstance.h"
#include "IPlugAAX.h"
#include "ZelvarLispera.h"
#include "aax/AaxHostFakes.h"

#include <gtest/gtest.h>

#include <vector>

using AaxEffect = ZelvarLispera<IPlugAAX>;

// At the end the instance is uninitialised and released: the host's ledger
// must balance and no object may be left alive.
class AaxInstance : public testing::Test
{
protected:
  void SetUp() override
  {
    plug = CreatePlugInstance<IPlugAAX>();
    ASSERT_NE(plug, nullptr);
    void* out = nullptr;
    ASSERT_EQ(plug->QueryInterface(&IID_AAX_IACFEffectParameters_V2, &out), 0);
    face = static_cast<AAX_IEffectParameters*>(out);
    ASSERT_EQ(face->InitializeEffect(&host), 0);
  }
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

  int32_t Changes() const
  {
    int32_t changes = -1;
    face->CountChanges(&changes);
    return changes;
  }

  hostfakes::Host host;
  IPlugAAX* plug = nullptr;
  AAX_IEffectParameters* face = nullptr;
};

// One audio block's context over the host's buffers, reaching the object
// through the cell its GetPrivateData filled.
struct Block
{
  Block(AAX_IEffectParameters* face, float** inputs, float** outputs, int32_t frames) : frames(frames)
  {
    face->GetPrivateData(kPrivateDataField, &cell, sizeof cell);
    context.audioInputs = inputs;
    context.audioOutputs = outputs;
    context.bufferLength = &this->frames;
    context.transportNode = &transportNode;
    context.privateData = &cell;
  }
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;

  // Through the process callback, as the host calls it.
  void Process()
  {
    AAX_AlgorithmContext* contexts[] = {&context};
    ProcessContexts(contexts, contexts + 1);
  }

  void* cell = nullptr;
  int32_t frames;
  hostfakes::TransportNode transportNode;
  AAX_AlgorithmContext context = {};
};
