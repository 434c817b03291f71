#pragma once

#include "IMenu.h"

#include <initializer_list>

// A menu whose first entry holds a submenu of three entries and whose
// second is a plain item: ids 0 and 1 are the menu's own, 2 to 4 the
// submenu's.
struct NestedMenu
{
  NestedMenu()
  {
    for (const char* text : {"s1", "s2", "s3"})
      submenu.AddItem(text);
    menu.AddItem("sub")->SetSubmenu(&submenu);
    menu.AddItem("plain");
  }
  IMenu menu, submenu;
};
