// The default answers of our VST3 layer's view base, and how it holds the
// host's frame.

#include "PluginView.h"
#include "Vst3Fakes.h"

#include <gtest/gtest.h>

namespace
{
using namespace Steinberg;

TEST(CPluginView, DefaultAnswers)
{
  CPluginView* view = new CPluginView;
  ViewRect rect = {1, 2, 3, 4};
  struct Case
  {
    const char* call;
    tresult result;
    tresult expected;
  };
  const Case cases[] = {
      {"isPlatformTypeSupported", view->isPlatformTypeSupported(kPlatformTypeHWND), kNotImplemented},
      {"onWheel", view->onWheel(1.0f), kResultFalse},
      {"onKeyDown", view->onKeyDown('a', 0, 0), kResultFalse},
      {"onKeyUp", view->onKeyUp('a', 0, 0), kResultFalse},
      {"onFocus", view->onFocus(1), kResultFalse},
      {"canResize", view->canResize(), kResultFalse},
      {"checkSizeConstraint", view->checkSizeConstraint(&rect), kResultFalse},
      {"getSize (null)", view->getSize(nullptr), kInvalidArgument},
      {"onSize (null)", view->onSize(nullptr), kInvalidArgument},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.result, c.expected) << c.call;

  ViewRect size = {};
  ASSERT_EQ(view->getSize(&size), kResultOk);
  EXPECT_EQ(size.right, 0) << "no size before the host gives one";
  ASSERT_EQ(view->onSize(&rect), kResultOk);
  ASSERT_EQ(view->getSize(&size), kResultOk);
  EXPECT_EQ(size.left, 1);
  EXPECT_EQ(size.bottom, 4);

  int window = 0;
  EXPECT_EQ(view->attached(&window, kPlatformTypeHWND), kResultOk);
  EXPECT_EQ(view->getSystemWindow(), &window);
  EXPECT_EQ(view->removed(), kResultOk);
  EXPECT_EQ(view->getSystemWindow(), nullptr);

  void* face = nullptr;
  EXPECT_EQ(view->queryInterface(FUnknown::iid.data, &face), kResultOk);
  EXPECT_EQ(face, static_cast<IPlugView*>(view));
  EXPECT_EQ(view->queryInterface(IPlugFrame::iid.data, &face), kNoInterface);
  EXPECT_EQ(face, nullptr);
  EXPECT_EQ(view->release(), 1u);
  EXPECT_EQ(view->release(), 0u);
}

TEST(CPluginView, HoldsTheFrameUntilReplacedOrDestroyed)
{
  fakes::PlugFrame first, second;
  CPluginView* view = new CPluginView;
  EXPECT_EQ(view->setFrame(&first), kResultOk);
  EXPECT_EQ(first.refs, 2);
  EXPECT_EQ(view->setFrame(&first), kResultOk);
  EXPECT_EQ(first.refs, 2) << "the same frame again";
  EXPECT_EQ(view->setFrame(&second), kResultOk);
  EXPECT_EQ(first.refs, 1);
  EXPECT_EQ(second.refs, 2);
  EXPECT_EQ(view->setFrame(nullptr), kResultOk);
  EXPECT_EQ(second.refs, 1);
  view->setFrame(&second);
  view->release();
  EXPECT_EQ(second.refs, 1);
}
}
