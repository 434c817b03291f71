#include "IControl.h"

#include "Assert.h"
#include "IGraphics.h"
#include "IPlugBase.h"

#include <cmath>
#include <cstring>

namespace
{
// NaN counts as the low end: no value that is not a number leaves a
// control.
double ClampValue(double value, double low, double high)
{
  if (!(value >= low))
    return low;
  return value > high ? high : value;
}
}

int FrameForValue(double value, int frames)
{
  if (frames < 2 || !(value == value))
    return 1;
  const double v = value < 0.0 ? 0.0 : (value > 1.0 ? 1.0 : value);
  const int frame = static_cast<int>((frames - 1) * v + 0.5) + 1;
  return frame < 1 ? 1 : (frame > frames ? frames : frame);
}

IControl::IControl(IPlugBase* plug, IBounds bounds, int paramIdx, ILayerBlend blend)
    : mPlug(plug), mDrawBounds(bounds), mTargetBounds(bounds), mParamIdx(paramIdx), mBlend(blend)
{
}

IControl::~IControl() = default;

void IControl::MouseDown(int, int, IMouseKeys* keys)
{
  if (keys && keys->right)
    AskForValue();
}

void IControl::DoubleClick(int, int, IMouseKeys*)
{
  const double defaultValue = DefaultValue();
  if (defaultValue >= 0.0)
  {
    SetValue(defaultValue);
    MarkDirty(true);
  }
}

void IControl::TakeValueFromPlug(double normalized)
{
  if (DefaultValue() < 0.0)
  {
    SetValue(normalized);
    mDefault.store(normalized, std::memory_order_relaxed);
    return;
  }
  const double value = Value();
  if (normalized != value || value != value)
  {
    SetValue(normalized);
    MarkDirty(false);
    SetRedrawAgain();
  }
}

void IControl::SetHidden(bool hidden)
{
  mHidden = hidden;
  SetRedrawAgain();
  mBlend.weight = hidden ? 0.0f : 1.0f;
  MarkDirty(false);
}

void IControl::SetGreyed(bool greyed)
{
  mGreyed = greyed;
  mBlend.weight = greyed ? 0.25f : 1.0f;
  MarkDirty(false);
}

void IControl::MarkDirty(bool push)
{
  // A value already inside the range is not written back: on the audio
  // thread that would undo a drag in progress.
  const double value = Value();
  const double clamped = ClampValue(value, mClampLow, mClampHigh);
  if (clamped != value || value != value)
    SetValue(clamped);
  mDirty.store(true, std::memory_order_release);
  if (!push || !mPlug || mParamIdx < 0)
    return;
  mPlug->SetParameterFromGUI(mParamIdx, clamped);
  const IPlugParameter* param = mPlug->GetParam(mParamIdx);
  if (param && mValueTextControl)
  {
    char display[kParameterTextLength];
    param->FormatForDisplay(display);
    mValueTextControl->SetText(display);
  }
  if (param && mNameTextControl)
    mNameTextControl->SetText(param->Name());
}

// A redraw asked for again after the one in progress moves into the dirty
// flag; a mark the audio thread sets meanwhile stays.
void IControl::MarkClean()
{
  mDirty.store(false, std::memory_order_release);
  if (mRedrawAgain.exchange(false, std::memory_order_acq_rel))
    mDirty.store(true, std::memory_order_release);
}

bool IControl::NeedsRedraw()
{
  return mDirty.load(std::memory_order_acquire) || mRedrawAgain.load(std::memory_order_acquire);
}

void IControl::TakeAuxValueFromPlug(int auxIdx, double normalized)
{
  const bool valid = auxIdx > -1 && auxIdx < mAuxParams.Count();
  ZL_ASSERT(valid, "idx > -1 && idx < mAuxParams.GetSize()");
  if (!valid)
    return;
  AuxParam& aux = mAuxParams.Get()[auxIdx];
  if (aux.value != normalized)
  {
    aux.value = normalized;
    MarkDirty(false);
    SetRedrawAgain();
  }
}

void IControl::MoveTo(int x, int y)
{
  mDrawBounds = IBounds(x, y, x + mDrawBounds.Width(), y + mDrawBounds.Height());
  mTargetBounds = mDrawBounds;
}

void IControl::TakeValueFromUser(double normalized)
{
  if (normalized != Value())
  {
    SetValue(normalized);
    MarkDirty(true);
    SetRedrawAgain();
  }
}

void IControl::AskForValue()
{
  if (mParamIdx < 0 || mPromptDisabled || !mPlug)
    return;
  const IPlugParameter* param = mPlug->GetParam(mParamIdx);
  IGraphics* graphics = mPlug->GetGUI();
  if (!param || !graphics)
    return;
  IBounds bounds = mDrawBounds;
  if (!param->DisplayTextCount())
  {
    // Rebuilt from centre and half-size in single precision.
    const int cx = static_cast<int>(static_cast<float>(bounds.left + bounds.right) * 0.5f);
    const int cy = static_cast<int>(static_cast<float>(bounds.top + bounds.bottom) * 0.5f);
    const int hw = static_cast<int>(static_cast<float>(bounds.right - bounds.left) * 0.5f);
    const int hh = static_cast<int>(static_cast<float>(bounds.bottom - bounds.top) * 0.5f);
    bounds = IBounds(cx - hw, cy - hh, cx + hw, cy + hh);
  }
  graphics->AskUserForValue(this, const_cast<IPlugParameter*>(param), &bounds);
  SetRedrawAgain();
}

int IControl::FindAuxParam(int paramIdx) const
{
  for (int i = 0; i < mAuxParams.Count(); ++i)
    if (mAuxParams.Get()[i].paramIdx == paramIdx)
      return i;
  return -1;
}

void IControl::AddAuxParam(int paramIdx)
{
  const int count = mAuxParams.Count();
  if (mAuxParams.Resize(count + 1, false))
    mAuxParams.Get()[count] = {0.0, paramIdx};
}

const IControl::AuxParam* IControl::GetAuxParam(int auxIdx) const
{
  return auxIdx >= 0 && auxIdx < mAuxParams.Count() ? mAuxParams.Get() + auxIdx : nullptr;
}

namespace
{
IBounds OneFrame(int x, int y, const IImageStrip& strip)
{
  const int frames = strip.frames > 0 ? strip.frames : 1;
  return IBounds(x, y, x + strip.width, y + strip.height / frames);
}
}

IBitmapControl::IBitmapControl(IPlugBase* plug, int x, int y, int paramIdx, const IImageStrip& strip,
                               IBlendKind blend)
    : IControl(plug, OneFrame(x, y, strip), paramIdx, ILayerBlend{blend, 1.0f}), mStrip(strip)
{
}

bool IBitmapControl::Render(IGraphics* graphics)
{
  return graphics->BlitImageFrame(&mStrip, &mDrawBounds, FrameForValue(Value(), mStrip.frames), &mBlend);
}

void ISwitchControl::MouseDown(int, int, IMouseKeys* keys)
{
  if (keys && keys->right)
    AskForValue();
  else
    SetValue(Value() + (mStrip.frames >= 2 ? 1.0 / (mStrip.frames - 1) : 1.0));
  if (Value() > 1.001)
    SetValue(0.0);
  MarkDirty(true);
}

IKnobMultiControl::IKnobMultiControl(IPlugBase* plug, int x, int y, int paramIdx, const IImageStrip& strip,
                                     IKnobDirection direction, double gearing)
    : IKnobControl(plug, OneFrame(x, y, strip), paramIdx, direction, gearing), mStrip(strip)
{
}

void IKnobMultiControl::MouseDrag(int, int, int dx, int dy, IMouseKeys* keys)
{
  const double gearing = keys && (keys->shift || keys->control) ? mGearing * 10.0 : mGearing;
  const int extent = mDirection == kVertical ? mDrawBounds.top - mDrawBounds.bottom
                                             : mDrawBounds.right - mDrawBounds.left;
  // A knob without extent or gearing does not turn.
  if (extent && gearing != 0.0)
    SetValue(Value() + static_cast<double>(mDirection == kVertical ? dy : dx) / extent / gearing);
  MarkDirty(true);
}

void IKnobMultiControl::Wheel(int, int, IMouseKeys* keys, int delta)
{
  SetValue(Value() + delta * (keys && (keys->shift || keys->control) ? 0.001 : 0.01));
  MarkDirty(true);
}

bool IKnobMultiControl::Render(IGraphics* graphics)
{
  return graphics->BlitImageFrame(&mStrip, &mDrawBounds, FrameForValue(Value(), mStrip.frames), &mBlend);
}

ITextControl::ITextControl(IPlugBase* plug, IBounds bounds, const ITextStyle& style, const char* text)
    : IControl(plug, bounds, -1), mText(text)
{
  mTextStyle = style;
}

void ITextControl::SetText(const char* text)
{
  const char* current = mText.Get();
  if (std::strcmp(current ? current : "", text ? text : "") == 0)
    return;
  MarkDirty(false);
  mText.Set(text ? text : "");
}

bool ITextControl::Render(IGraphics* graphics)
{
  const char* text = mText.Get();
  if (!text || !text[0])
    return true;
  return graphics->DrawTextInBounds(&mTextStyle, text, &mDrawBounds, false);
}
