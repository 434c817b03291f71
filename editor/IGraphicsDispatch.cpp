// Input from the window to the controls, with the host's edit begin and end
// around every gesture on a parameter control; parameter values from the
// plug-in to the controls; asking the user for a value.

#include "IGraphics.h"

#include "IMenu.h"
#include "IPlugBase.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
// Marks a control's press as being handled for as long as the scope lives.
class PressScope
{
public:
  explicit PressScope(bool* flag) : mFlag(flag) { *mFlag = true; }
  ~PressScope() { *mFlag = false; }
  PressScope(const PressScope&) = delete;
  PressScope& operator=(const PressScope&) = delete;

private:
  bool* mFlag;
};
}

int IGraphics::HitTest(int x, int y, bool admitGreyedMouseOver) const
{
  for (int i = mControls.Count() - 1; i >= 0; --i)
  {
    IControl* control = mControls.Get(i);
    if (control->IsHidden())
      continue;
    if (control->IsGreyed() && !(admitGreyedMouseOver && control->MouseOverWhenGreyed()))
      continue;
    if (control->HitTest(x, y))
      return i;
  }
  return -1;
}

void IGraphics::BeginGestureEdit(int paramIdx)
{
  mPlug->BeginHostEdit(paramIdx);
  mOpenEditParam = paramIdx;
}

void IGraphics::EndGestureEdit(int paramIdx)
{
  mPlug->EndHostEdit(paramIdx);
  mOpenEditParam = -1;
}

void IGraphics::DispatchMouseDown(int x, int y, IMouseKeys* keys)
{
  mLastMouseX = mLastMouseY = -1;
  mCaptureIndex = -1;
  mGestureEndedBeforeRelease = false;
  const int index = HitTest(x, y);
  if (index < 0)
    return;
  IControl* control = mControls.Get(index);
  mCaptureIndex = index;
  mLastMouseX = x;
  mLastMouseY = y;
  const int paramIdx = control->ParamIdx();
  // A VST3 host offers its own menu for a parameter on a right click.
  if (mPlug->ApiKind() == kApiVst3 && keys && keys->right && paramIdx >= 0)
  {
    mCaptureIndex = -1;
    mLastMouseX = mLastMouseY = -1;
    mPlug->ShowHostParamMenu(paramIdx, x, y);
    return;
  }
  if (paramIdx >= 0)
    BeginGestureEdit(paramIdx);
  {
    PressScope press(&mHandlingPress);
    control->MouseDown(x, y, keys);
  }
  // The press gave the mouse away (a popup menu took it, and a menu keeps
  // the release for itself): the host's edit ends now, after the value the
  // menu gave, and a release that still reaches the editor ends nothing.
  if (mCaptureIndex != index)
  {
    CancelMouseGesture();
    mGestureEndedBeforeRelease = true;
  }
}

void IGraphics::DispatchMouseUp(int x, int y, IMouseKeys* keys)
{
  const int index = mCaptureIndex >= 0 ? mCaptureIndex : HitTest(x, y);
  mLastMouseX = mLastMouseY = -1;
  mCaptureIndex = -1;
  const bool ended = mGestureEndedBeforeRelease;
  mGestureEndedBeforeRelease = false;
  IControl* control = mControls.Get(index);
  if (!control)
  {
    // Released outside every control: a gesture that began is still ended.
    CancelMouseGesture();
    return;
  }
  control->MouseUp(x, y, keys);
  if (ended)
    return;
  if (control->ParamIdx() >= 0)
  {
    if (mOpenEditParam >= 0 && mOpenEditParam != control->ParamIdx())
      EndGestureEdit(mOpenEditParam);
    EndGestureEdit(control->ParamIdx());
  }
  else
  {
    CancelMouseGesture();
  }
}

void IGraphics::CancelMouseGesture()
{
  mCaptureIndex = -1;
  // The control still handles its press: the press ends the edit when it is
  // done, so that the value a popup menu gives lies inside it.
  if (mHandlingPress)
    return;
  if (mOpenEditParam >= 0)
    EndGestureEdit(mOpenEditParam);
}

void IGraphics::DispatchMouseDrag(int x, int y, IMouseKeys* keys)
{
  IControl* control = mControls.Get(mCaptureIndex);
  if (!control || (x == mLastMouseX && y == mLastMouseY))
    return;
  const int dx = x - mLastMouseX, dy = y - mLastMouseY;
  mLastMouseX = x;
  mLastMouseY = y;
  control->MouseDrag(x, y, dx, dy, keys);
}

bool IGraphics::DispatchMouseOver(int x, int y, IMouseKeys* keys)
{
  if (!mHandleMouseOver)
    return false;
  const int index = mCaptureIndex >= 0 ? mCaptureIndex : HitTest(x, y, true);
  IControl* control = mControls.Get(index);
  if (!control)
    return true;
  mLastMouseX = x;
  mLastMouseY = y;
  control->MouseOver(x, y, keys);
  if (mHoverIndex >= 0 && mHoverIndex != index)
    if (IControl* previous = mControls.Get(mHoverIndex))
      previous->MouseOut();
  mHoverIndex = index;
  return true;
}

void IGraphics::DispatchMouseOut()
{
  for (int i = 0; i < mControls.Count(); ++i)
    mControls.Get(i)->MouseOut();
  mHoverIndex = -1;
}

bool IGraphics::DispatchDoubleClick(int x, int y, IMouseKeys* keys)
{
  mLastMouseX = mLastMouseY = -1;
  mCaptureIndex = -1;
  mGestureEndedBeforeRelease = false;
  const int index = HitTest(x, y);
  IControl* control = mControls.Get(index);
  if (!control)
    return false;
  if (!control->DoubleClickAsMouseDown())
  {
    control->DoubleClick(x, y, keys);
    return false;
  }
  mCaptureIndex = index;
  mLastMouseX = x;
  mLastMouseY = y;
  control->MouseDown(x, y, keys);
  return true;
}

void IGraphics::DispatchWheel(int x, int y, IMouseKeys* keys, int notches)
{
  IControl* control = mControls.Get(mCaptureIndex >= 0 ? mCaptureIndex : HitTest(x, y));
  if (control)
    control->Wheel(x, y, keys, notches);
}

bool IGraphics::DispatchKey(int x, int y, int key)
{
  const int index = mCaptureIndex >= 0 ? mCaptureIndex : HitTest(x, y);
  if (index <= 0)
    return mKeyCatcher ? mKeyCatcher->KeyDown(x, y, key) : false;
  return mControls.Get(index)->KeyDown(x, y, key);
}

void IGraphics::PushParamToControls(int paramIdx, double value, bool normalized)
{
  if (!normalized)
  {
    const IPlugParameter* param = mPlug->GetParam(paramIdx);
    if (!param)
      return;
    value = param->NormalizedValue(value);
  }
  for (int i = 0; i < mControls.Count(); ++i)
  {
    IControl* control = mControls.Get(i);
    if (control->ParamIdx() == paramIdx)
      control->TakeValueFromPlug(value);
    const int aux = control->FindAuxParam(paramIdx);
    if (aux >= 0)
      control->TakeAuxValueFromPlug(aux, value);
  }
}

void IGraphics::AskUserForValue(IControl* control, IPlugParameter* param, IBounds* bounds)
{
  if (!control || !param || !bounds)
    return;
  const bool menu = param->Kind() == kParameterEnum || (param->Kind() == kParameterBool && param->DisplayTextCount());
  if (menu)
  {
    char current[kParameterTextLength];
    param->FormatForDisplay(current);
    IMenu choices;
    for (int i = 0; i < param->DisplayTextCount(); ++i)
    {
      const char* text = param->DisplayTextFor(i);
      // A menu without one of its entries would give the later ones the
      // wrong values: none is shown.
      if (!choices.AddItem(text ? text : "", std::strcmp(text ? text : "", current) == 0 ? IMenuEntry::kChecked : 0))
        return;
    }
    IMenu* chosen = RunPopupMenu(&choices, bounds);
    if (chosen)
    {
      const double value = param->NormalizedValue(chosen->ChosenItemIndex());
      if (value != control->Value())
      {
        control->SetValue(value);
        control->MarkDirty(true);
        control->SetRedrawAgain();
      }
    }
    return;
  }
  char text[kParameterTextLength];
  const double value = param->NegateDisplay() ? -param->Value() : param->Value();
  if (param->Precision() > 0)
    std::snprintf(text, sizeof text, "%.*f", param->Precision(), value);
  else
    std::snprintf(text, sizeof text, "%d", TruncateToInt(value));
  OpenTextEntry(control, &control->TextStyle(), bounds, text, param);
}

bool IGraphics::EntryAcceptsCharacter(const IPlugParameter* param, unsigned character)
{
  if (!param || character == '\b')
    return true;
  const bool digitOrSign = (character >= '0' && character <= '9') || character == '+' || character == '-';
  switch (param->Kind())
  {
  case kParameterBool:
  case kParameterInt:
  case kParameterEnum:
    return digitOrSign;
  case kParameterDouble:
    return digitOrSign || character == '.';
  default:
    return true;
  }
}

void IGraphics::CommitEntryText(IControl* control, IPlugParameter* param, const char* text)
{
  if (!control)
    return;
  if (!param)
  {
    control->TakeTextFromEntry(text);
    return;
  }
  const bool named = (param->Kind() == kParameterBool || param->Kind() == kParameterEnum) && param->DisplayTextCount();
  int textValue = 0;
  const double value =
      named ? (param->MatchDisplayText(text, &textValue) ? textValue : 0) : param->ReadTypedNumber(text);
  if (std::isnan(value))
    return;
  control->TakeValueFromUser(param->NormalizedValue(value));
}
