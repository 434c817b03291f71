#include "IdentifyHost.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(IdentifyHost, FindsTheFirstFragmentOfTheTable)
{
  const struct
  {
    const char* name;
    int host;
  } cases[] = {
      {"Cubase 5", 3},          {"CUBASE", 3},          {"REAPER", 1},
      {"My Live Rig", 9},       {"Pro Tools", 0},       {"ProTools", 2},
      {"Nuendo Live", 4},       {"Digital Audio Desk", 23},
      {"VST3PluginTestHost", 27}, {"", 0},              {"Ardour 8", 28},
      {"Standalone", 24},       {"PreSonus Studio One", 26}, {"Cakewalk", 5},
      {"FRUITY loops", 7},      {"Samplitude", 8},      {"Melodyne", 12},
      {"vstmanlib", 13},        {"AULab", 14},          {"GarageBand", 22},
      {"Forte", 15},            {"Chainer", 16},        {"Audition", 17},
      {"Orion", 18},            {"SAWStudio", 20},      {"Logic", 21},
      {"AudioMulch", 25},       {"Unheard Of", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IdentifyHost(c.name), c.host) << c.name;
  EXPECT_EQ(IdentifyHost(nullptr), kHostUnknown);
}

TEST(IdentifyHost, NonAsciiBytesAndLongNames)
{
  // Bytes above 127 must not be lower-cased as negative characters.
  EXPECT_EQ(IdentifyHost("\xC3\x89tude REAPER"), kHostReaper);
  // Only the first 255 characters are searched.
  const std::string padding(252, 'x');
  EXPECT_EQ(IdentifyHost((padding + "live").c_str()), kHostUnknown);
  EXPECT_EQ(IdentifyHost((padding.substr(0, 251) + "live").c_str()), kHostAbletonLive);
}
}
