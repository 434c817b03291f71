#include "AaxFakes.h"
#include "HostTrace.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// Installs host services for one test.
struct Started
{
  explicit Started(AAX_IHostServices* services) { SetHostServices(services); }
  ~Started() { SetHostServices(nullptr); }
};

TEST(HostTrace, NothingBeforeStartUp)
{
  ASSERT_EQ(GetHostServices(), nullptr);
  EXPECT_EQ(HostTrace(0x08000000, "%s", "lost"), 0);
}

TEST(HostTrace, FormatsIntoTheHostsTrace)
{
  RecordingHostServices services;
  services.traceResult = 5;
  Started started(&services);
  EXPECT_EQ(HostTrace(0x08000000, "%s %d", "bands", 8), 5);
  ASSERT_EQ(services.texts.size(), 1u);
  EXPECT_EQ(services.texts[0], "bands 8");
  EXPECT_EQ(services.priorities[0], 0x08000000u);
}

TEST(HostTrace, LongTextIsCut)
{
  RecordingHostServices services;
  Started started(&services);
  const std::string longText(700, 'z');
  HostTrace(1, "<%s>", longText.c_str());
  ASSERT_EQ(services.texts.size(), 1u);
  EXPECT_EQ(services.texts[0], "<" + longText.substr(0, 510));
}
}
