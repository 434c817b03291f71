#pragma once

#include "HeapBuffer.h"
#include "IGraphicsStructs.h"
#include "StringBuffer.h"

#include <atomic>

class IGraphics;
class IPlugBase;
class ITextControl;

// One element of the editor: a rectangle with a normalised value, an
// optional bound parameter, a dirty flag that drives the redraw, and input
// handlers. The audio thread writes values and dirty marks (parameter
// pushes, the effect's display feedback) while the user-interface thread
// draws and handles input: those are atomics.
class IControl
{
public:
  struct AuxParam
  {
    double value;
    int paramIdx;
  };

  IControl(IPlugBase* plug, IBounds bounds, int paramIdx = -1, ILayerBlend blend = ILayerBlend());
  virtual ~IControl();
  IControl(const IControl&) = delete;
  IControl& operator=(const IControl&) = delete;

  virtual void MouseDown(int x, int y, IMouseKeys* keys);
  virtual void MouseUp(int, int, IMouseKeys*) {}
  virtual void MouseDrag(int, int, int, int, IMouseKeys*) {}
  virtual void DoubleClick(int x, int y, IMouseKeys* keys);
  virtual void Wheel(int, int, IMouseKeys*, int) {}
  virtual bool KeyDown(int, int, int) { return false; }
  virtual void MouseOver(int, int, IMouseKeys*) {}
  virtual void MouseOut() {}
  virtual bool Render(IGraphics* graphics) = 0;
  // A value from the plug-in, already normalised: stored without telling
  // the plug-in. The first one becomes the double-click default.
  virtual void TakeValueFromPlug(double normalized);
  virtual void TakeTextFromEntry(const char*) {}
  virtual void SetHidden(bool hidden);
  virtual void SetGreyed(bool greyed);
  virtual bool HitTest(int x, int y) { return mTargetBounds.Hit(x, y); }
  // Clamps the value and marks the control for redraw; with push, sends
  // the value to the bound parameter.
  virtual void MarkDirty(bool push);
  virtual void MarkClean();
  // A control marked dirty, or asked to be drawn once more.
  virtual bool NeedsRedraw();
  virtual void TakeAuxValueFromPlug(int auxIdx, double normalized);
  virtual void MoveTo(int x, int y);

  // A value the user chose (a text entry or a menu): sent when it differs.
  void TakeValueFromUser(double normalized);
  void AskForValue();
  int FindAuxParam(int paramIdx) const;

  double Value() const { return mValue.load(std::memory_order_relaxed); }
  void SetValue(double value) { mValue.store(value, std::memory_order_relaxed); }
  double DefaultValue() const { return mDefault.load(std::memory_order_relaxed); }
  int ParamIdx() const { return mParamIdx; }
  const IBounds& DrawBounds() const { return mDrawBounds; }
  const IBounds& TargetBounds() const { return mTargetBounds; }
  bool IsHidden() const { return mHidden; }
  bool IsGreyed() const { return mGreyed; }
  bool DoubleClickAsMouseDown() const { return mDoubleClickAsMouseDown; }
  bool MouseOverWhenGreyed() const { return mMouseOverWhenGreyed; }
  const ILayerBlend& Blend() const { return mBlend; }
  ITextStyle& TextStyle() { return mTextStyle; }
  int EntryLengthLimit() const { return mEntryLengthLimit; }
  void SetRedrawAgain() { mRedrawAgain.store(true, std::memory_order_release); }
  void SetPromptDisabled(bool disabled) { mPromptDisabled = disabled; }
  // Shown on hover when the editor has tooltips; kept by the caller, shorter
  // than 80 characters.
  const char* Tooltip() const { return mTooltip; }
  void SetTooltip(const char* text) { mTooltip = text; }
  void AddAuxParam(int paramIdx);
  int NAuxParams() const { return mAuxParams.Count(); }
  const AuxParam* GetAuxParam(int auxIdx) const;

protected:
  IPlugBase* Plug() const { return mPlug; }

  int mEntryLengthLimit = 7;
  ITextStyle mTextStyle;
  IPlugBase* mPlug;
  IBounds mDrawBounds;
  IBounds mTargetBounds;
  int mParamIdx;
  HeapArray<AuxParam> mAuxParams{4096};
  std::atomic<double> mValue{0.0};
  std::atomic<double> mDefault{-1.0};
  double mClampLow = 0.0, mClampHigh = 1.0;
  std::atomic<bool> mDirty{true};
  bool mHidden = false;
  bool mGreyed = false;
  std::atomic<bool> mRedrawAgain{false};
  bool mPromptDisabled = true;
  bool mDoubleClickAsMouseDown = false;
  bool mMouseOverWhenGreyed = false;
  ILayerBlend mBlend;
  ITextControl* mValueTextControl = nullptr;
  ITextControl* mNameTextControl = nullptr;
  const char* mTooltip = nullptr;
};

// One frame of an image strip, chosen by the value: the backdrop and the
// band lights.
class IBitmapControl : public IControl
{
public:
  IBitmapControl(IPlugBase* plug, int x, int y, int paramIdx, const IImageStrip& strip,
                 IBlendKind blend = BlendNormal);
  bool Render(IGraphics* graphics) override;
  const IImageStrip& Strip() const { return mStrip; }

protected:
  IImageStrip mStrip;
};

// A bitmap switch that steps through its frames with every click.
class ISwitchControl : public IBitmapControl
{
public:
  ISwitchControl(IPlugBase* plug, int x, int y, int paramIdx, const IImageStrip& strip,
                 IBlendKind blend = BlendNormal)
      : IBitmapControl(plug, x, y, paramIdx, strip, blend)
  {
  }
  void MouseDown(int x, int y, IMouseKeys* keys) override;
  void DoubleClick(int x, int y, IMouseKeys* keys) override { MouseDown(x, y, keys); }
};

enum IKnobDirection
{
  kVertical = 0,
  kHorizontal = 1,
};

// A control turned by dragging: the drag across its extent changes the
// value by 1 / gearing.
class IKnobControl : public IControl
{
public:
  IKnobControl(IPlugBase* plug, IBounds bounds, int paramIdx, IKnobDirection direction, double gearing)
      : IControl(plug, bounds, paramIdx), mDirection(direction), mGearing(gearing)
  {
  }

protected:
  IKnobDirection mDirection;
  double mGearing;
};

// A knob drawn from a strip of frames, one per step of value.
class IKnobMultiControl : public IKnobControl
{
public:
  IKnobMultiControl(IPlugBase* plug, int x, int y, int paramIdx, const IImageStrip& strip,
                    IKnobDirection direction = kVertical, double gearing = 4.0);
  void MouseDrag(int x, int y, int dx, int dy, IMouseKeys* keys) override;
  void Wheel(int x, int y, IMouseKeys* keys, int delta) override;
  bool Render(IGraphics* graphics) override;
  const IImageStrip& Strip() const { return mStrip; }

private:
  IImageStrip mStrip;
};

// Static text in the control's style.
class ITextControl : public IControl
{
public:
  ITextControl(IPlugBase* plug, IBounds bounds, const ITextStyle& style, const char* text);
  void SetText(const char* text);
  const char* Text() const { return mText.Get(); }
  bool Render(IGraphics* graphics) override;

private:
  StringBuffer mText;
};

// The frame of an N-frame strip (1-based) that shows a normalised value; a
// value that is not a number shows frame 1.
int FrameForValue(double value, int frames);
