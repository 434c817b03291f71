#pragma once

#include "IGraphicsHeadless.h"
#include "IMenu.h"

#include <string>
#include <vector>

// A window stand-in that answers menus as the user would and records text
// entries.
class AskingGraphics : public IGraphicsHeadless
{
public:
  using IGraphicsHeadless::IGraphicsHeadless;
  IMenu* RunPopupMenu(IMenu* menu, IBounds*) override
  {
    for (int i = 0; i < menu->NItems(); ++i)
      shown.push_back(std::string(menu->GetItem(i)->Text()) +
                      (menu->GetItem(i)->Flags() & IMenuEntry::kChecked ? "*" : ""));
    menu->SetChosenItemIndex(choose);
    return choose >= 0 ? menu : nullptr;
  }
  void OpenTextEntry(IControl*, ITextStyle*, IBounds*, const char* text, IPlugParameter*) override
  {
    entry = text;
  }
  std::vector<std::string> shown;
  int choose = -1;
  std::string entry;
};
