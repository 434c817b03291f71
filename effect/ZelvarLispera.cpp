#include "ZelvarLispera.h"

#include "DeEsserBands.h"

ZelvarLispera::ZelvarLispera(IPlugInstanceInfo instanceInfo)
    : IPlug(instanceInfo, kNumEffectParams, "1-1 2-2", 1, "ZelvarLispera", "", "Zelvar",
            kPlugVersion, FourCharCode("ZvLP"), FourCharCode("Zvlr"), 0, false, false, false)
{
  for (int band = 0; band < kBands; ++band)
  {
    mBandEnabled[band] = kDeEsserBands[band].enabledByDefault;
    mBandAvailable[band] = true;
  }
  DesignBands(44100.0);

  GetParam(kEffectAmount)->SetupDouble("Effect Amount", 50.0, 0.0, 100.0, 1.0, "%", "", 1.0);
  GetParam(kDryWet)->SetupDouble("DryWet", 100.0, 0.0, 100.0, 1.0, "%", "", 1.0);
  for (int band = 0; band < kBands; ++band)
    GetParam(kFirstBandSwitch + band)
        ->SetupBool(kDeEsserBands[band].switchName, kDeEsserBands[band].enabledByDefault);
  mEnabledCount = 6;

  StoreDefaultPreset("-", 1);
}

ZelvarLispera::~ZelvarLispera() = default;
