/* The editor object from create callback 1: initialised with a host object
 * that answers the instance's effect-parameters face, its size, the editor
 * window inside a window of the test's own given as a view container,
 * taken away and given again, a click that reaches the host as a request,
 * and an editor whose host object answers with something that is no
 * instance of the module. */

#include <string.h>

#include "aaxobjects.h"

/* Slots whose meaning lies with the host: argument lists and answers. */
static void CheckGuiSlots(EffectGui* gui)
{
  static const struct
  {
    int slot;
    int values;
    int32_t result;
  } slots[] = {{5, 3, kOk}, {8, 1, kOk}, {9, 0, kOk}, {11, 2, kRefused}, {12, 3, kOk}};
  const void* const* table = (const void* const*)gui->vtbl;
  size_t i;
  for (i = 0; i < sizeof slots / sizeof slots[0]; ++i)
  {
    uint32_t args[4] = {(uint32_t)(uintptr_t)gui, 3, 5, 7};
    int balanced = 0;
    CHECK(CallCounted(table[slots[i].slot], args, slots[i].values + 1, &balanced) == slots[i].result);
    CHECK(balanced);
  }
  CHECK(gui->vtbl->parameterUpdated(gui, "1") == kOk);
}

static int Child(HWND parent, HWND* child)
{
  RECT client;
  *child = GetWindow(parent, GW_CHILD);
  return *child && GetClientRect(*child, &client) && client.right == 500 && client.bottom == 230;
}

/* The click on the 4K switch: the host is asked, and decides. */
static void CheckClick(HWND editor, EffectParameters* face)
{
  static const char* const expected[] = {"automation.PostTouch(11)", "automation.PostTouch(11)",
                                         "automation.PostSetValueRequest(11,1)", "automation.PostReleaseTouch(11)",
                                         "automation.PostReleaseTouch(11)"};
  double value = -1.0;
  UpdateWindow(editor);
  ClearLog();
  SendMessageA(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(145, 122));
  SendMessageA(editor, WM_LBUTTONUP, 0, MAKELPARAM(145, 122));
  CHECK(LogIs("automation.", expected, 5));
  CHECK(face->vtbl->getParameterNormalized(face, "11", &value) == kOk && value == 0.0);
  CHECK(face->vtbl->updateParameterFromHost(face, "11", 1.0, 0) == kOk);
  CHECK(face->vtbl->getParameterNormalized(face, "11", &value) == kOk && value == 1.0);
}

static void CheckWithInstance(const Exports* exports, EffectGui* gui, Instance* instance, HWND parent)
{
  EffectParameters* face = instance->face;
  HostObject host, container, blind;
  AaxPoint size = {-1.0f, -1.0f};
  int32_t references = ReferencesOf(face);
  HWND child = NULL;
  int i;

  CHECK(gui->vtbl->getViewSize(gui, &size) == kOk && size.vert == -1.0f && size.horz == -1.0f);
  CHECK(gui->vtbl->initializeGui(gui, NULL) == kNoController);

  InitController(&host, "G", 44100.0f, 2);
  host.effectParameters = (UnknownObject*)face;
  CHECK(gui->vtbl->initializeGui(gui, &host.faces[0]) == kOk);
  CHECK(ReferencesOf(face) == references + 1);
  /* Again: what the first took is given back first. */
  CHECK(gui->vtbl->initializeGui(gui, &host.faces[0]) == kOk);
  CHECK(ReferencesOf(face) == references + 1);
  for (i = 0; i < host.faceCount; ++i)
    CHECK(host.faces[i].refs == (i == 2 ? 0 : 1)); /* no automation */
  CHECK(gui->vtbl->getViewSize(gui, &size) == kOk && size.vert == 230.0f && size.horz == 500.0f);

  /* The instance as the host last set it, so that the click asks for a
   * change. */
  face->vtbl->updateParameterFromHost(face, "11", 0.0, 0);
  InitContainer(&container, "container", parent);
  InitContainer(&blind, "blind", NULL);
  CHECK(gui->vtbl->setViewContainer(gui, &container.faces[0]) == kOk);
  CHECK(Child(parent, &child));
  CHECK(container.faces[0].refs == 1);
  if (child)
    CheckClick(child, face);
  CHECK(gui->vtbl->setViewContainer(gui, NULL) == kOk);
  CHECK(GetWindow(parent, GW_CHILD) == NULL);
  CHECK(container.faces[0].refs == 0);
  /* A container without a window opens nothing. */
  CHECK(gui->vtbl->setViewContainer(gui, &blind.faces[0]) == kOk);
  CHECK(GetWindow(parent, GW_CHILD) == NULL);
  CHECK(gui->vtbl->setViewContainer(gui, &container.faces[0]) == kOk);
  CHECK(Child(parent, &child));
  CHECK(blind.faces[0].refs == 0 && container.faces[0].refs == 1);

  /* Uninitialised while open: the editor closes, and everything is given
   * back. */
  CHECK(gui->vtbl->uninitializeGui(gui) == kOk);
  CHECK(GetWindow(parent, GW_CHILD) == NULL);
  CHECK(ReferencesOf(face) == references);
  CHECK(RetireObject(&host));
  CHECK(RetireObject(&container));
  CHECK(RetireObject(&blind));
  CHECK(exports->canUnloadNow(NULL) == 2);
}

/* ---- an effect-parameters face that is no instance of the module ----------------- */

static int32_t STDCALL NoCount(void* self, int32_t* count)
{
  (void)self, (void)count;
  return kNotSupported;
}

static int32_t STDCALL NoIdentifier(void* self, int32_t index, void* identifier)
{
  (void)self, (void)index, (void)identifier;
  return kNoParameter;
}

static const void* kStrangerVtbl[48];

static void CheckWithStranger(EffectGui* gui, HWND parent)
{
  HostObject stranger, host, container;
  AaxPoint size = {-1.0f, -1.0f};
  int i;
  for (i = 3; i < 48; ++i)
    kStrangerVtbl[i] = (const void*)LogUnexpected;
  kStrangerVtbl[0] = (const void*)FaceQuery;
  kStrangerVtbl[1] = (const void*)FaceAddRef;
  kStrangerVtbl[2] = (const void*)FaceRelease;
  kStrangerVtbl[6] = (const void*)NoCount;
  kStrangerVtbl[18] = (const void*)NoIdentifier;
  InitObject(&stranger);
  AddFace(&stranger, kStrangerVtbl, kEffectParametersIID, "stranger");
  InitController(&host, "X", 44100.0f, 2);
  host.effectParameters = (UnknownObject*)&stranger.faces[0];
  InitContainer(&container, "containerX", parent);

  CHECK(gui->vtbl->initializeGui(gui, &host.faces[0]) == kOk);
  CHECK(gui->vtbl->getViewSize(gui, &size) == kOk && size.vert == -1.0f);
  CHECK(gui->vtbl->setViewContainer(gui, &container.faces[0]) == kOk);
  CHECK(GetWindow(parent, GW_CHILD) == NULL);
  CHECK(gui->vtbl->uninitializeGui(gui) == kOk);
  CHECK(RetireObject(&stranger));
  CHECK(RetireObject(&host));
  CHECK(RetireObject(&container));
}

void CheckEditor(const Exports* exports, const Callbacks* callbacks, Instance* instance)
{
  HWND parent = CreateHostWindow("aaxhost");
  void* made;
  EffectGui* gui;
  void* refused = (void*)1;
  CHECK(parent != NULL);
  if (!parent || !callbacks->createGui)
    return;

  made = callbacks->createGui();
  CHECK(made != NULL);
  CHECK(exports->canUnloadNow(NULL) == 2);
  gui = made ? (EffectGui*)Query(made, kEffectGuiIID) : NULL;
  CHECK(gui == made);
  if (gui)
  {
    CHECK(gui->vtbl->queryInterface(gui, kEffectParametersIID, &refused) == kNoInterface && refused == NULL);
    CheckGuiSlots(gui);
    CheckWithInstance(exports, gui, instance, parent);
    CheckWithStranger(gui, parent);
    CHECK(gui->vtbl->release(gui) == 0);
  }
  CHECK(exports->canUnloadNow(NULL) == 1);
  DestroyWindow(parent);
}
