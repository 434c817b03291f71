#include "ParameterManager.h"

#include "AAX_IParameter.h"

#include <cstring>

ParameterManager::~ParameterManager() { RemoveAll(); }

bool ParameterManager::AddParameter(AAX_IParameter* parameter)
{
  if (!parameter)
    return false;
  mParameters.reserve(mParameters.size() + 1);
  if (!mIndex.emplace(parameter->Identifier(), parameter).second)
    return false;
  parameter->SetAutomationDelegate(mAutomation);
  mParameters.push_back(parameter);
  return true;
}

AAX_IParameter* ParameterManager::FindParameter(const char* identifier) const
{
  if (!identifier)
    return nullptr;
  const auto found = mIndex.find(identifier);
  return found == mIndex.end() ? nullptr : found->second;
}

int32_t ParameterManager::IndexOfParameter(const char* identifier) const
{
  if (!identifier)
    return -1;
  for (size_t i = 0; i < mParameters.size(); ++i)
    if (std::strcmp(mParameters[i]->Identifier(), identifier) == 0)
      return static_cast<int32_t>(i);
  return -1;
}

AAX_IParameter* ParameterManager::ParameterAt(int32_t index) const
{
  if (index < 0 || index >= NumParameters())
    return nullptr;
  return mParameters[static_cast<size_t>(index)];
}

void ParameterManager::RemoveAll()
{
  mIndex.clear();
  for (AAX_IParameter* parameter : mParameters)
    parameter->Destroy(kDeleteFreesMemory);
  mParameters.clear();
}
