// The editor when memory cannot be had: text skips what it cannot make,
// throws nothing, and works again once memory is there.

#include "FontCache.h"
#include "IGraphicsHeadless.h"
#include "LICE_SysBitmap.h"
#include "TestPlug.h"
#include "support/TestHeap.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A headless editor of one white label over a black surface.
struct LabelEditor
{
  LabelEditor()
  {
    FontCacheReset();
    label = new ITextControl(&plug, IBounds(10, 10, 60, 30), ITextStyle("Arial", 12, IArgb(255, 255, 255, 255)),
                             "Sss");
    graphics.AddControl(label);
    graphics.PrepareSurfaces();
  }

  // One frame over the label's bounds.
  void Draw() { graphics.RenderDirty(label->DrawBounds()); }

  bool LabelBlank()
  {
    LICE_SysBitmap* surface = graphics.DrawSurface();
    for (int y = 10; y < 30; ++y)
      for (int x = 10; x < 60; ++x)
        if (surface->PixelData()[y * surface->RowSpan() + x] != 0)
          return false;
    return true;
  }

  ITextStyle& Style() { return label->TextStyle(); }

  TestPlug plug;
  IGraphicsHeadless graphics{&plug};
  ITextControl* label = nullptr;  // owned by the editor
};

TEST(EditorHeap, FontTheCacheCannotHoldIsNotUsedAndTheTextComesOnALaterFrame)
{
  LabelEditor editor;
  {
    TestHeap::Scope fail(true, false);
    editor.Draw();
  }
  EXPECT_TRUE(editor.LabelBlank()) << "the text is skipped this frame";
  EXPECT_EQ(editor.Style().cachedFont, nullptr) << "the style keeps no font the cache does not own";
  EXPECT_EQ(FontCacheFind(&editor.Style()), nullptr);

  editor.Draw();
  EXPECT_FALSE(editor.LabelBlank());
  ASSERT_NE(editor.Style().cachedFont, nullptr);
  EXPECT_EQ(FontCacheFind(&editor.Style()), editor.Style().cachedFont);
}

// Each allocation that obtaining a font makes fails in turn.
TEST(EditorHeap, ObtainingAFontThrowsNothingWhicheverAllocationFails)
{
  for (long long succeeding = 0;; ++succeeding)
  {
    SCOPED_TRACE(succeeding);
    LabelEditor editor;
    LICE_CachedFont* font = nullptr;
    bool failed = false;
    {
      TestHeap::NewFailure fail(succeeding);
      font = editor.graphics.ObtainFont(&editor.Style());
      failed = TestHeap::newFailsAfter == 0;
    }
    EXPECT_EQ(editor.Style().cachedFont, font);
    EXPECT_EQ(FontCacheFind(&editor.Style()), font) << "a font is cached and kept by the style, or neither";
    editor.Draw();
    EXPECT_FALSE(editor.LabelBlank());
    if (!failed)
    {
      EXPECT_NE(font, nullptr);
      break;
    }
  }
}
}
