#include "FileFilter.h"
#include "IMenu.h"
#include "NestedMenu.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string LabelOf(const IMenu& menu, int index)
{
  StringBuffer label;
  menu.EntryLabel(index, &label);
  return label.Get() ? label.Get() : "";
}

TEST(IMenu, NumberingPrefixesTheOneBasedPosition)
{
  const struct
  {
    int numbering;
    const char* fourth;
  } cases[] = {{0, "d"}, {1, "4: d"}, {2, "04: d"}, {3, "004: d"}};
  for (const auto& c : cases)
  {
    IMenu menu(c.numbering);
    for (const char* text : {"a", "b", "c", "d"})
      menu.AddItem(text);
    EXPECT_EQ(LabelOf(menu, 3), c.fourth) << c.numbering;
  }
  IMenu wide(1);
  for (int i = 0; i < 12; ++i)
    wide.AddItem("x");
  EXPECT_EQ(LabelOf(wide, 11), "12: x") << "a width, not a limit";
}

TEST(IMenu, IdsCountAMenusOwnEntriesBeforeItsSubmenus)
{
  NestedMenu nested;
  const struct
  {
    int id;
    IMenu* holder;
    int position;
  } cases[] = {
      {0, &nested.menu, 0},    {1, &nested.menu, 1},    {2, &nested.submenu, 0},
      {3, &nested.submenu, 1}, {4, &nested.submenu, 2}, {5, nullptr, -1},
  };
  for (const auto& c : cases)
  {
    int position = -1, count = 0;
    EXPECT_EQ(nested.menu.FindMenuForItem(c.id, &position, &count), c.holder) << c.id;
    EXPECT_EQ(position, c.position) << c.id;
  }
}

TEST(IMenu, SearchSharesOneCountThroughItsRecursion)
{
  // Two submenus: the second one's ids follow all of the first's.
  IMenu menu, first, second, inner;
  first.AddItem("f1")->SetSubmenu(&inner);
  inner.AddItem("i1");
  inner.AddItem("i2");
  second.AddItem("s1");
  menu.AddItem("first")->SetSubmenu(&first);
  menu.AddItem("-", IMenuEntry::kSeparator);
  menu.AddItem("second")->SetSubmenu(&second);
  // menu 0..2, first 3, inner 4..5, second 6
  int position = -1, count = 0;
  EXPECT_EQ(menu.FindMenuForItem(6, &position, &count), &second);
  EXPECT_EQ(position, 0);
  count = 0;
  EXPECT_EQ(menu.FindMenuForItem(5, &position, &count), &inner);
  EXPECT_EQ(position, 1);
  IMenu empty;
  count = 0;
  EXPECT_EQ(empty.FindMenuForItem(0, &position, &count), nullptr);
}

TEST(IMenu, DestructorLeavesSubmenusAlone)
{
  IMenu* submenu = new IMenu;
  submenu->AddItem("kept");
  {
    IMenu menu;
    menu.AddItem("sub")->SetSubmenu(submenu);
  }
  EXPECT_STREQ(submenu->GetItem(0)->Text(), "kept");
  delete submenu;
}

TEST(FileFilter, ExtensionsBecomeOnePatternAndADefault)
{
  const struct
  {
    const char* extensions;
    const char* pattern;
    const char* defaultExtension;
  } cases[] = {
      {"txt fxp", "*.txt;*.fxp", "txt"},
      {"txt  fxp", "*.txt;*.;*.fxp", "txt"},
      {"wav", "*.wav", "wav"},
      {" wav", "*.;*.wav", ""},
      {"", "", ""},
      {nullptr, "", ""},
  };
  for (const auto& c : cases)
  {
    FileFilter filter;
    EXPECT_TRUE(BuildFileFilter(c.extensions, &filter)) << c.extensions;
    EXPECT_STREQ(filter.pattern, c.pattern) << c.extensions;
    EXPECT_STREQ(filter.defaultExtension, c.defaultExtension) << c.extensions;
  }
}

TEST(FileFilter, RefusesWhatDoesNotFitTheDialog)
{
  FileFilter filter;
  EXPECT_TRUE(BuildFileFilter("abcdefghijklmno", &filter)) << "15 characters";
  EXPECT_FALSE(BuildFileFilter("abcdefghijklmnop", &filter)) << "16 characters";
  EXPECT_STREQ(filter.pattern, "");
  EXPECT_STREQ(filter.defaultExtension, "");

  // 51 items of "*.abc" and 50 semicolons: 305 characters.
  std::string many;
  for (int i = 0; i < 51; ++i)
    many += i ? " abc" : "abc";
  EXPECT_FALSE(BuildFileFilter(many.c_str(), &filter));
  EXPECT_STREQ(filter.pattern, "");
  // 42 items make 42 * 5 + 41 = 251 characters; one more item of one
  // character makes 255, of two 256.
  std::string fits;
  for (int i = 0; i < 42; ++i)
    fits += i ? " abc" : "abc";
  EXPECT_TRUE(BuildFileFilter((fits + " a").c_str(), &filter));
  EXPECT_EQ(std::string(filter.pattern).size(), 255u);
  EXPECT_FALSE(BuildFileFilter((fits + " ab").c_str(), &filter));
}
}
