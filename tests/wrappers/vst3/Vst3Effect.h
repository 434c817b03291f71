#pragma once

#include "IPlugVST3.h"
#include "ZelvarLispera.h"

// The effect as the VST3 modules build it.
using Vst3Effect = ZelvarLispera<IPlugVST3>;
