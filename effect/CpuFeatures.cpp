#include "CpuFeatures.h"

#include <cpuid.h>

namespace
{
CpuFeatures ReadCpuFeatures()
{
  CpuFeatures features;
  unsigned eax, ebx, ecx, edx;
  if (__get_cpuid_max(0, nullptr) < 1 || !__get_cpuid(1, &eax, &ebx, &ecx, &edx))
    return features;
  features.mmx = edx >> 23 & 1;
  features.fxsr = edx >> 24 & 1;
  features.sse = edx >> 25 & 1;
  features.sse3 = ecx & 1;
  features.ssse3 = ecx >> 9 & 1;
  features.sse41 = ecx >> 19 & 1;
  features.sse42 = ecx >> 20 & 1;
  return features;
}
}

const CpuFeatures gCpuFeatures = ReadCpuFeatures();
