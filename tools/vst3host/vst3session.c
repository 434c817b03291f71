/* An instance with its editor open in a window of the host's own: what the
 * editor checks and the screenshot share. The host pumps no messages: the
 * editor draws on the timer ticks the host sends it itself, after each
 * block, so what it shows does not depend on timing. */

#include <windows.h>

#include <string.h>

#include "vst3host.h"

static const char kEditorClass[] = "IPlugWndClass";

int OpenEditorSession(EditorSession* s, PluginFactory3Object* factory, void* frame, double sampleRate)
{
  ProcessSetup setup;
  memset(s, 0, sizeof *s);
  s->component = CreateComponent(factory);
  if (!s->component)
    return 0;
  s->processor = (AudioProcessorObject*)Query(s->component, kIAudioProcessorIID);
  s->controller = (EditControllerObject*)Query(s->component, kIEditControllerIID);
  if (!s->processor || !s->controller || s->component->vtbl->initialize(s->component, &gHost) != kResultOk)
    return 0;
  setup.processMode = 0;
  setup.symbolicSampleSize = 0;
  setup.maxSamplesPerBlock = kEditorBlock;
  setup.sampleRate = sampleRate;
  if (s->processor->vtbl->setupProcessing(s->processor, &setup) != kResultOk ||
      s->component->vtbl->setActive(s->component, 1) != kResultOk)
    return 0;

  s->view = (PlugViewObject*)s->controller->vtbl->createView(s->controller, "editor");
  s->parent = CreateHostWindow("vst3host");
  if (!s->view || !s->parent)
    return 0;
  if (frame)
    s->view->vtbl->setFrame(s->view, frame);
  if (s->view->vtbl->attached(s->view, s->parent, "HWND") != kResultOk)
    return 0;
  s->editor = FindWindowExA((HWND)s->parent, NULL, kEditorClass, NULL);
  return s->editor != NULL;
}

void ProcessAndTick(EditorSession* s, float* left, float* right, int frames)
{
  static float outLeft[kEditorBlock], outRight[kEditorBlock];
  float* ins[2];
  float* outs[2];
  AudioBusBuffers input, output;
  ProcessData data;
  ins[0] = left;
  ins[1] = right;
  outs[0] = outLeft;
  outs[1] = outRight;
  memset(&input, 0, sizeof input);
  memset(&output, 0, sizeof output);
  memset(&data, 0, sizeof data);
  input.numChannels = output.numChannels = 2;
  input.channelBuffers = (void**)ins;
  output.channelBuffers = (void**)outs;
  data.numSamples = frames < kEditorBlock ? frames : kEditorBlock;
  data.numInputs = data.numOutputs = 1;
  data.inputs = &input;
  data.outputs = &output;
  s->processor->vtbl->process(s->processor, &data);
  if (s->editor)
    SendMessageA((HWND)s->editor, WM_TIMER, 2, 0);
}

void RemoveEditor(EditorSession* s)
{
  if (!s->editor)
    return;
  s->view->vtbl->removed(s->view);
  s->editor = NULL;
}

uint32_t CloseEditorSession(EditorSession* s)
{
  uint32_t last = 0;
  RemoveEditor(s);
  if (s->view)
    s->view->vtbl->release(s->view);
  if (s->parent)
    DestroyWindow((HWND)s->parent);
  if (s->component)
  {
    s->component->vtbl->setActive(s->component, 0);
    s->component->vtbl->terminate(s->component);
    Release(s->processor);
    Release(s->controller);
    last = s->component->vtbl->release(s->component);
  }
  memset(s, 0, sizeof *s);
  return last;
}
