#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

class AAX_IAutomationDelegate;
class AAX_IParameter;

// Owns the plug-in's parameters in the order they were added and finds them
// by identifier or position. Filled and emptied only while the effect is
// initialised and uninitialised; lookups take no lock.
class ParameterManager
{
public:
  ParameterManager() = default;
  ~ParameterManager();
  ParameterManager(const ParameterManager&) = delete;
  ParameterManager& operator=(const ParameterManager&) = delete;

  // Given to parameters added from now on (not owned; may be null).
  void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) { mAutomation = delegate; }
  // Takes the parameter and binds it to the automation delegate. A null
  // parameter, or one whose identifier is already present, is not taken:
  // false, and the caller still owns it. May throw std::bad_alloc, and then
  // takes nothing.
  bool AddParameter(AAX_IParameter* parameter);
  // Null for an unknown or null identifier.
  AAX_IParameter* FindParameter(const char* identifier) const;
  // The position in the order of adding; -1 for an unknown or null identifier.
  int32_t IndexOfParameter(const char* identifier) const;
  // Null outside 0 to count - 1.
  AAX_IParameter* ParameterAt(int32_t index) const;
  int32_t NumParameters() const { return static_cast<int32_t>(mParameters.size()); }
  // Deletes every parameter.
  void RemoveAll();

private:
  AAX_IAutomationDelegate* mAutomation = nullptr;
  std::vector<AAX_IParameter*> mParameters;
  // Looked up by the caller's text as it is: no allocation on a lookup.
  std::map<std::string, AAX_IParameter*, std::less<>> mIndex;
};
