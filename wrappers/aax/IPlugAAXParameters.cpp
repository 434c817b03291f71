// The AAX parameters of the framework's: the master bypass first, then one
// per framework parameter that has a kind, and the host's values back into
// the framework.

#include "IPlugAAX.h"

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CIPlugTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CStringDisplayDelegate.h"
#include "AAX_CUnitDisplayDelegateDecorator.h"
#include "AAX_IController.h"
#include "AAX_TruncateToInt32.h"
#include "HostCallGuard.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>

namespace
{
constexpr const char* kMasterBypassId = "MasterBypassID";
constexpr int kIdentifierLength = 32;
constexpr uint32_t kContinuousSteps = 128;
constexpr int32_t kDiscrete = 0;
constexpr int32_t kContinuous = 1;

AAX_IParameter* MakeDouble(const IPlugParameter& param, const char* identifier)
{
  auto* parameter = new AAX_CParameter<double>(
    identifier, AAX_CString(param.Name()), param.Default(),
    AAX_CIPlugTaperDelegate(param.Min(), param.Max(), param.Shape()),
    AAX_CUnitDisplayDelegateDecorator<double>(AAX_CNumberDisplayDelegate<double>(), AAX_CString(param.LabelForHost())),
    param.CanAutomate());
  parameter->SetStepCount(kContinuousSteps);
  parameter->SetKind(kContinuous);
  return parameter;
}

AAX_IParameter* MakeInt(const IPlugParameter& param, const char* identifier)
{
  auto* parameter = new AAX_CParameter<int32_t>(
    identifier, AAX_CString(param.Name()), AAX_TruncateToInt32(param.Default()),
    AAX_CLinearTaperDelegate<int32_t>(AAX_TruncateToInt32(param.Min()), AAX_TruncateToInt32(param.Max())),
    AAX_CUnitDisplayDelegateDecorator<int32_t>(AAX_CNumberDisplayDelegate<int32_t>(),
                                               AAX_CString(param.LabelForHost())),
    param.CanAutomate());
  parameter->SetStepCount(kContinuousSteps);
  parameter->SetKind(kContinuous);
  return parameter;
}

// A switch or a choice: one step per display text.
AAX_IParameter* MakeChoice(const IPlugParameter& param, const char* identifier)
{
  std::map<int32_t, AAX_CString> texts;
  for (int i = 0; i < param.DisplayTextCount(); ++i)
  {
    // With two texts of one value, the first is shown.
    const ParameterDisplayText* text = param.DisplayTextAt(i);
    texts.emplace(text->value, AAX_CString(text->text));
  }
  auto* parameter = new AAX_CParameter<int32_t>(
    identifier, AAX_CString(param.Name()), AAX_TruncateToInt32(param.Default()),
    AAX_CLinearTaperDelegate<int32_t>(AAX_TruncateToInt32(param.Min()), AAX_TruncateToInt32(param.Max())),
    AAX_CStringDisplayDelegate<int32_t>(texts), param.CanAutomate());
  parameter->SetStepCount(static_cast<uint32_t>(param.DisplayTextCount()));
  parameter->SetKind(kDiscrete);
  return parameter;
}

// Null for a parameter without a kind, which the host does not see.
AAX_IParameter* MakeParameter(const IPlugParameter& param, const char* identifier)
{
  switch (param.Kind())
  {
  case kParameterDouble: return MakeDouble(param, identifier);
  case kParameterInt: return MakeInt(param, identifier);
  case kParameterBool:
  case kParameterEnum: return MakeChoice(param, identifier);
  case kParameterNone: break;
  }
  return nullptr;
}

// A parameter the manager does not take (its identifier is taken, or memory
// ran out) is deleted: true when it was taken.
bool Adopt(ParameterManager& manager, AAX_IParameter* parameter)
{
  if (!parameter)
    return false;
  if (GuardHostCall(false, false, [&] { return manager.AddParameter(parameter); }))
    return true;
  parameter->Destroy(kDeleteFreesMemory);
  return false;
}

// The framework index an identifier names: its leading decimal number
// minus 1, as atoi reads it (without atoi's overflow); -1 for none.
long FrameworkIndexOf(const char* identifier)
{
  if (!identifier)
    return -1;
  errno = 0;
  const long number = std::strtol(identifier, nullptr, 10);
  return errno == ERANGE || number == LONG_MIN ? -1 : number - 1;
}
}

int32_t IPlugAAX::InitializeEffect(IACFUnknown* controller)
{
  MutexGuard lock(GetMutex());
  return AAX_CEffectParameters::InitializeEffect(controller);
}

int32_t IPlugAAX::UninitializeEffect()
{
  MutexGuard lock(GetMutex());
  SetMasterBypass(nullptr);
  return AAX_CEffectParameters::UninitializeEffect();
}

void IPlugAAX::AddMasterBypass()
{
  AAX_IParameter* bypass = GuardHostCall<AAX_IParameter*>(nullptr, nullptr, [] {
    return new AAX_CParameter<bool>(kMasterBypassId, AAX_CString("Master Bypass"), false,
                                    AAX_CBinaryTaperDelegate<bool>(),
                                    AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
  });
  if (!bypass)
    return;
  bypass->SetStepCount(2);
  bypass->SetKind(kDiscrete);
  if (Adopt(Parameters(), bypass))
    SetMasterBypass(bypass);
}

bool IPlugAAX::AddIdentifier(int paramIdx)
{
  auto* text = new (std::nothrow) StringBuffer();
  if (!text)
    return false;
  const int count = mIdentifiers.Count();
  mIdentifiers.Add(text);
  if (mIdentifiers.Count() == count)
  {
    delete text;
    return false;
  }
  return text->Printf(kIdentifierLength, "%i", paramIdx + 1) != nullptr;
}

void IPlugAAX::AddFrameworkParameter(int paramIdx, const char* identifier)
{
  const IPlugParameter& param = *GetParam(paramIdx);
  Adopt(Parameters(),
        GuardHostCall<AAX_IParameter*>(nullptr, nullptr, [&] { return MakeParameter(param, identifier); }));
}

int32_t IPlugAAX::CreateAAXParameters()
{
  mIdentifiers.DeleteAll();
  AddMasterBypass();
  // The texts are all there or none is: entry i is always parameter i's.
  bool identifiers = true;
  for (int i = 0; i < NParams(); ++i)
  {
    if (identifiers && !AddIdentifier(i))
    {
      mIdentifiers.DeleteAll();
      identifiers = false;
    }
    char identifier[kIdentifierLength];
    std::snprintf(identifier, sizeof identifier, "%i", i + 1);
    AddFrameworkParameter(i, identifier);
  }

  // A rate the host could not give leaves the current one.
  float rate = 0.0f;
  AAX_IController* controller = Controller();
  const int32_t asked = controller ? controller->GetSampleRateFromHost(&rate) : kAAXRefused;
  if (asked == kAAXSuccess && std::isfinite(rate) && rate > 0.0f)
    SetSampleRate(rate);
  ResetProcessing();
  return kAAXSuccess;
}

int32_t IPlugAAX::UpdateParameterFromHost(const char* identifier, double normalized, AAX_Value)
{
  AAX_IParameter* parameter = Parameters().FindParameter(identifier);
  if (!parameter)
    return kAAXNoParameter;
  if (!std::isfinite(normalized))
    return kAAXNoText;
  // Applying reports the value back to the host, which may wait there for
  // its audio engine: not under the plug's lock, which the audio callback
  // takes. The framework's parameter takes the lock itself.
  parameter->ApplyNormalizedValue(normalized);
  if (parameter == MasterBypass())
    PublishMasterBypass();
  const long index = FrameworkIndexOf(identifier);
  if (index >= 0 && index < NParams())
    SetParameterFromHost(static_cast<int>(index), normalized);
  const int32_t marked = Packets().MarkDirty(identifier);
  CountChange();
  return marked;
}
