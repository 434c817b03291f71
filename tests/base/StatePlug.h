#pragma once

#include "TestPlug.h"

// The test wrapper with the effect's 18 parameters, set up as the effect
// does, and as many presets as asked (the effect has one).
class StatePlug : public TestPlug
{
public:
  explicit StatePlug(int nPresets = 1) : TestPlug(18, "1-1 2-2", nPresets)
  {
    GetParam(0)->SetupDouble("Effect Amount", 50.0, 0.0, 100.0, 1.0, "%");
    GetParam(1)->SetupDouble("DryWet", 100.0, 0.0, 100.0, 1.0, "%");
    const char* names[] = {"4K on/off", "5K on/off", "6K on/off", "7K on/off",
                           "8K on/off", "9K on/off", "10K on/off", "HF on/off"};
    for (int i = 0; i < 8; ++i)
      GetParam(10 + i)->SetupBool(names[i], i > 0 && i < 7);
  }
};
