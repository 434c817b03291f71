#pragma once

#include "DeEsserKernel.h"

struct DeEsserBand
{
  double centreHz;
  double q;
  const char* switchName;
  bool enabledByDefault;
};

// The detector bands, in band order; band b is switched by parameter 10 + b.
constexpr DeEsserBand kDeEsserBands[kBands] = {
    {4000.0, 4.0, "4K on/off", false},    {5000.0, 5.0, "5K on/off", true},
    {6000.0, 6.0, "6K on/off", true},     {7000.0, 7.0, "7K on/off", true},
    {8000.0, 8.0, "8K on/off", true},     {9000.0, 9.0, "9K on/off", true},
    {10000.0, 10.0, "10K on/off", true},  {13000.0, 3.0, "HF on/off", false},
};

// The envelope coefficient: the envelope falls to 1 % of a step in 300 ms.
// The rate is truncated to an integer first, then multiplied by 300 and by
// 0.001, in that order.
double EnvelopeCoefficient(double sampleRate);
