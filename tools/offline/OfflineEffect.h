#pragma once

#include "IPlugOffline.h"
#include "ZelvarLispera.h"

// The effect without a host, as the render tool, the benchmarks and the
// tests run it.
using OfflineEffect = ZelvarLispera<IPlugOffline>;
