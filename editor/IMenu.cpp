#include "IMenu.h"

IMenuEntry* IMenu::AddItem(const char* text, int flags)
{
  IMenuEntry* entry = new IMenuEntry(text, flags);
  if (!mEntries.Add(entry))
  {
    delete entry;
    return nullptr;
  }
  return entry;
}
