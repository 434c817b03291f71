// The effect-parameters object: life cycle, parameter queries and changes,
// and the slots whose meaning lies with the host. The default chunk is in
// AAX_CEffectParametersChunk.cpp.

#include "AAX_CEffectParameters.h"

#include "HostEntryGuard.h"
#include "AAX_CString.h"
#include "AAX_IParameter.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"

#include <cmath>
#include <cstring>
#include <new>

namespace
{
constexpr const char* kMasterBypassId = "MasterBypassID";
constexpr const char* kPreviewId = "PreviewID";
constexpr uint32_t kPreviewNotification = 0x41535076;  // 'ASPv'
constexpr size_t kShortenedNameRoom = 255;
}

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters() { ReleaseEffect(); }

int32_t AAX_CEffectParameters::QueryInterface(const ACFUID* iid, void** out)
{
  return GetOuterUnknown()->QueryInterface(iid, out);
}

int32_t AAX_CEffectParameters::AddRef() { return GetOuterUnknown()->AddRef(); }

int32_t AAX_CEffectParameters::Release() { return GetOuterUnknown()->Release(); }

int32_t AAX_CEffectParameters::QueryInterfaceInner(const ACFUID* iid, void** out)
{
  if (iid && out && (*iid == IID_AAX_IACFEffectParameters || *iid == IID_AAX_IACFEffectParameters_V2))
  {
    *out = static_cast<AAX_IEffectParameters*>(this);
    AddRef();
    return kAAXSuccess;
  }
  return CACFUnknown::QueryInterfaceInner(iid, out);
}

AAX_IController* AAX_CEffectParameters::Controller() const { return mController.get(); }

void AAX_CEffectParameters::ExcludeFromChunk(const char* identifier)
{
  if (identifier)
    mExcluded.emplace(identifier);
}

int32_t AAX_CEffectParameters::InitializeEffect(IACFUnknown* controller)
{
  return GuardedEntry([&] {
    UninitializeEffect();
    mController.reset(new (std::nothrow) AAX_VController(controller));
    mAutomation.reset(new (std::nothrow) AAX_VAutomationDelegate(controller));
    mTransport.reset(new (std::nothrow) AAX_VTransport(controller));
    mParameters.SetAutomationDelegate(mAutomation.get());
    mPackets.Bind(mController.get());
    const int32_t created = CreateAAXParameters();
    if (created != kAAXSuccess)
      return created;
    AAX_CString masterBypass;
    GetMasterBypassId(&masterBypass);
    ExcludeFromChunk(masterBypass.CString());
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t AAX_CEffectParameters::UninitializeEffect()
{
  ReleaseEffect();
  return kAAXSuccess;
}

// The parameters unregister through the automation proxy, so they go first;
// nothing keeps a pointer to a proxy once it is deleted.
void AAX_CEffectParameters::ReleaseEffect()
{
  mParameters.RemoveAll();
  mParameters.SetAutomationDelegate(nullptr);
  mPackets.Bind(nullptr);
  mController.reset();
  mAutomation.reset();
  mTransport.reset();
}

int32_t AAX_CEffectParameters::CreateAAXParameters() { return kAAXSuccess; }

int32_t AAX_CEffectParameters::ReceiveNotification(uint32_t code, const void* data, uint32_t size)
{
  if (code != kPreviewNotification || !data || size < sizeof(int32_t))
    return kAAXSuccess;
  if (AAX_IParameter* preview = mParameters.FindParameter(kPreviewId))
  {
    int32_t on;
    std::memcpy(&on, data, sizeof on);
    preview->SetBoolValue(on != 0);
  }
  return kAAXSuccess;
}

int32_t AAX_CEffectParameters::CountParameters(int32_t* count) const
{
  if (!count)
    return kAAXRefused;
  *count = mParameters.NumParameters();
  return kAAXSuccess;
}

int32_t AAX_CEffectParameters::GetMasterBypassId(AAX_IString* identifier) const
{
  if (!identifier)
    return kAAXNoText;
  identifier->SetCString(mParameters.FindParameter(kMasterBypassId) ? kMasterBypassId : "");
  return kAAXSuccess;
}

int32_t AAX_CEffectParameters::IsParameterAutomatable(const char* identifier, bool* automatable) const
{
  if (!automatable)
    return kAAXRefused;
  *automatable = false;
  if (const AAX_IParameter* parameter = mParameters.FindParameter(identifier))
    *automatable = parameter->IsAutomatable();
  return kAAXSuccess;
}

int32_t AAX_CEffectParameters::CountParameterSteps(const char* identifier, int32_t* steps) const
{
  if (!steps)
    return kAAXRefused;
  const AAX_IParameter* parameter = mParameters.FindParameter(identifier);
  if (!parameter)
    return kAAXNoParameter;
  const int32_t count = static_cast<int32_t>(parameter->StepCount());
  if (count < 0)
    return kAAXNegativeStepCount;
  *steps = count;
  return kAAXSuccess;
}

int32_t AAX_CEffectParameters::GetParameterNameText(const char* identifier, AAX_IString* name) const
{
  if (!name)
    return kAAXNoText;
  const AAX_IParameter* parameter = mParameters.FindParameter(identifier);
  name->SetCString(parameter ? parameter->Name().CString() : "");
  return kAAXSuccess;
}

int32_t AAX_CEffectParameters::GetParameterShortenedName(const char* identifier, AAX_IString* name,
                                                         int32_t limit) const
{
  if (!name)
    return kAAXNoText;
  const AAX_IParameter* parameter = mParameters.FindParameter(identifier);
  if (!parameter)
  {
    name->SetCString("");
    return kAAXSuccess;
  }
  return GuardedEntry([&] {
    const AAX_CString& shortened = parameter->ShortenedName(limit);
    if (shortened.Length() == 0)
      return static_cast<int32_t>(kAAXSuccess);
    // The longest line within the limit wins; a line of the same length
    // later on does not replace it.
    char text[kShortenedNameRoom + 1] = {};
    std::strncpy(text, shortened.CString(), kShortenedNameRoom);
    int32_t best = 0;
    for (char* line = text; line;)
    {
      char* end = std::strchr(line, '\n');
      if (end)
        *end = '\0';
      const int32_t length = static_cast<int32_t>(std::strlen(line));
      if (length > best && length <= limit)
      {
        best = length;
        name->SetCString(line);
      }
      line = end ? end + 1 : nullptr;
    }
    if (best == 0)
    {
      if (limit < 1)
        name->SetCString("");
      else
        shortened.SubString(0, static_cast<uint32_t>(limit), name);
    }
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t AAX_CEffectParameters::GetParameterDefault(const char* identifier, double* normalized) const
{
  return ReadParameter(identifier, normalized, [](const AAX_IParameter& p) { return p.NormalizedDefault(); });
}

int32_t AAX_CEffectParameters::SetParameterDefault(const char* identifier, double normalized)
{
  return ActOnParameter(identifier, normalized, [&](AAX_IParameter& p) { p.SetNormalizedDefault(normalized); });
}

int32_t AAX_CEffectParameters::GetParameterKind(const char* identifier, int32_t* kind) const
{
  return ReadParameter(identifier, kind, [](const AAX_IParameter& p) { return p.Kind(); });
}

int32_t AAX_CEffectParameters::GetParameterAuxValue(const char* identifier, int32_t* value) const
{
  return ReadParameter(identifier, value, [](const AAX_IParameter& p) { return p.AuxValue(); });
}

int32_t AAX_CEffectParameters::FindParameterObject(const char* identifier, AAX_IParameter** parameter)
{
  if (!parameter)
    return kAAXRefused;
  *parameter = mParameters.FindParameter(identifier);
  return *parameter ? kAAXSuccess : kAAXNoParameter;
}

int32_t AAX_CEffectParameters::IndexOfParameter(const char* identifier, int32_t* index) const
{
  if (!index)
    return kAAXRefused;
  *index = mParameters.IndexOfParameter(identifier);
  return *index < 0 ? kAAXNoParameter : kAAXSuccess;
}

int32_t AAX_CEffectParameters::ParameterIdAt(int32_t index, AAX_IString* identifier) const
{
  if (!identifier)
    return kAAXNoText;
  const AAX_IParameter* parameter = mParameters.ParameterAt(index);
  identifier->SetCString(parameter ? parameter->Identifier() : "");
  return parameter ? kAAXSuccess : kAAXNoParameter;
}

int32_t AAX_CEffectParameters::QueryParameterValueInfo(AAX_Value, AAX_Value, int32_t* info) const
{
  if (info)
    *info = 0;
  return kAAXNotSupported;
}

int32_t AAX_CEffectParameters::ParseParameterText(const char* identifier, double* normalized,
                                                  const AAX_IString* text) const
{
  if (!normalized)
    return kAAXRefused;
  const AAX_IParameter* parameter = mParameters.FindParameter(identifier);
  if (!parameter)
    return kAAXNoParameter;
  if (!text)
    return kAAXNoText;
  return GuardedEntry([&] {
    double value = 0;
    if (!parameter->NormalizedFromText(AAX_CString(*text), &value))
      return static_cast<int32_t>(kAAXNoText);
    *normalized = value;
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t AAX_CEffectParameters::FormatParameterValue(const char* identifier, double normalized, AAX_IString* text,
                                                    int32_t limit) const
{
  if (!text)
    return kAAXNoText;
  const AAX_IParameter* parameter = mParameters.FindParameter(identifier);
  if (!parameter)
    return kAAXNoParameter;
  return GuardedEntry([&] {
    AAX_CString formatted;
    if (!parameter->TextForNormalizedLimited(normalized, limit, &formatted))
      return static_cast<int32_t>(kAAXNoText);
    text->AssignString(formatted);
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t AAX_CEffectParameters::FormatCurrentParameterValue(const char* identifier, AAX_IString* text,
                                                           int32_t limit) const
{
  if (!text)
    return kAAXNoText;
  const AAX_IParameter* parameter = mParameters.FindParameter(identifier);
  if (!parameter)
    return kAAXNoParameter;
  return GuardedEntry([&] {
    AAX_CString formatted;
    parameter->ValueTextLimited(limit, &formatted);
    text->AssignString(formatted);
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t AAX_CEffectParameters::GetParameterNormalized(const char* identifier, double* normalized) const
{
  return ReadParameter(identifier, normalized, [](const AAX_IParameter& p) { return p.NormalizedValue(); });
}

int32_t AAX_CEffectParameters::RequestParameterNormalized(const char* identifier, double normalized)
{
  return ActOnParameter(identifier, normalized, [&](AAX_IParameter& p) { p.SetNormalizedValue(normalized); });
}

namespace
{
double LimitedSum(double current, double delta)
{
  const double sum = current + delta;
  return sum > 1.0 ? 1.0 : sum < 0.0 ? 0.0 : sum;
}
}

int32_t AAX_CEffectParameters::RequestParameterDelta(const char* identifier, double delta)
{
  double current = 0;
  const int32_t read = GetParameterNormalized(identifier, &current);
  if (read != kAAXSuccess)
    return read;
  return RequestParameterNormalized(identifier, LimitedSum(current, delta));
}

int32_t AAX_CEffectParameters::TouchParameter(const char* identifier)
{
  return ActOnParameter(identifier, 0.0, [](AAX_IParameter& p) { p.Touch(); });
}

int32_t AAX_CEffectParameters::ReleaseParameter(const char* identifier)
{
  return ActOnParameter(identifier, 0.0, [](AAX_IParameter& p) { p.ReleaseTouch(); });
}

int32_t AAX_CEffectParameters::UpdateParameterFromHost(const char* identifier, double normalized, AAX_Value)
{
  const int32_t applied =
      ActOnParameter(identifier, normalized, [&](AAX_IParameter& p) { p.ApplyNormalizedValue(normalized); });
  if (applied != kAAXSuccess)
    return applied;
  const int32_t marked = mPackets.MarkDirty(identifier);
  CountChange();
  return marked;
}

int32_t AAX_CEffectParameters::UpdateParameterDeltaFromHost(const char* identifier, double delta)
{
  double current = 0;
  const int32_t read = GetParameterNormalized(identifier, &current);
  if (read != kAAXSuccess)
    return read;
  return UpdateParameterFromHost(identifier, LimitedSum(current, delta), 0);
}

int32_t AAX_CEffectParameters::DispatchParameterPackets() { return mPackets.Dispatch(); }

int32_t AAX_CEffectParameters::GetPrivateData(uint32_t, void* buffer, uint32_t size)
{
  if (buffer)
    std::memset(buffer, 0, size);
  return kAAXSuccess;
}

int32_t AAX_CEffectParameters::CountChanges(int32_t* changes) const
{
  if (!changes)
    return kAAXRefused;
  const int32_t count = mChanges.load(std::memory_order_relaxed);
  if (count >= 0)
    *changes = count;
  return kAAXSuccess;
}

int32_t AAX_CEffectParameters::StubCall28(AAX_Value, AAX_Value) { return kAAXSuccess; }

int32_t AAX_CEffectParameters::StubCall40() { return kAAXSuccess; }

int32_t AAX_CEffectParameters::UnsupportedCall41(AAX_Value, AAX_Value, AAX_Value, AAX_Value)
{
  return kAAXNotSupported;
}

int32_t AAX_CEffectParameters::EmptyQueryCall42(AAX_Value, AAX_Value, AAX_Value, int32_t* answer)
{
  if (answer)
    *answer = 0;
  return kAAXSuccess;
}

int32_t AAX_CEffectParameters::StubCall43(AAX_Value, AAX_Value, AAX_Value) { return kAAXSuccess; }

int32_t AAX_CEffectParameters::StubCall44() { return kAAXSuccess; }

int32_t AAX_CEffectParameters::UnsupportedCall45(AAX_Value) { return kAAXNotSupported; }

int32_t AAX_CEffectParameters::StubCall46(AAX_Value, AAX_Value) { return kAAXSuccess; }

int32_t AAX_CEffectParameters::StubCall47(AAX_Value, AAX_Value) { return kAAXSuccess; }
