#include "IMenu.h"

#include <cstring>
#include <new>

IMenuEntry* IMenu::AddItem(const char* text, int flags)
{
  IMenuEntry* entry = new (std::nothrow) IMenuEntry(text, flags);
  if (!entry)
    return nullptr;
  // A text that could not be copied reads as empty.
  const bool textKept = !text || !text[0] || entry->Text()[0];
  if (!textKept || !mEntries.Add(entry))
  {
    delete entry;
    return nullptr;
  }
  return entry;
}

void IMenu::EntryLabel(int index, StringBuffer* label) const
{
  const IMenuEntry* entry = GetItem(index);
  const char* text = entry ? entry->Text() : "";
  static const char* const kFormats[] = {"%1d: %s", "%02d: %s", "%03d: %s"};
  if (mNumbering >= kOneDigit && mNumbering <= kThreeDigits)
    label->Printf(static_cast<int>(std::strlen(text)) + 16, kFormats[mNumbering - 1], index + 1, text);
  else
    label->Set(text);
}

IMenu* IMenu::FindMenuForItem(int id, int* position, int* runningCount)
{
  const int first = *runningCount;
  *runningCount += NItems();
  if (id >= first && id < *runningCount)
  {
    *position = id - first;
    return this;
  }
  for (int i = 0; i < NItems(); ++i)
  {
    IMenu* submenu = GetItem(i)->Submenu();
    if (IMenu* found = submenu ? submenu->FindMenuForItem(id, position, runningCount) : nullptr)
      return found;
  }
  return nullptr;
}
