#include "IGainReductionMeter.h"

#include "IGraphics.h"
#include "LICE_Compose.h"
#include "LICE_SysBitmap.h"

#include <cmath>

namespace
{
constexpr PixelArgb kUnlit = 0xffc6c6c6;
constexpr PixelArgb kLit = 0xff6464ff;
}

IGainReductionMeter::IGainReductionMeter(IPlugBase* plug) : IControl(plug, IBounds(245, 26, 361, 38))
{
  for (int i = 0; i < kTableSize; ++i)
    mDecibels[i] = std::log10(static_cast<double>(i) / kTableSize);
}

void IGainReductionMeter::ComputeBallistics()
{
  mAttack = std::exp(-1.0 / (mFrameRate * 0.001));
  mRelease = std::exp(-1.0 / (mFrameRate * 0.2));
}

void IGainReductionMeter::SetGreyed(bool) { MarkDirty(false); }

bool IGainReductionMeter::Render(IGraphics* graphics)
{
  if (!mFrameRate)
  {
    mFrameRate = graphics->FramesPerSecond();
    ComputeBallistics();
  }
  // A gain that is not a number leaves the smoothing where it was.
  const double value = Value();
  if (std::isfinite(value))
  {
    const double c = mSmoothedGain > value ? mAttack : mRelease;
    mSmoothedGain = (1.0 - c) * value + c * mSmoothedGain;
  }
  const double scaled = mSmoothedGain * (kTableSize - 1);
  const int index = scaled > 0.0 ? (scaled < kTableSize - 1 ? static_cast<int>(scaled) : kTableSize - 1) : 0;
  const double level = 20.0 * mDecibels[index];

  const int width = mDrawBounds.Width(), height = mDrawBounds.Height();
  const int box = mSegments > 0 ? (width - 2 * mSegments) / mSegments : 0;
  if (box < 1)
    return true;
  int r = mSegments;
  for (int x = mDrawBounds.left; x - mDrawBounds.left < width; x += box + 2, --r)
    LICE_FillBox(graphics->DrawSurface(), x, mDrawBounds.top, box, height, r >= std::fabs(level) ? kUnlit : kLit,
                 1.0f, CombineCopy | CombineUseSourceAlpha);
  return true;
}
