#pragma once

#include "BitmapCache.h"
#include "IGraphics.h"
#include "LICE_MemBitmap.h"

// Editor images made here, one colour per frame row, cached under the ids
// the editor loads: 100 background 500 x 200, 101 knob strip of 101 frames
// 96 x 96, 102 band light and 103 band switch of two 20 x 20 frames.
struct EditorImages
{
  static void Seed()
  {
    BitmapCacheReset();
    BitmapCacheAdd(Make(500, 200, 1, 0xFF000000), 100);
    BitmapCacheAdd(Make(96, 9696, 101, 0xFF100000), 101);
    BitmapCacheAdd(Make(20, 40, 2, 0x80200000), 102);
    BitmapCacheAdd(Make(20, 40, 2, 0xFF300000), 103);
  }

  // Pixel (x, y) holds base | frame << 8 | (x + y) & 0xFF; every fourth
  // column of a semi-transparent image is transparent.
  static LICE_MemBitmap* Make(int width, int height, int frames, PixelArgb base)
  {
    LICE_MemBitmap* bitmap = new LICE_MemBitmap(width, height);
    const int frameHeight = height / frames;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
      {
        PixelArgb p = base | static_cast<PixelArgb>(y / frameHeight) << 8 | static_cast<PixelArgb>((x + y) & 0xFF);
        if ((base >> 24) != 0xFF && x % 4 == 0)
          p &= 0x00FFFFFF;
        bitmap->PixelData()[y * bitmap->RowSpan() + x] = p;
      }
    return bitmap;
  }

  static IImageStrip Strip(int id, int frames)
  {
    IImageStrip strip;
    strip.bitmap = BitmapCacheFind(id);
    strip.width = strip.bitmap->Width();
    strip.height = strip.bitmap->Height();
    strip.frames = frames;
    return strip;
  }
};

// The de-esser's editor without its texts and meter: backdrop, two knobs,
// eight band lights, eight band switches.
struct EditorLayout
{
  void Build(IGraphics* graphics, IPlugBase* plug)
  {
    graphics->AttachBackdrop();
    knob = graphics->AddControl(new IKnobMultiControl(plug, 24, 53, 0, EditorImages::Strip(101, 101)));
    graphics->AddControl(new IKnobMultiControl(plug, 379, 53, 1, EditorImages::Strip(101, 101)));
    for (int i = 0; i < 8; ++i)
      lights[i] = graphics->AddControl(new IBitmapControl(plug, 135 + 30 * i, 84, 2 + i, EditorImages::Strip(102, 2)));
    for (int i = 0; i < 8; ++i)
      switches[i] = graphics->AddControl(new ISwitchControl(plug, 135 + 30 * i, 112, 10 + i, EditorImages::Strip(103, 2)));
  }

  int knob = -1;
  int lights[8] = {};
  int switches[8] = {};
};

// What one timer tick of the window does: draws whatever is dirty. False
// when nothing was.
inline bool DrawDirty(IGraphics* graphics)
{
  IBounds dirty;
  if (!graphics->CollectDirtyBounds(&dirty))
    return false;
  graphics->RenderDirty(dirty);
  return true;
}
