#include "IGraphics.h"

#include "Assert.h"
#include "BitmapCache.h"
#include "IPlugBase.h"
#include "LICE_Compose.h"
#include "LICE_DrawSegment.h"
#include "LICE_MemBitmap.h"
#include "LICE_SysBitmap.h"

#include <cstdio>
#include <new>

namespace
{
LiceCombine CombineOf(const ILayerBlend* blend)
{
  switch (blend ? blend->kind : BlendNormal)
  {
  case BlendOpaque: return CombineCopy;
  case BlendAdd: return CombineAdd | CombineUseSourceAlpha;
  case BlendDodge: return CombineDodge | CombineUseSourceAlpha;
  default: return CombineCopy | CombineUseSourceAlpha;
  }
}
}

IGraphics::IGraphics(IPlugBase* plug) : mPlug(plug) {}

IGraphics::~IGraphics()
{
  delete mKeyCatcher;
  mKeyCatcher = nullptr;
  DeleteControls();
  delete mDrawSurface;
  delete mScratch;
}

void IGraphics::DeleteControls()
{
  MutexGuard lock(mPlug ? mPlug->GetMutex() : nullptr);
  mControls.DeleteAll();
}

LICE_IBitmap* IGraphics::LoadImage(int id, const char* name)
{
  LICE_IBitmap* bitmap = BitmapCacheFind(id);
  if (!bitmap)
  {
    bitmap = LoadResourceImage(id, name);
    // Bitmaps belong to the cache; one it cannot hold would be lost.
    if (!BitmapCacheAdd(bitmap, id))
    {
      delete bitmap;
      throw std::bad_alloc();
    }
  }
  if (!bitmap && HasImageResource(id))
    throw std::bad_alloc();
  ZL_ASSERT(bitmap, "imgResourceFound");
  return bitmap;
}

void IGraphics::AttachBackdrop()
{
  IImageStrip strip;
  strip.bitmap = LoadImage(100, "resources/img/bg.png");
  if (strip.bitmap)
  {
    strip.width = strip.bitmap->Width();
    strip.height = strip.bitmap->Height();
  }
  IControl* backdrop = new IBitmapControl(mPlug, 0, 0, -1, strip, BlendOpaque);
  MutexGuard lock(mPlug ? mPlug->GetMutex() : nullptr);
  if (!mControls.Insert(0, backdrop))
    delete backdrop;
}

int IGraphics::AddControl(IControl* control)
{
  MutexGuard lock(mPlug ? mPlug->GetMutex() : nullptr);
  if (!mControls.Add(control))
  {
    delete control;
    return -1;
  }
  return mControls.Count() - 1;
}

void IGraphics::SetKeyCatcher(IControl* control)
{
  delete mKeyCatcher;
  mKeyCatcher = control;
}

void IGraphics::PrepareSurfaces()
{
  mDrawSurface = new LICE_SysBitmap(mWidth, mHeight);
  mScratch = new LICE_MemBitmap(0, 0);
}

void IGraphics::ResizeEditor(int width, int height)
{
  {
    MutexGuard lock(mPlug ? mPlug->GetMutex() : nullptr);
    mWidth = width;
    mHeight = height;
    mLastMouseX = mLastMouseY = -1;
    mCaptureIndex = -1;
    mHoverIndex = -1;
    mControls.DeleteAll();
    delete mDrawSurface;
    delete mScratch;
    mDrawSurface = nullptr;
    mScratch = nullptr;
    PrepareSurfaces();
  }
  if (mPlug)
    mPlug->ResizeEditorWindow(width, height);
}

bool IGraphics::CollectDirtyBounds(IBounds* out)
{
  bool dirty = false;
  for (int i = 0; i < mControls.Count(); ++i)
  {
    IControl* control = mControls.Get(i);
    if (!control->NeedsRedraw())
      continue;
    *out = dirty ? out->Union(control->DrawBounds()) : control->DrawBounds();
    dirty = true;
  }
  return dirty;
}

// Marked clean before it draws: a mark set meanwhile (the audio thread)
// survives to the next tick.
void IGraphics::RenderControl(IControl* control)
{
  control->MarkClean();
  control->Render(this);
}

bool IGraphics::RenderDirty(const IBounds& dirty)
{
  const int count = mControls.Count();
  if (!count)
    return true;
  if (mStrictDrawing)
  {
    mDrawClip = dirty;
    for (int i = 0; i < count; ++i)
    {
      IControl* control = mControls.Get(i);
      if (!control->IsHidden() && dirty.Intersects(control->DrawBounds()))
        RenderControl(control);
      else if (control->IsHidden() || control->DrawBounds().Empty())
        control->MarkClean();
      // A visible dirty control outside the rectangle keeps its mark for a
      // later tick.
    }
  }
  else if (mControls.Get(0)->NeedsRedraw())
  {
    mDrawClip = mControls.Get(0)->DrawBounds();
    for (int i = 0; i < count; ++i)
      if (i == 0 || !mControls.Get(i)->IsHidden())
        RenderControl(mControls.Get(i));
  }
  else
  {
    for (int i = 1; i < count; ++i)
    {
      IControl* dirtyControl = mControls.Get(i);
      if (!dirtyControl->NeedsRedraw())
        continue;
      mDrawClip = dirtyControl->DrawBounds();
      dirtyControl->MarkClean();
      for (int j = 0; j < count; ++j)
      {
        IControl* control = mControls.Get(j);
        if (!control->IsHidden() && (j == i || control->DrawBounds().Intersects(mDrawClip)))
          control->Render(this);
      }
    }
  }
  if (mShowControlBounds)
  {
    for (int i = 1; i < count; ++i)
      OutlineBounds(&mControls.Get(i)->DrawBounds());
    static ITextStyle overlayStyle("Arial", 20, IArgb(255, 0, 255, 0), kAlignCenter);
    char position[64];
    std::snprintf(position, sizeof position, "x: %i, y: %i", mLastMouseX, mLastMouseY);
    IBounds corner(mWidth - 150, mHeight - 20, mWidth, mHeight);
    DrawTextInBounds(&overlayStyle, position, &corner, false);
  }
  return PresentFrame(dirty);
}

bool IGraphics::BlitImage(IImageStrip* strip, const IBounds* destination, int sourceX, int sourceY,
                          const ILayerBlend* blend)
{
  const IBounds region = destination->Intersection(mDrawClip);
  if (!mDrawSurface || region.Empty() || !strip->bitmap)
    return true;
  const LiceRect source = {sourceX + region.left - destination->left, sourceY + region.top - destination->top,
                           sourceX + region.right - destination->left, sourceY + region.bottom - destination->top};
  LICE_Compose(mDrawSurface, strip->bitmap, region.left, region.top, &source, blend ? blend->weight : 1.0f,
               CombineOf(blend));
  return true;
}

bool IGraphics::BlitImageFrame(IImageStrip* strip, const IBounds* destination, int frame, const ILayerBlend* blend)
{
  int offset = 0;
  if (strip->frames >= 2 && frame >= 2)
  {
    const int extent = strip->framesSideBySide ? strip->width : strip->height;
    offset = static_cast<int>(static_cast<double>(extent) * (frame - 1) / strip->frames + 0.5);
  }
  return strip->framesSideBySide ? BlitImage(strip, destination, offset, 0, blend)
                                 : BlitImage(strip, destination, 0, offset, blend);
}

bool IGraphics::OutlineBounds(const IBounds* b)
{
  const PixelArgb green = 0xFF00FF00;
  LICE_DrawSegment(mDrawSurface, b->left, b->top, b->right, b->top, green, 1.0f, CombineCopy, false);
  LICE_DrawSegment(mDrawSurface, b->left, b->bottom, b->right, b->bottom, green, 1.0f, CombineCopy, false);
  LICE_DrawSegment(mDrawSurface, b->left, b->top, b->left, b->bottom, green, 1.0f, CombineCopy, false);
  LICE_DrawSegment(mDrawSurface, b->right, b->top, b->right, b->bottom, green, 1.0f, CombineCopy, false);
  return true;
}

bool IGraphics::MeasureText(ITextStyle* style, const char* text, IBounds* bounds)
{
  return DrawTextInBounds(style, text, bounds, true);
}
