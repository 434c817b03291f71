/* The editor view through the binary interface: views made on request, the
 * editor's window in a window of the host's own, input sent to that window
 * reaching the host as edits and context menus, and what the editor draws
 * after audio has gone through. */

#include <windows.h>

#include <stdarg.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include "vst3host.h"

/* ---- host objects that log their calls ----------------------------------- */

static char gLog[1024];

static void Log(const char* format, ...)
{
  size_t used = strlen(gLog);
  va_list args;
  va_start(args, format);
  vsnprintf(gLog + used, sizeof gLog - used, format, args);
  va_end(args);
}

/* Whether the calls since the last look were these; then forgets them. */
static int LogIs(const char* expected)
{
  int same = strcmp(gLog, expected) == 0;
  if (!same)
    printf("calls: \"%s\", expected \"%s\"\n", gLog, expected);
  gLog[0] = 0;
  return same;
}

/* An object with one or two interface faces (each a vtable pointer in it),
 * one query and one reference count for all of them. It lives as long as
 * the host; the count shows whether the module gave back what it took. */
typedef struct
{
  const void* faces[2];
  const char* iids[2];
  LONG refs;
} CountedObject;

#define OBJECT_OF_FACE(self, face) ((CountedObject*)((const void**)(self) - (face)))

static int32_t AnswerFaces(CountedObject* object, const char* iid, void** obj)
{
  int i;
  for (i = 0; i < 2 && object->faces[i]; ++i)
    if ((i == 0 && memcmp(iid, kFUnknownIID, 16) == 0) || memcmp(iid, object->iids[i], 16) == 0)
    {
      *obj = &object->faces[i];
      InterlockedIncrement(&object->refs);
      return kResultOk;
    }
  *obj = NULL;
  return kNoInterface;
}

static int32_t STDCALL QueryFace0(void* self, const char* iid, void** obj)
{
  return AnswerFaces(OBJECT_OF_FACE(self, 0), iid, obj);
}
static int32_t STDCALL QueryFace1(void* self, const char* iid, void** obj)
{
  return AnswerFaces(OBJECT_OF_FACE(self, 1), iid, obj);
}
static uint32_t STDCALL AddRefFace0(void* self)
{
  return (uint32_t)InterlockedIncrement(&OBJECT_OF_FACE(self, 0)->refs);
}
static uint32_t STDCALL AddRefFace1(void* self)
{
  return (uint32_t)InterlockedIncrement(&OBJECT_OF_FACE(self, 1)->refs);
}
static uint32_t STDCALL ReleaseFace0(void* self)
{
  return (uint32_t)InterlockedDecrement(&OBJECT_OF_FACE(self, 0)->refs);
}
static uint32_t STDCALL ReleaseFace1(void* self)
{
  return (uint32_t)InterlockedDecrement(&OBJECT_OF_FACE(self, 1)->refs);
}

/* The frame around the view. */
static int32_t STDCALL FrameResizeView(void* self, void* view, ViewRect* size)
{
  (void)self;
  (void)view;
  Log("resizeView %d %d %d %d\n", (int)size->left, (int)size->top, (int)size->right, (int)size->bottom);
  return kResultOk;
}
static const PlugFrameVtbl kFrameVtbl = {QueryFace0, AddRefFace0, ReleaseFace0, FrameResizeView};
static CountedObject gFrame = {{&kFrameVtbl, NULL}, {kIPlugFrameIID, NULL}, 1};

/* The host's parameter menu. */
static int32_t STDCALL MenuItemCount(void* self)
{
  (void)self;
  return 0;
}
static int32_t STDCALL MenuGetItem(void* self, int32_t index, void* item, void** target)
{
  (void)self; (void)index; (void)item; (void)target;
  return kResultFalse;
}
static int32_t STDCALL MenuChangeItem(void* self, const void* item, void* target)
{
  (void)self; (void)item; (void)target;
  return kResultFalse;
}
static int32_t STDCALL MenuPopup(void* self, int32_t x, int32_t y)
{
  (void)self;
  Log("popup %d %d\n", (int)x, (int)y);
  return kResultOk;
}
static const ContextMenuVtbl kMenuVtbl = {QueryFace0, AddRefFace0,    ReleaseFace0,   MenuItemCount,
                                          MenuGetItem, MenuChangeItem, MenuChangeItem, MenuPopup};
static CountedObject gMenu = {{&kMenuVtbl, NULL}, {kIContextMenuIID, NULL}, 1};

/* The component handler, with context menus (IComponentHandler3). */
static void* gFirstView;

static int32_t STDCALL HandlerBeginEdit(void* self, uint32_t id)
{
  (void)self;
  Log("beginEdit %u\n", (unsigned)id);
  return kResultOk;
}
static int32_t STDCALL HandlerPerformEdit(void* self, uint32_t id, double value)
{
  (void)self;
  Log("performEdit %u %g\n", (unsigned)id, value);
  return kResultOk;
}
static int32_t STDCALL HandlerEndEdit(void* self, uint32_t id)
{
  (void)self;
  Log("endEdit %u\n", (unsigned)id);
  return kResultOk;
}
static int32_t STDCALL HandlerRestart(void* self, int32_t flags)
{
  (void)self;
  Log("restartComponent %d\n", (int)flags);
  return kResultOk;
}
static void* STDCALL HandlerCreateContextMenu(void* self, void* view, const uint32_t* id)
{
  (void)self;
  Log("createContextMenu %s %u\n", view == gFirstView ? "first-view" : "other-view", id ? (unsigned)*id : 0xFFFFFFFFu);
  AddRefFace0(&gMenu.faces[0]);
  return &gMenu.faces[0];
}
static const ComponentHandlerVtbl kHandlerVtbl = {QueryFace0,       AddRefFace0,        ReleaseFace0,
                                                  HandlerBeginEdit, HandlerPerformEdit, HandlerEndEdit,
                                                  HandlerRestart};
static const ComponentHandler3Vtbl kHandler3Vtbl = {QueryFace1, AddRefFace1, ReleaseFace1, HandlerCreateContextMenu};
static CountedObject gHandler = {{&kHandlerVtbl, &kHandler3Vtbl}, {kIComponentHandlerIID, kIComponentHandler3IID}, 1};

/* ---- checks ---------------------------------------------------------------- */

static void CheckViewCalls(EditControllerObject* controller, PlugViewObject* view)
{
  static const char* const refusedNames[] = {"Editor", "edit", "editor ", ""};
  ViewRect size = {1, 1, 1, 1};
  size_t i;
  CHECK(controller->vtbl->createView(controller, NULL) == NULL);
  for (i = 0; i < sizeof refusedNames / sizeof refusedNames[0]; ++i)
    CHECK(controller->vtbl->createView(controller, refusedNames[i]) == NULL);

  CHECK(view->vtbl->isPlatformTypeSupported(view, "HWND") == kResultOk);
  CHECK(view->vtbl->isPlatformTypeSupported(view, "X11EmbedWindowID") == kResultFalse);
  CHECK(view->vtbl->isPlatformTypeSupported(view, NULL) == kResultFalse);
  CHECK(view->vtbl->getSize(view, &size) == kResultOk);
  CHECK(size.left == 0 && size.top == 0 && size.right == 500 && size.bottom == 230);
  CHECK(view->vtbl->getSize(view, NULL) == kResultFalse);
  CHECK(view->vtbl->attached(view, NULL, NULL) == kResultFalse);
  CHECK(view->vtbl->onSize(view, NULL) == kResultOk);
  CHECK(view->vtbl->onSize(view, &size) == kResultOk);
  CHECK(view->vtbl->onWheel(view, 1.0f) == kResultFalse);
  CHECK(view->vtbl->onKeyDown(view, 'a', 0, 0) == kResultFalse);
  CHECK(view->vtbl->onKeyUp(view, 'a', 0, 0) == kResultFalse);
  CHECK(view->vtbl->onFocus(view, 1) == kResultFalse);
  CHECK(view->vtbl->canResize(view) == kResultFalse);
  CHECK(view->vtbl->checkSizeConstraint(view, &size) == kResultFalse);
  CHECK(LogIs("")); /* a host's own onSize asks the frame for nothing */
}

static void CheckWindow(HWND parent, HWND editor)
{
  RECT rect;
  POINT corner;
  char className[64];
  CHECK(editor != NULL);
  if (!editor)
    return;
  CHECK(GetClassNameA(editor, className, sizeof className) && strcmp(className, "IPlugWndClass") == 0);
  CHECK((GetWindowLongA(editor, GWL_STYLE) & (WS_CHILD | WS_VISIBLE)) == (WS_CHILD | WS_VISIBLE));
  GetWindowRect(editor, &rect);
  corner.x = rect.left;
  corner.y = rect.top;
  ScreenToClient(parent, &corner);
  CHECK(corner.x == 0 && corner.y == 0);
  CHECK(GetClientRect(editor, &rect) && rect.right == 500 && rect.bottom == 230);
}

static void Press(HWND editor, UINT message, WPARAM keys, int x, int y)
{
  SendMessageA(editor, message, keys, MAKELPARAM(x, y));
}

static void CheckInput(HWND editor)
{
  /* The 5K band switch, on by default. */
  Press(editor, WM_LBUTTONDOWN, MK_LBUTTON, 175, 122);
  Press(editor, WM_LBUTTONUP, 0, 175, 122);
  CHECK(LogIs("beginEdit 11\nperformEdit 11 0\nendEdit 11\n"));
  /* A right press on the "Effect Amount" knob asks for the host's menu;
   * the release ends an edit that never began (hosts ignore that). */
  Press(editor, WM_RBUTTONDOWN, MK_RBUTTON, 72, 101);
  CHECK(LogIs("createContextMenu first-view 0\npopup 72 101\n"));
  CHECK(gMenu.refs == 1); /* the module let the menu go */
  Press(editor, WM_RBUTTONUP, 0, 72, 101);
  CHECK(LogIs("endEdit 0\n"));
}

/* The meter's box k (of 13, the rightmost lights first) is all one colour. */
static int BoxIs(HDC dc, int k, COLORREF colour)
{
  int x, y;
  for (y = 26; y <= 37; ++y)
    for (x = 245 + 9 * k; x < 252 + 9 * k; ++x)
      if (GetPixel(dc, x, y) != colour)
      {
        printf("meter box %d: pixel (%d, %d) is %06lx\n", k, x, y, (unsigned long)GetPixel(dc, x, y));
        return 0;
      }
  return 1;
}

/* Silence lowers nothing: once the meter's smoothing has come up from its
 * start at no gain, only the rightmost box (the one for any gain below
 * unity) stays lit. */
static void CheckMeterAfterSilence(EditorSession* session)
{
  static float silence[kEditorBlock];
  HDC dc;
  int block, k;
  for (block = 0; block < 12; ++block)
    ProcessAndTick(session, silence, silence, kEditorBlock);
  dc = GetDC((HWND)session->editor);
  for (k = 0; k < 13; ++k)
    CHECK(BoxIs(dc, k, k == 12 ? RGB(100, 100, 255) : RGB(198, 198, 198)));
  ReleaseDC((HWND)session->editor, dc);
}

void CheckEditor(PluginFactory3Object* factory)
{
  EditorSession session;
  PlugViewObject* second;
  HINSTANCE classModule;
  WNDCLASSA windowClass;
  const int opened = OpenEditorSession(&session, factory, &gFrame.faces[0], 48000.0);
  CHECK(opened);
  if (!opened)
  {
    CloseEditorSession(&session);
    return;
  }
  gFirstView = session.view;
  second = (PlugViewObject*)session.controller->vtbl->createView(session.controller, "editor");
  CHECK(second != NULL && second != session.view);
  CHECK(session.controller->vtbl->setComponentHandler(session.controller, &gHandler.faces[0]) == kResultOk);
  CHECK(gFrame.refs == 2); /* the view holds the frame */

  CheckViewCalls(session.controller, session.view);
  CheckWindow((HWND)session.parent, (HWND)session.editor);
  classModule = (HINSTANCE)GetClassLongPtrA((HWND)session.editor, GCLP_HMODULE);
  CHECK(GetClassInfoA(classModule, "IPlugWndClass", &windowClass));
  CheckInput((HWND)session.editor);
  CheckMeterAfterSilence(&session);

  RemoveEditor(&session);
  CHECK(FindWindowExA((HWND)session.parent, NULL, "IPlugWndClass", NULL) == NULL);
  CHECK(!GetClassInfoA(classModule, "IPlugWndClass", &windowClass)); /* the last editor closed */
  CHECK(second->vtbl->release(second) == 0);
  CHECK(session.view->vtbl->release(session.view) == 0);
  session.view = NULL;
  CHECK(gFrame.refs == 1);
  CHECK(CloseEditorSession(&session) == 0); /* the views gave their references back */
  CHECK(gHandler.refs == 1);
  CHECK(LogIs(""));
}
