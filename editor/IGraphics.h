#pragma once

#include "IControl.h"
#include "IGraphicsStructs.h"
#include "PointerList.h"

class IMenu;
class IPlugBase;
class IPlugParameter;
class LICE_IBitmap;
class LICE_MemBitmap;
class LICE_SysBitmap;
class StringBuffer;

// The platform-neutral editor of one plug-in instance: the ordered list of
// controls (drawing order and, backwards, hit-test order), an off-screen
// surface of the editor's size, the redraw rules, the drawing primitives the
// controls use, and the dispatch of input to controls. A platform class
// supplies the window, the timer and the copy to the screen.
class IGraphics
{
public:
  explicit IGraphics(IPlugBase* plug);
  IGraphics(const IGraphics&) = delete;
  IGraphics& operator=(const IGraphics&) = delete;

  // Copies a rectangle of the surface to the screen.
  virtual bool PresentFrame(const IBounds& bounds) = 0;
  virtual bool MeasureText(ITextStyle* style, const char* text, IBounds* bounds);
  virtual void CancelTextEntry() = 0;
  // Rebuilds the editor at a new size: every control is deleted (the caller
  // adds them again), the surfaces are made anew and the wrapper is asked to
  // resize the host's frame.
  virtual void ResizeEditor(int width, int height);
  virtual bool HasWindow() { return WindowHandle() != nullptr; }
  virtual const char* DrawingApiName() { return ""; }
  virtual int ShowMessageDialog(const char* text, const char* caption, int type) = 0;
  virtual IMenu* RunPopupMenu(IMenu* menu, IBounds* bounds) = 0;
  virtual void OpenTextEntry(IControl* control, ITextStyle* style, IBounds* bounds, const char* text,
                             IPlugParameter* param) = 0;
  virtual void HostModulePath(StringBuffer* path) = 0;
  virtual void PluginModulePath(StringBuffer* path) = 0;
  virtual void DesktopFolderPath(StringBuffer* path) = 0;
  virtual void AppDataFolderPath(StringBuffer* path, bool common) = 0;
  virtual void UserAppDataFolderPath(StringBuffer* path) = 0;
  virtual void AskForFile(StringBuffer* file, int action, StringBuffer* folder, const char* extensions) = 0;
  virtual bool AskForColor(IArgb* colour, const char* prompt) = 0;
  virtual void* OpenEditorWindow(void* parent) = 0;
  virtual void CloseEditorWindow() = 0;
  virtual void* WindowHandle() = 0;
  virtual bool ClipboardText(StringBuffer* text) = 0;
  // Calls nothing on the plug-in: it is being destroyed when this runs.
  virtual ~IGraphics();
  virtual void HidePointer() {}
  virtual void ShowPointer() {}
  virtual LICE_IBitmap* LoadResourceImage(int id, const char* name) = 0;
  // Whether the module holds image id at all (its loading can still fail for
  // want of memory).
  virtual bool HasImageResource(int id) = 0;

  // The background image (id 100) at index 0, drawn first and opaque.
  void AttachBackdrop();
  // Takes ownership; returns the control's index. Changes the list under the
  // plug mutex: the audio thread writes into controls.
  int AddControl(IControl* control);
  // An editor image by id: from the bitmap cache, else loaded and cached.
  // A missing image is a build defect (an assertion); one that is there but
  // cannot be loaded throws std::bad_alloc, so that the instance is not
  // made. Null only where assertions are off.
  LICE_IBitmap* LoadImage(int id, const char* name);
  void PrepareSurfaces();

  // The union of the dirty controls' bounds; false when none is dirty.
  bool CollectDirtyBounds(IBounds* out);
  // Draws the controls for the rectangle into the surface and presents it.
  bool RenderDirty(const IBounds& dirty);

  bool BlitImage(IImageStrip* strip, const IBounds* destination, int sourceX, int sourceY, const ILayerBlend* blend);
  bool BlitImageFrame(IImageStrip* strip, const IBounds* destination, int frame, const ILayerBlend* blend);
  bool DrawTextInBounds(ITextStyle* style, const char* text, IBounds* bounds, bool measure);
  bool OutlineBounds(const IBounds* bounds);
  LICE_CachedFont* ObtainFont(ITextStyle* style);

  // Input, already in editor pixels.
  void DispatchMouseDown(int x, int y, IMouseKeys* keys);
  void DispatchMouseUp(int x, int y, IMouseKeys* keys);
  bool DispatchMouseOver(int x, int y, IMouseKeys* keys);
  void DispatchMouseOut();
  bool DispatchDoubleClick(int x, int y, IMouseKeys* keys);
  void DispatchWheel(int x, int y, IMouseKeys* keys, int notches);
  bool DispatchKey(int x, int y, int key);
  // The captured control's drag, with the movement since the last position.
  void DispatchMouseDrag(int x, int y, IMouseKeys* keys);
  // The gesture ends without a button release (the window lost the mouse
  // capture, or closes): the host's open edit is ended once, at the latest
  // when the control has handled the press.
  void CancelMouseGesture();
  // A parameter's value into every control bound to it, without telling the
  // plug-in (also from the audio thread, under the plug mutex).
  void PushParamToControls(int paramIdx, double value, bool normalized);
  void AskUserForValue(IControl* control, IPlugParameter* param, IBounds* bounds);
  // The rules of a text entry over a control. Which characters reach the
  // entry of param (backspace always, and everything without a parameter).
  static bool EntryAcceptsCharacter(const IPlugParameter* param, unsigned character);
  // The committed text: a display text's value for a Bool or Enum parameter
  // with display texts (0 when none is equal), else the typed number; a
  // text that reads as NaN applies nothing. Without a parameter the control
  // takes the text itself.
  static void CommitEntryText(IControl* control, IPlugParameter* param, const char* text);

  IPlugBase* Plug() const { return mPlug; }
  int NControls() const { return mControls.Count(); }
  IControl* GetControl(int index) const { return mControls.Get(index); }
  LICE_SysBitmap* DrawSurface() const { return mDrawSurface; }
  int Width() const { return mWidth; }
  int Height() const { return mHeight; }
  int FramesPerSecond() const { return mFramesPerSecond; }
  const IBounds& DrawClip() const { return mDrawClip; }
  int CaptureIndex() const { return mCaptureIndex; }
  int HoverIndex() const { return mHoverIndex; }
  int LastMouseX() const { return mLastMouseX; }
  int LastMouseY() const { return mLastMouseY; }
  bool HandleMouseOver() const { return mHandleMouseOver; }
  bool StrictDrawing() const { return mStrictDrawing; }
  bool TooltipsEnabled() const { return mTooltips; }
  bool ShowControlBounds() const { return mShowControlBounds; }
  // The four flags are fixed in the shipped editor; these set them for
  // tests and tools.
  void SetHandleMouseOver(bool on) { mHandleMouseOver = on; }
  void SetStrictDrawing(bool on) { mStrictDrawing = on; }
  void SetTooltipsEnabled(bool on) { mTooltips = on; }
  void SetShowControlBounds(bool on) { mShowControlBounds = on; }
  // The control that receives keys nobody else takes (owned).
  void SetKeyCatcher(IControl* control);
  void* ViewContainer() const { return mViewContainer; }
  void SetViewContainer(void* container) { mViewContainer = container; }

protected:
  // Forgets the gesture in progress without telling the plug-in (which is
  // being destroyed).
  void AbandonMouseGesture()
  {
    mCaptureIndex = -1;
    mOpenEditParam = -1;
  }
  void DeleteControls();
  // A popup menu ends the gesture's capture: the release goes to it.
  void ResetMouseCapture()
  {
    mLastMouseX = mLastMouseY = -1;
    mCaptureIndex = -1;
  }

  bool mPointerHidden = false;
  int mHiddenPointerX = -1, mHiddenPointerY = -1;

private:
  int HitTest(int x, int y, bool admitGreyedMouseOver = false) const;
  void BeginGestureEdit(int paramIdx);
  void EndGestureEdit(int paramIdx);
  void RenderControl(IControl* control);

  PointerList<IControl> mControls;
  IPlugBase* mPlug;
  IBounds mDrawClip;
  LICE_SysBitmap* mDrawSurface = nullptr;
  LICE_MemBitmap* mScratch = nullptr;
  int mWidth = 500, mHeight = 230;
  int mFramesPerSecond = 25;
  int mCaptureIndex = -1;
  int mHoverIndex = -1;
  int mLastMouseX = 0, mLastMouseY = 0;
  bool mHandleMouseOver = false;
  bool mStrictDrawing = true;
  bool mTooltips = false;
  bool mShowControlBounds = false;
  IControl* mKeyCatcher = nullptr;
  void* mViewContainer = nullptr;
  int mOpenEditParam = -1;
  // A control is handling its press.
  bool mHandlingPress = false;
  // The last press's edit ended when the press gave the mouse away.
  bool mGestureEndedBeforeRelease = false;
};
