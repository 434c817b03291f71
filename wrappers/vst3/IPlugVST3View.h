#pragma once

#include "PluginView.h"

class IPlugVST3;

// The editor view a host asks the plug-in for: the plug's editor window
// inside the host's window, its size, and the editor's own resizes carried
// to the host's frame. Holds a reference to its plug for its whole life.
class IPlugVST3View : public Steinberg::CPluginView
{
public:
  explicit IPlugVST3View(IPlugVST3* plug);
  ~IPlugVST3View() override;

  Steinberg::tresult PLUGIN_API isPlatformTypeSupported(Steinberg::FIDString type) override;
  Steinberg::tresult PLUGIN_API attached(void* parent, Steinberg::FIDString type) override;
  Steinberg::tresult PLUGIN_API removed() override;
  Steinberg::tresult PLUGIN_API getSize(Steinberg::ViewRect* size) override;
  Steinberg::tresult PLUGIN_API onSize(Steinberg::ViewRect* newSize) override;

  // Asks the host's frame for the editor's new size; the host's onSize
  // then tells the plug that the editor was resized.
  void ResizeHostFrame(int width, int height);

private:
  IPlugVST3* mPlug;
  bool mExpectingResize = false;
};
