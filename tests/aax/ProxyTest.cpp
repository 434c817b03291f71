// The host-interface proxies: every operation reaches its host slot with its
// arguments and result unchanged, or answers its absent result; each proxy
// releases what it holds, the second interface before the first.

#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VHostServices.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"
#include "AaxHostFakes.h"
#include "VtableSlot.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{
using hostfakes::Host;

struct Forwarding
{
  std::function<int32_t()> call;
  const char* expected;  // the host's log line
};

// The slots of the host's tables as declared: the place every proxy
// operation lands.
TEST(AaxHostInterfaces, SlotsOfTheHostTables)
{
  const std::pair<int, int> slots[] = {
    {VtableSlot(&AAX_IACFController::ControllerCall1), 3},
    {VtableSlot(&AAX_IACFController::GetSampleRateFromHost), 4},
    {VtableSlot(&AAX_IACFController::GetInputChannelLayout), 5},
    {VtableSlot(&AAX_IACFController::GetOutputChannelLayout), 6},
    {VtableSlot(&AAX_IACFController::ControllerCall5), 7},
    {VtableSlot(&AAX_IACFController::ControllerCall6), 8},
    {VtableSlot(&AAX_IACFController::ControllerCall7), 9},
    {VtableSlot(&AAX_IACFController::ReportLatency), 10},
    {VtableSlot(&AAX_IACFController::ControllerCall9), 11},
    {VtableSlot(&AAX_IACFController::PostPacket), 12},
    {VtableSlot(&AAX_IACFController::ControllerCall12), 13},
    {VtableSlot(&AAX_IACFController::ControllerCall13), 14},
    {VtableSlot(&AAX_IACFController::ControllerCall14), 15},
    {VtableSlot(&AAX_IACFController::ControllerCall16), 16},
    {VtableSlot(&AAX_IACFController::ControllerCall17), 17},
    {VtableSlot(&AAX_IACFController::ControllerCall15), 18},
    {VtableSlot(&AAX_IACFController::ControllerCall18), 19},
    {VtableSlot(&AAX_IACFController_V2::ControllerCall11), 20},
    {VtableSlot(&AAX_IACFController_V2::ControllerCall19), 21},
    {VtableSlot(&AAX_IACFController_V2::ControllerCall20), 22},
    {VtableSlot(&AAX_IACFController_V2::ControllerCall21), 23},
    {VtableSlot(&AAX_IACFAutomationDelegate::RegisterParameter), 3},
    {VtableSlot(&AAX_IACFAutomationDelegate::UnregisterParameter), 4},
    {VtableSlot(&AAX_IACFAutomationDelegate::PostSetValueRequest), 5},
    {VtableSlot(&AAX_IACFAutomationDelegate::PostCurrentValue), 6},
    {VtableSlot(&AAX_IACFAutomationDelegate::PostTouch), 7},
    {VtableSlot(&AAX_IACFAutomationDelegate::PostReleaseTouch), 8},
    {VtableSlot(&AAX_IACFAutomationDelegate::AutomationCall7), 9},
    {VtableSlot(&AAX_IACFTransport::Tempo), 3},
    {VtableSlot(&AAX_IACFTransport::TimeSignature), 4},
    {VtableSlot(&AAX_IACFTransport::IsPlaying), 5},
    {VtableSlot(&AAX_IACFTransport::TickPosition), 6},
    {VtableSlot(&AAX_IACFTransport::LoopPosition), 7},
    {VtableSlot(&AAX_IACFTransport::SamplePosition), 8},
    {VtableSlot(&AAX_IACFTransport::TransportCall7), 9},
    {VtableSlot(&AAX_IACFTransport::TransportCall8), 10},
    {VtableSlot(&AAX_IACFTransport::TransportCall9), 11},
    {VtableSlot(&AAX_IACFTransport::TransportCall10), 12},
    {VtableSlot(&AAX_IACFTransport_V2::TransportCall11), 13},
    {VtableSlot(&AAX_IACFTransport_V2::TransportCall12), 14},
    {VtableSlot(&AAX_IACFTransport_V2::TransportCall13), 15},
    {VtableSlot(&AAX_IACFTransport_V2::TransportCall14), 16},
    {VtableSlot(&AAX_IACFViewContainer::ViewContainerCall1), 3},
    {VtableSlot(&AAX_IACFViewContainer::NativeView), 4},
    {VtableSlot(&AAX_IACFViewContainer::ViewContainerCall3), 5},
    {VtableSlot(&AAX_IACFViewContainer::SetViewSize), 6},
    {VtableSlot(&AAX_IACFViewContainer::ViewContainerCall5), 7},
    {VtableSlot(&AAX_IACFViewContainer::ViewContainerCall6), 8},
    {VtableSlot(&AAX_IACFViewContainer::ViewContainerCall7), 9},
    {VtableSlot(&AAX_IACFHostServices::HostServicesCall1), 3},
    {VtableSlot(&AAX_IACFHostServices::Trace), 4},
    {VtableSlot(&IACFHostObjectFactory::CreateHostObject), 3},
    // The block's transport has AAX_ITransport's own table, not the host
    // interface's.
    {VtableSlot(&AAX_ITransport::Tempo), 1},
    {VtableSlot(&AAX_ITransport::TimeSignature), 2},
    {VtableSlot(&AAX_ITransport::IsPlaying), 3},
    {VtableSlot(&AAX_ITransport::TickPosition), 4},
    {VtableSlot(&AAX_ITransport::LoopPosition), 5},
    {VtableSlot(&AAX_ITransport::SamplePosition), 6},
    {VtableSlot(&AAX_ITransport::TransportCall14), 14},
    {VtableSlot(&AAX_IMidiNode::GetNodeBuffer), 1},
    {VtableSlot(&AAX_ITransportNode::GetTransport), 3},
  };
  for (size_t i = 0; i < std::size(slots); ++i)
    EXPECT_EQ(slots[i].first, slots[i].second) << "row " << i;
}

void ExpectForwarding(const std::vector<Forwarding>& table, Host& host, int32_t firstResult, int32_t secondResult)
{
  for (const Forwarding& row : table)
  {
    host.log.calls.clear();
    const int32_t result = row.call();
    ASSERT_EQ(host.log.calls.size(), 1u) << row.expected;
    EXPECT_EQ(host.log.calls[0], row.expected);
    const std::string name = host.log.calls[0].substr(0, host.log.calls[0].find('.'));
    const bool second = name.back() == '2';
    EXPECT_EQ(result, second ? secondResult : firstResult) << row.expected;
  }
}

TEST(AaxProxies, ControllerForwardsToBothHostInterfaces)
{
  Host host;
  host.controller.result = 3;
  host.controller2.result = 4;
  auto controller = std::make_unique<AAX_VController>(&host);
  AAX_VController& c = *controller;
  float rate = 0;
  uint32_t layout = 0;
  uint64_t value = 0;
  ExpectForwarding(
    {
      {[&] { return c.ControllerCall1(1); }, "controller.ControllerCall1(1)"},
      {[&] { return c.GetSampleRateFromHost(&rate); }, "controller.GetSampleRateFromHost()"},
      {[&] { return c.GetInputChannelLayout(&layout); }, "controller.GetInputChannelLayout()"},
      {[&] { return c.GetOutputChannelLayout(&layout); }, "controller.GetOutputChannelLayout()"},
      {[&] { return c.ControllerCall5(5); }, "controller.ControllerCall5(5)"},
      {[&] { return c.ControllerCall6(6, -6); }, "controller.ControllerCall6(6,-6)"},
      {[&] { return c.ControllerCall7(7); }, "controller.ControllerCall7(7)"},
      {[&] { return c.ReportLatency(64); }, "controller.ReportLatency(64)"},
      {[&] { return c.ControllerCall9(9, 90, 900); }, "controller.ControllerCall9(9,90,900)"},
      {[&] { return c.PostPacket(4, &rate, 4); }, "controller.PostPacket(4,4)"},
      {[&] { return c.ControllerCall11(11, 110, 1100); }, "controller2.ControllerCall11(11,110,1100)"},
      {[&] { return c.ControllerCall12(12, 120); }, "controller.ControllerCall12(12,120)"},
      {[&] { return c.ControllerCall13(13, 130); }, "controller.ControllerCall13(13,130)"},
      {[&] { return c.ControllerCall14(14); }, "controller.ControllerCall14(14)"},
      {[&] { return c.ControllerCall15(15); }, "controller.ControllerCall15(15)"},
      {[&] { return c.ControllerCall16(16, 160); }, "controller.ControllerCall16(16,160)"},
      {[&] { return c.ControllerCall17(17); }, "controller.ControllerCall17(17)"},
      {[&] { return c.ControllerCall18(18, 180); }, "controller.ControllerCall18(18,180)"},
      {[&] { return c.ControllerCall19(19); }, "controller2.ControllerCall19(19)"},
      {[&] { return c.ControllerCall20(&value); }, "controller2.ControllerCall20()"},
      {[&] { return c.ControllerCall21(21); }, "controller2.ControllerCall21(21)"},
    },
    host, 3, 4);
  EXPECT_EQ(rate, 44100.0f);
  EXPECT_EQ(layout, 0x00010002u);
  EXPECT_EQ(value, 0x123456789ull);

  host.log.calls.clear();
  controller.reset();
  EXPECT_EQ(host.log.calls, (std::vector<std::string>{"controller2.Release", "controller.Release"}));
  EXPECT_TRUE(host.log.Balanced());
}

TEST(AaxProxies, ControllerWithoutItsSecondInterface)
{
  Host host;
  host.Withdraw(IID_AAX_IACFController_V2);
  AAX_VController controller(&host);
  uint64_t value = 99;
  EXPECT_EQ(controller.ControllerCall11(1, 2, 3), kAAXNotSupported);
  EXPECT_EQ(controller.ControllerCall19(1), kAAXNotSupported);
  EXPECT_EQ(controller.ControllerCall20(&value), kAAXNotSupported);
  EXPECT_EQ(value, 0u);
  EXPECT_EQ(controller.ControllerCall20(nullptr), kAAXNotSupported);
  EXPECT_EQ(controller.ControllerCall21(1), kAAXNotSupported);
  EXPECT_TRUE(host.log.CallsOf("controller2").empty());
  EXPECT_EQ(controller.ReportLatency(10), 0);
  EXPECT_EQ(host.log.calls.back(), "controller.ReportLatency(10)");
}

TEST(AaxProxies, AutomationForwards)
{
  Host host;
  host.automation.result = -7;
  auto automation = std::make_unique<AAX_VAutomationDelegate>(&host);
  AAX_VAutomationDelegate& a = *automation;
  ExpectForwarding(
    {
      {[&] { return a.RegisterParameter("1"); }, "automation.RegisterParameter(1)"},
      {[&] { return a.UnregisterParameter("2"); }, "automation.UnregisterParameter(2)"},
      {[&] { return a.PostSetValueRequest("3", 0.25); }, "automation.PostSetValueRequest(3,0.25)"},
      {[&] { return a.PostCurrentValue("4", 0.5); }, "automation.PostCurrentValue(4,0.5)"},
      {[&] { return a.PostTouch("5"); }, "automation.PostTouch(5)"},
      {[&] { return a.PostReleaseTouch("6"); }, "automation.PostReleaseTouch(6)"},
      {[&] { return a.AutomationCall7(7, 70); }, "automation.AutomationCall7(7,70)"},
    },
    host, -7, -7);
  automation.reset();
  EXPECT_TRUE(host.log.Balanced());
}

TEST(AaxProxies, TransportForwardsToBothHostInterfaces)
{
  Host host;
  host.transport.result = 5;
  host.transport2.result = 6;
  auto transport = std::make_unique<AAX_VTransport>(&host);
  const AAX_VTransport& t = *transport;
  double tempo = 0;
  int32_t numerator = 0, denominator = 0;
  bool playing = false, looping = false;
  int64_t ticks = 0, start = 0, end = 0, samples = 0;
  ExpectForwarding(
    {
      {[&] { return t.Tempo(&tempo); }, "transport.Tempo()"},
      {[&] { return t.TimeSignature(&numerator, &denominator); }, "transport.TimeSignature()"},
      {[&] { return t.IsPlaying(&playing); }, "transport.IsPlaying()"},
      {[&] { return t.TickPosition(&ticks); }, "transport.TickPosition()"},
      {[&] { return t.LoopPosition(&looping, &start, &end); }, "transport.LoopPosition()"},
      {[&] { return t.SamplePosition(&samples); }, "transport.SamplePosition()"},
      {[&] { return t.TransportCall7(7, 70, 700); }, "transport.TransportCall7(7,70,700)"},
      {[&] { return t.TransportCall8(1, 2, 3, 4, 5); }, "transport.TransportCall8(1,2,3,4,5)"},
      {[&] { return t.TransportCall9(9); }, "transport.TransportCall9(9)"},
      {[&] { return t.TransportCall10(10); }, "transport.TransportCall10(10)"},
      {[&] { return t.TransportCall11(11); }, "transport2.TransportCall11(11)"},
      {[&] { return t.TransportCall12(12, 120); }, "transport2.TransportCall12(12,120)"},
      {[&] { return t.TransportCall13(13, 130); }, "transport2.TransportCall13(13,130)"},
      {[&] { return t.TransportCall14(14); }, "transport2.TransportCall14(14)"},
    },
    host, 5, 6);
  EXPECT_EQ(tempo, 120.0);
  EXPECT_EQ(numerator, 7);
  EXPECT_EQ(denominator, 8);
  EXPECT_EQ(end, 3840000);

  host.log.calls.clear();
  transport->Destroy(kDeleteFreesMemory);
  transport.release();
  EXPECT_EQ(host.log.calls, (std::vector<std::string>{"transport2.Release", "transport.Release"}));
  EXPECT_TRUE(host.log.Balanced());
}

TEST(AaxProxies, ViewContainerForwardsAndReleases)
{
  Host host;
  host.view.result = 8;
  auto view = std::make_unique<AAX_VViewContainer>(&host);
  AAX_VViewContainer& v = *view;
  AAX_Point size = {230.0f, 500.0f};
  ExpectForwarding(
    {
      {[&] { return v.ViewContainerCall1(); }, "view.ViewContainerCall1()"},
      {[&] { return v.ViewContainerCall3(3); }, "view.ViewContainerCall3(3)"},
      {[&] { return v.SetViewSize(&size); }, "view.SetViewSize(230,500)"},
      {[&] { return v.ViewContainerCall5(5, 50); }, "view.ViewContainerCall5(5,50)"},
      {[&] { return v.ViewContainerCall6(6, 60); }, "view.ViewContainerCall6(6,60)"},
      {[&] { return v.ViewContainerCall7(7, 70); }, "view.ViewContainerCall7(7,70)"},
    },
    host, 8, 8);
  EXPECT_EQ(view->NativeView(), host.view.window);
  view.reset();
  EXPECT_TRUE(host.log.Balanced());
}

TEST(AaxProxies, HostServicesComeFromTheFactory)
{
  Host host;
  host.services.result = 2;
  auto services = std::make_unique<AAX_VHostServices>(&host);
  // The factory is let go once it has made the services.
  EXPECT_EQ(host.log.references["factory"], 0);
  EXPECT_EQ(host.log.references["services"], 1);
  EXPECT_EQ(services->Trace(4, "hello"), 2);
  EXPECT_EQ(services->HostServicesCall1(1, 2, 3), 2);
  EXPECT_EQ(host.log.calls, (std::vector<std::string>{"factory.CreateHostObject(null)", "factory.Release",
                                                      "services.Trace(4,hello)", "services.HostServicesCall1(1,2,3)"}));
  services.reset();
  EXPECT_TRUE(host.log.Balanced());

  host.Withdraw(IID_IACFHostObjectFactory);
  AAX_VHostServices without(&host);
  EXPECT_EQ(without.Trace(4, "lost"), kAAXRefused);
}

// Without host interfaces every operation answers its absent result and
// writes nothing.
TEST(AaxProxies, AbsentResults)
{
  AAX_VController controller(nullptr);
  float rate = -1;
  EXPECT_EQ(controller.GetSampleRateFromHost(&rate), kAAXRefused);
  EXPECT_EQ(rate, -1);
  EXPECT_EQ(controller.PostPacket(1, nullptr, 0), kAAXRefused);
  EXPECT_EQ(controller.ControllerCall15(1), kAAXRefused);
  EXPECT_EQ(controller.ControllerCall11(1, 2, 3), kAAXNotSupported);

  AAX_VAutomationDelegate automation(nullptr);
  EXPECT_EQ(automation.PostSetValueRequest("1", 0.5), kAAXRefused);
  EXPECT_EQ(automation.AutomationCall7(1, 2), kAAXRefused);

  AAX_VTransport transport(nullptr);
  double tempo = 99;
  EXPECT_EQ(transport.Tempo(&tempo), kAAXRefused);
  EXPECT_EQ(tempo, 99);
  EXPECT_EQ(transport.TransportCall10(1), kAAXRefused);
  EXPECT_EQ(transport.TransportCall11(1), kAAXNotSupported);
  EXPECT_EQ(transport.TransportCall14(1), kAAXNotSupported);

  AAX_VViewContainer view(nullptr);
  AAX_Point size = {1, 2};
  EXPECT_EQ(view.ViewContainerCall1(), 0);
  EXPECT_EQ(view.NativeView(), nullptr);
  EXPECT_EQ(view.SetViewSize(&size), 0);
  EXPECT_EQ(view.ViewContainerCall3(1), kAAXNotSupported);
  EXPECT_EQ(view.ViewContainerCall5(1, 2), kAAXNotSupported);
  EXPECT_EQ(view.ViewContainerCall6(1, 2), kAAXNotSupported);
  EXPECT_EQ(view.ViewContainerCall7(1, 2), kAAXNotSupported);

  AAX_VHostServices services(nullptr);
  EXPECT_EQ(services.Trace(1, "x"), kAAXRefused);
  EXPECT_EQ(services.HostServicesCall1(1, 2, 3), kAAXRefused);
}

TEST(AaxProxies, AHostThatAnswersNothingLeavesThemAbsent)
{
  Host host;
  for (const ACFUID& iid : {IID_AAX_IACFController, IID_AAX_IACFController_V2, IID_AAX_IACFTransport,
                            IID_AAX_IACFTransport_V2, IID_AAX_IACFAutomationDelegate, IID_AAX_IACFViewContainer})
    host.Withdraw(iid);
  AAX_VController controller(&host);
  AAX_VTransport transport(&host);
  AAX_VViewContainer view(&host);
  AAX_VAutomationDelegate automation(&host);
  EXPECT_EQ(controller.ReportLatency(1), kAAXRefused);
  EXPECT_EQ(transport.TransportCall11(1), kAAXNotSupported);
  EXPECT_EQ(view.NativeView(), nullptr);
  EXPECT_EQ(automation.PostTouch("1"), kAAXRefused);
  EXPECT_TRUE(host.log.calls.empty());
}
}
