#include "CreatePlatformEditor.h"

#include "IGraphicsHeadless.h"

IGraphics* CreatePlatformEditor(IPlugBase* plug) { return new IGraphicsHeadless(plug); }
