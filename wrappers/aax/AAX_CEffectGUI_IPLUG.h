#pragma once

#include "AAX_CEffectGUI.h"

class IGraphics;

// The editor object of the AAX module: it shows the framework editor that
// the instance's effect built, in the host's view. The instance is the one
// whose effect-parameters interface the host object answered, and only when
// that is a live IPlugAAX of this module; with anything else there is no
// editor, and every operation does nothing. The framework editor belongs to
// the instance; this object opens and closes its window, and while the
// editor is open in one of its containers, that container's proxy is the
// editor's view container (through which the instance resizes the view).
// A host may make a second editor object of the instance before it deletes
// the first: the editor's one window moves to the container given last,
// and only the object whose container holds it closes it.
class AAX_CEffectGUI_IPLUG final : public AAX_CEffectGUI
{
public:
  AAX_CEffectGUI_IPLUG() = default;
  // Closes the editor if it is open in this object's container.
  ~AAX_CEffectGUI_IPLUG() override;

  int32_t ACF_CALL UninitializeGui() override;
  // The editor's height, then its width; nothing without an editor.
  int32_t ACF_CALL GetViewSize(AAX_Point* size) override;
  void CreateViewContents() override;
  // Opens the editor in the container's native window (moving it there from
  // any other); without an editor nothing happens. A container without a
  // window opens nothing, and closes the editor when the container it
  // replaces held it.
  void CreateViewContainer() override;
  // Closes the editor when the container that went held it.
  void DeleteViewContainer() override;

  IGraphics* Editor() const { return mEditor; }

protected:
  void ForgetViewContainer(AAX_IViewContainer* container) override;

private:
  IGraphics* mEditor = nullptr;
  // Whether the container this object gave up last held the editor's
  // window (the next DeleteViewContainer closes it then).
  bool mContainerGoneHeldTheWindow = false;
};

// The create callback of the editor object: a new one with no reference
// yet, or null.
IACFUnknown* AAX_CALLBACK_CALL CreateEffectGUIInstance();
