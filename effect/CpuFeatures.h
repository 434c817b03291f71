#pragma once

// Processor features, read once when the module loads. Only SSE3 is
// consulted: it selects the two-lane filter path.
struct CpuFeatures
{
  bool mmx = false;
  bool fxsr = false;
  bool sse = false;
  bool sse3 = false;
  bool ssse3 = false;
  bool sse41 = false;
  bool sse42 = false;
};

extern const CpuFeatures gCpuFeatures;
