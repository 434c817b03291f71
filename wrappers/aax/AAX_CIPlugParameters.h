#pragma once

#include "AAX_CEffectParameters.h"

#include <atomic>

class AAX_IParameter;
class AAX_ITransport;

// The effect-parameters side of the AAX wrapper: what the audio callback
// needs to find the object and run one block of it.
class AAX_CIPlugParameters : public AAX_CEffectParameters
{
public:
  // Field kPrivateDataField, with room for the cell, receives this object's
  // address, through which each algorithm context reaches it; every other
  // request is zeroed.
  int32_t ACF_CALL GetPrivateData(uint32_t fieldIndex, void* buffer, uint32_t size) override;

  // One audio block on the host's audio thread.
  virtual void ProcessAlgorithmContext(const AAX_AlgorithmContext& context) = 0;

protected:
  // The master bypass is owned by the parameter manager; the audio thread
  // reads the pointer, so it is set and cleared under the plug's lock.
  AAX_IParameter* MasterBypass() const { return mMasterBypass; }
  void SetMasterBypass(AAX_IParameter* parameter);
  // The master bypass's value for the audio thread. The parameter changes
  // on the host's threads outside the plug's lock (it reports to the host
  // as it changes), so the audio thread reads this copy, published after
  // each value the host applies; false without a master bypass.
  bool Bypassed() const { return mBypassed.load(std::memory_order_relaxed); }
  void PublishMasterBypass();
  // The host's transport of the audio block being processed, or of the
  // last one; null before the first.
  AAX_ITransport* CurrentTransport() const { return mCurrentTransport.load(std::memory_order_acquire); }
  void SetCurrentTransport(AAX_ITransport* transport) { mCurrentTransport.store(transport, std::memory_order_release); }

private:
  AAX_IParameter* mMasterBypass = nullptr;
  std::atomic<bool> mBypassed{false};
  std::atomic<AAX_ITransport*> mCurrentTransport{nullptr};
};

// The process callback of every component: each context reaches its object
// through the private-data cell; a context without one is skipped.
void AAX_CALLBACK_CALL ProcessContexts(AAX_AlgorithmContext* const* first, AAX_AlgorithmContext* const* end);
