#pragma once

#include "PointerList.h"
#include "StringBuffer.h"

class IMenu;

// One entry of a popup menu: a text, or a separator, or a submenu (not
// owned).
class IMenuEntry
{
public:
  enum Flags
  {
    kGrayed = 1,
    kDisabled = 2,
    kChecked = 4,
    kSeparator = 8,
  };

  IMenuEntry(const char* text, int flags) : mText(text), mFlags(flags) {}

  const char* Text() const { return mText.Get() ? mText.Get() : ""; }
  int Flags() const { return mFlags; }
  IMenu* Submenu() const { return mSubmenu; }
  void SetSubmenu(IMenu* submenu) { mSubmenu = submenu; }

private:
  StringBuffer mText;
  IMenu* mSubmenu = nullptr;
  int mFlags;
};

// A popup menu the editor fills and the window shows; after it ran, the
// menu holding the chosen entry knows its position.
class IMenu
{
public:
  enum Numbering
  {
    kNoNumbers = 0,
    kOneDigit = 1,  // "%1d: %s"
    kTwoDigits = 2,
    kThreeDigits = 3,
  };

  explicit IMenu(int numbering = kNoNumbers) : mNumbering(numbering) {}
  ~IMenu() { mEntries.DeleteAll(); }
  IMenu(const IMenu&) = delete;
  IMenu& operator=(const IMenu&) = delete;

  // Null, adding nothing, when the entry cannot be made whole (its record,
  // its text or the room in the list) for want of memory.
  IMenuEntry* AddItem(const char* text, int flags = 0);
  int NItems() const { return mEntries.Count(); }
  IMenuEntry* GetItem(int index) const { return mEntries.Get(index); }
  int Numbering() const { return mNumbering; }
  int ChosenItemIndex() const { return mChosenItem; }
  void SetChosenItemIndex(int index) { mChosenItem = index; }

  // The text an entry shows: its own, or with numbering its 1-based
  // position in front ("04: text").
  void EntryLabel(int index, StringBuffer* label) const;

  // Item ids are counted depth first from the running count: a menu takes
  // one id per entry (separators and submenu entries included), then its
  // submenus continue the count in order. The menu that holds id, with the
  // entry's position in it; null when no menu does.
  IMenu* FindMenuForItem(int id, int* position, int* runningCount);

private:
  int mNumbering;
  int mChosenItem = -1;
  PointerList<IMenuEntry> mEntries;
};
