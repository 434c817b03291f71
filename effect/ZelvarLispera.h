#pragma once

#include "DeEsser.h"
#include "DeEsserBands.h"
#include "DeEsserEditor.h"
#include "IPlugBase.h"

// Who the plug-in is, as every module tells its host: its channel
// configurations, its unique id and its maker's id.
constexpr const char* kPlugChannelIO = "1-1 2-2";
constexpr int kPlugUniqueId = FourCharCode("ZvLP");
constexpr int kPlugMakerId = FourCharCode("Zvlr");

// Every module shows the editor; a wrapper's instance info can say
// otherwise by an overload of its own.
template <class InstanceInfo>
bool WantsEditor(const InstanceInfo&)
{
  return true;
}

// The de-esser as a plug-in: one class per module, on that module's wrapper
// (IPlugVST3 and the others, or the offline wrapper of the tools), which
// takes the place of Wrapper. It overrides only the destructor,
// ResetProcessing, ParamChanged and ProcessDouble; the processing itself is
// the host-neutral DeEsser, and DeEsserEditor builds and feeds the editor.
template <class Wrapper>
class ZelvarLispera : public Wrapper
{
public:
  explicit ZelvarLispera(typename Wrapper::InstanceInfo instanceInfo)
      : Wrapper(instanceInfo, kNumEffectParams, kPlugChannelIO, 1, "ZelvarLispera", "", "Zelvar", kPlugVersion,
                kPlugUniqueId, kPlugMakerId, 0, false, false, false)
  {
    this->GetParam(kEffectAmount)->SetupDouble("Effect Amount", 50.0, 0.0, 100.0, 1.0, "%", "", 1.0);
    this->GetParam(kDryWet)->SetupDouble("DryWet", 100.0, 0.0, 100.0, 1.0, "%", "", 1.0);
    for (int band = 0; band < kBands; ++band)
      this->GetParam(kFirstBandSwitch + band)
          ->SetupBool(kDeEsserBands[band].switchName, kDeEsserBands[band].enabledByDefault);
    if (WantsEditor(instanceInfo))
      mEditor.Build(this);
    this->StoreDefaultPreset("-", 1);
  }

  void ResetProcessing() override
  {
    MutexGuard lock(this->GetMutex());
    mDeEsser.SetSampleRate(this->GetSampleRate());
  }

  void ParamChanged(int paramIdx, bool /*restoring*/) override
  {
    MutexGuard lock(this->GetMutex());
    const IPlugParameter* param = this->GetParam(paramIdx);
    mDeEsser.ParamChanged(paramIdx, param ? param->Value() : 0.0);
  }

  void ProcessDouble(double** inputs, double** outputs, int nFrames) override
  {
    // The wrappers aim every input slot at a buffer. Without one there is
    // nothing to listen to: the outputs are silent.
    if (!inputs || !inputs[0] || !inputs[1])
    {
      IPlugBase::ProcessDouble(nullptr, outputs, nFrames);
      return;
    }
    const DeEsserReport& report =
        mDeEsser.Process(inputs[0], inputs[1], outputs ? outputs[0] : nullptr,
                         outputs && this->NOutChannels() > 1 ? outputs[1] : nullptr, nFrames,
                         this->IsInputConnected(1));
    if (nFrames > 0)
      if (IGraphics* editor = this->GetGUI())
        mEditor.Feed(editor, report);
  }

  const DeEsser& Processing() const { return mDeEsser; }
  const DeEsserEditor& Editor() const { return mEditor; }

private:
  DeEsser mDeEsser;
  DeEsserEditor mEditor;
};
