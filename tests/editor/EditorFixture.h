#pragma once

#include "EditorLayout.h"
#include "IGraphicsHeadless.h"
#include "StatePlug.h"

#include <gtest/gtest.h>

#include <algorithm>

// A test instance with the de-esser's parameters and a headless editor laid
// out like the de-esser's: backdrop, two knobs, eight band lights, eight
// band switches, attached.
class EditorFixture : public testing::Test
{
protected:
  void SetUp() override
  {
    EditorImages::Seed();
    graphics = new IGraphicsHeadless(&plug);
    layout.Build(graphics, &plug);
    knob = layout.knob;
    std::copy(layout.lights, layout.lights + 8, lights);
    std::copy(layout.switches, layout.switches + 8, switches);
    plug.AttachEditor(graphics);
    plug.events.clear();
  }

  IControl* Control(int index) { return graphics->GetControl(index); }

  bool Tick() { return DrawDirty(graphics); }

  StatePlug plug;
  EditorLayout layout;
  IGraphicsHeadless* graphics = nullptr;  // owned by the plug-in
  int knob = -1;
  int lights[8] = {};
  int switches[8] = {};
};
