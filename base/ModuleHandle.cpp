#include "ModuleHandle.h"

namespace
{
void* gModuleInstance = nullptr;
}

void SetModuleInstance(void* instance) { gModuleInstance = instance; }
void* GetModuleInstance() { return gModuleInstance; }
