#pragma once

class IGraphics;
class IPlugBase;

// The editor of this platform for a plug-in: the Win32 window on Windows
// (with the module's images as its resources), the headless editor
// elsewhere.
IGraphics* CreatePlatformEditor(IPlugBase* plug);
