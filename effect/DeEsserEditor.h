#pragma once

#include "DeEsserKernel.h"

class IGraphics;
class IPlugBase;

// The de-esser's editor: its layout (backdrop, two knobs, eight band lights
// with their labels, eight band switches, the gain-reduction meter and the
// version), and what processing shows in it.
class DeEsserEditor
{
public:
  // Builds the editor of this platform and attaches it to the plug-in.
  void Build(IPlugBase* plug);
  // Shows a processed block of at least one frame as if every frame had
  // been shown in turn (the lights of the last frame, the meter at its gain,
  // every control marked): the audio thread calls it under the plug mutex.
  void Feed(IGraphics* editor, const DeEsserReport& report) const;

  int LightIndex(int band) const { return mLights[band]; }
  int MeterIndex() const { return mMeter; }

private:
  int mLights[kBands] = {-1, -1, -1, -1, -1, -1, -1, -1};
  int mMeter = -1;
};
