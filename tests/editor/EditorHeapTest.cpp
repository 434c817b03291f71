// The editor when memory cannot be had: text and menus skip what they cannot
// make, throw nothing, and work again once memory is there.

#include "AskingGraphics.h"
#include "FontCache.h"
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

TEST(EditorHeap, MenuEntryThatCannotBeMadeWholeIsNotAdded)
{
  IMenu menu;
  ASSERT_NE(menu.AddItem("first"), nullptr);
  IMenuEntry* withoutRecord = nullptr;
  IMenuEntry* withoutText = nullptr;
  {
    TestHeap::NewFailure fail(0);
    withoutRecord = menu.AddItem("second");
  }
  {
    TestHeap::Scope fail(true, false);
    withoutText = menu.AddItem("third");
  }
  EXPECT_EQ(withoutRecord, nullptr);
  EXPECT_EQ(withoutText, nullptr);
  ASSERT_EQ(menu.NItems(), 1);
  EXPECT_STREQ(menu.GetItem(0)->Text(), "first");
  EXPECT_NE(menu.AddItem("second"), nullptr);
  EXPECT_EQ(menu.NItems(), 2);
}

// A menu that lacks an entry would offer the wrong values: none is shown.
TEST(EditorHeap, ValueMenuWithoutMemoryIsNotShown)
{
  TestPlug plug;
  plug.GetParam(4)->SetupBool("switch", false);
  IKnobMultiControl control(&plug, 0, 0, 4, IImageStrip());
  IBounds bounds(0, 0, 10, 10);
  struct Failure
  {
    const char* what;
    long long newSucceeding;
    bool heap;
  };
  const Failure failures[] = {{"first entry", 0, false}, {"second entry", 1, false}, {"entry texts", -1, true}};
  for (const Failure& failure : failures)
  {
    SCOPED_TRACE(failure.what);
    AskingGraphics graphics(&plug);
    graphics.choose = 1;
    {
      TestHeap::NewFailure fail(failure.newSucceeding);
      TestHeap::Scope heap(failure.heap, false);
      graphics.AskUserForValue(&control, plug.GetParam(4), &bounds);
    }
    EXPECT_TRUE(graphics.shown.empty());
    EXPECT_EQ(control.Value(), 0.0);
  }
  AskingGraphics graphics(&plug);
  graphics.choose = 1;
  graphics.AskUserForValue(&control, plug.GetParam(4), &bounds);
  EXPECT_EQ(graphics.shown, (std::vector<std::string>{"off*", "on"}));
  EXPECT_EQ(control.Value(), 1.0);
}
}
