#include "DeEsserEditor.h"

#include "CreatePlatformEditor.h"
#include "IGainReductionMeter.h"
#include "IGraphics.h"
#include "IPlugBase.h"
#include "LICE_IBitmap.h"

#include <memory>

namespace
{
constexpr const char* kBandLabels[kBands] = {"4K", "5K", "6K", "7K", "8K", "9K", "10K", "HF"};

IImageStrip LoadStrip(IGraphics* editor, int id, const char* name, int frames)
{
  IImageStrip strip;
  strip.bitmap = editor->LoadImage(id, name);
  strip.frames = frames;
  if (strip.bitmap)
  {
    strip.width = strip.bitmap->Width();
    strip.height = strip.bitmap->Height();
  }
  return strip;
}
}

void DeEsserEditor::Build(IPlugBase* plug)
{
  // Owned here until it is attached: loading an image can throw.
  std::unique_ptr<IGraphics> owned(CreatePlatformEditor(plug));
  IGraphics* editor = owned.get();
  editor->AttachBackdrop();
  const IImageStrip knob = LoadStrip(editor, 101, "resources/img/knob.png", 101);
  const IImageStrip light = LoadStrip(editor, 102, "resources/img/filter.png", 2);
  const IImageStrip toggle = LoadStrip(editor, 103, "resources/img/filter-onoff.png", 2);

  editor->AddControl(new IKnobMultiControl(plug, 24, 53, 0, knob, kVertical, 4.0));
  editor->AddControl(new IKnobMultiControl(plug, 379, 53, 1, knob, kVertical, 4.0));
  for (int band = 0; band < kBands; ++band)
    mLights[band] = editor->AddControl(new IBitmapControl(plug, 135 + 30 * band, 84, 2 + band, light));
  const ITextStyle label("Arial", 12, IArgb(255, 255, 255, 255), kAlignCenter);
  for (int band = 0; band < kBands; ++band)
    editor->AddControl(
        new ITextControl(plug, IBounds(135 + 30 * band, 88, 155 + 30 * band, 104), label, kBandLabels[band]));
  for (int band = 0; band < kBands; ++band)
    editor->AddControl(new ISwitchControl(plug, 135 + 30 * band, 112, 10 + band, toggle));
  mMeter = editor->AddControl(new IGainReductionMeter(plug));
  const ITextStyle version("Arial", 12, IArgb(255, 210, 210, 210), kAlignCenter);
  editor->AddControl(new ITextControl(plug, IBounds(260, 177, 280, 189), version, "v1.3.1"));
  plug->AttachEditor(owned.release());
}

// Frame by frame, every light is set to 0 and then to 1 when its band was
// hit, the meter takes the frame's gain and every control is marked dirty. A
// light therefore ends as its band in the last frame, and changed (and is
// drawn once more) when it was on before or was hit at all; the meter ends
// at the last gain, changed when any frame's gain differed from the one
// before it.
void DeEsserEditor::Feed(IGraphics* editor, const DeEsserReport& report) const
{
  for (int band = 0; band < kBands; ++band)
  {
    IControl* light = editor->GetControl(mLights[band]);
    if (!light)
      continue;
    const bool changed = light->Value() != 0.0 || (report.anyHits >> band & 1u);
    light->SetValue(report.lastHits >> band & 1u ? 1.0 : 0.0);
    if (changed)
      light->SetRedrawAgain();
  }
  if (IControl* meter = editor->GetControl(mMeter))
  {
    bool changed = report.gainChanged;
    if (meter->DefaultValue() < 0.0)
      meter->TakeValueFromPlug(report.firstGain);  // the first value: the default, no mark
    else
      changed = changed || report.firstGain != meter->Value();
    meter->SetValue(report.lastGain);
    if (changed)
      meter->SetRedrawAgain();
  }
  for (int i = 0; i < editor->NControls(); ++i)
    editor->GetControl(i)->MarkDirty(false);
}
