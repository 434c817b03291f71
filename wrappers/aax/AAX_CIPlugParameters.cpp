#include "AAX_CIPlugParameters.h"

#include "AAX_IParameter.h"

#include <cstdint>
#include <cstring>

int32_t AAX_CIPlugParameters::GetPrivateData(uint32_t fieldIndex, void* buffer, uint32_t size)
{
  if (fieldIndex != kPrivateDataField || !buffer || size < kPrivateDataCellSize)
    return AAX_CEffectParameters::GetPrivateData(fieldIndex, buffer, size);
  const void* self = this;
  std::memcpy(buffer, &self, sizeof self);
  return kAAXSuccess;
}

void AAX_CIPlugParameters::SetMasterBypass(AAX_IParameter* parameter)
{
  mMasterBypass = parameter;
  PublishMasterBypass();
}

void AAX_CIPlugParameters::PublishMasterBypass()
{
  bool bypassed = false;
  if (mMasterBypass)
    mMasterBypass->GetBoolValue(&bypassed);
  mBypassed.store(bypassed, std::memory_order_relaxed);
}

void AAX_CALLBACK_CALL ProcessContexts(AAX_AlgorithmContext* const* first, AAX_AlgorithmContext* const* end)
{
  const uintptr_t from = reinterpret_cast<uintptr_t>(first);
  const uintptr_t to = reinterpret_cast<uintptr_t>(end);
  if (!first || to < from)
    return;
  const size_t count = (to - from) / sizeof *first;
  // Nothing may unwind into the host's audio thread: a block that throws is
  // left as it stands.
  try
  {
    for (size_t i = 0; i < count; ++i)
    {
      const AAX_AlgorithmContext* context = first[i];
      if (!context || !context->privateData)
        continue;
      void* object;
      std::memcpy(&object, context->privateData, sizeof object);
      if (object)
        static_cast<AAX_CIPlugParameters*>(object)->ProcessAlgorithmContext(*context);
    }
  }
  catch (...)
  {
  }
}
