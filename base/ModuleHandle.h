#pragma once

// The module instance handle (an HINSTANCE on Windows), set by the module's
// entry point; editor images are loaded from its resources.
void SetModuleInstance(void* instance);
void* GetModuleInstance();
