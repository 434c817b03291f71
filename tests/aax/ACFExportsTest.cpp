// The module's exports against fake host objects, with a description that
// each test chooses (this program's own DescribeEffects).

#include "ACFExports.h"
#include "AAX_ICollection.h"
#include "AAX_IEffectDescriptor.h"
#include "AaxDescriptionFakes.h"
#include "EffectParametersFixture.h"
#include "HostTrace.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <stdexcept>

namespace
{
std::function<int32_t(AAX_ICollection*)> gDescription;
}

int32_t DescribeEffects(AAX_ICollection* collection) { return gDescription ? gDescription(collection) : 0; }

namespace
{
using descfakes::DescriptionHost;
using descfakes::Kind;

// Each test describes with its own description, and leaves the module
// shut down.
class AcfExports : public testing::Test
{
protected:
  void TearDown() override
  {
    gDescription = nullptr;
    ACFShutdown(nullptr);
    EXPECT_EQ(CACFUnknown::LiveObjects(), 0);
  }
};

void* const kUntouched = reinterpret_cast<void*>(0x5A5A);

TEST_F(AcfExports, SdkVersionBytes)
{
  uint64_t version = 0;
  EXPECT_EQ(ACFGetSDKVersion(&version), 0);
  const unsigned char expected[8] = {0xBF, 0x56, 0x77, 0x00, 0x01, 0x02, 0x00, 0x00};
  EXPECT_EQ(std::memcmp(&version, expected, sizeof expected), 0);
  EXPECT_EQ(ACFGetSDKVersion(nullptr), kAAXRefused);
}

TEST_F(AcfExports, ComponentRegistrationAndNoClassFactory)
{
  uint32_t answer = 7;
  EXPECT_EQ(ACFRegisterComponent(1, 2, &answer), 0);
  EXPECT_EQ(answer, 0u);
  EXPECT_EQ(ACFRegisterComponent(1, 2, nullptr), kAAXRefused);
  void* factory = kUntouched;
  EXPECT_EQ(ACFGetClassFactory(1, 2, 3, &factory), kAAXNotSupported);
  EXPECT_EQ(factory, nullptr);
  EXPECT_EQ(ACFGetClassFactory(1, 2, 3, nullptr), kAAXNotSupported);
}

TEST_F(AcfExports, CanUnloadCountsLiveObjects)
{
  EXPECT_EQ(ACFCanUnloadNow(nullptr), 0);
  auto* effect = new SmallEffect;
  effect->AddRef();
  EXPECT_EQ(ACFCanUnloadNow(nullptr), 1);
  effect->Release();
  EXPECT_EQ(ACFCanUnloadNow(nullptr), 0);
}

// One host-services object per start; the trace goes through it while the
// module is started.
TEST_F(AcfExports, StartupAndShutdownAreIdempotent)
{
  EXPECT_EQ(HostTrace(0x08000000, "before"), 0);
  EXPECT_EQ(ACFStartup(nullptr), 0);
  EXPECT_EQ(GetHostServices(), nullptr);

  hostfakes::Host host;
  host.services.result = 3;
  EXPECT_EQ(ACFStartup(&host), 0);
  EXPECT_EQ(ACFStartup(&host), 0);
  EXPECT_EQ(host.log.CallsOf("factory"),
            (std::vector<std::string>{"factory.CreateHostObject(null)", "factory.Release"}));
  EXPECT_EQ(host.log.references["services"], 1);
  EXPECT_EQ(HostTrace(0x08000000, "%s", "traced"), 3);
  EXPECT_EQ(host.log.CallsOf("services").back(), "services.Trace(134217728,traced)");

  EXPECT_EQ(ACFShutdown(nullptr), 0);
  EXPECT_TRUE(host.log.Balanced());
  EXPECT_EQ(HostTrace(0x08000000, "after"), 0);
  EXPECT_EQ(ACFShutdown(nullptr), 0);
}

TEST_F(AcfExports, RegistrationHandsBackTheCollectionsDefinition)
{
  DescriptionHost host;
  AAX_ICollection* seen = nullptr;
  gDescription = [&](AAX_ICollection* collection) {
    seen = collection;
    return collection->AddProductName("ZelvarLispera");
  };
  void* definition = kUntouched;
  EXPECT_EQ(ACFRegisterPlugin(&host, &definition), 0);
  EXPECT_NE(seen, nullptr);
  EXPECT_EQ(definition, static_cast<IACFUnknown*>(&host.definition));
  EXPECT_EQ(host.log.references["definition"], 1);
  EXPECT_EQ(host.log.calls.back(), "host.Release") << "the collection is released at the end";
  static_cast<IACFUnknown*>(definition)->Release();
  EXPECT_TRUE(host.log.Balanced());
}

// Failures: the description's own (definition untouched), a collection that
// refuses the definition, no collection at all (no query on it), an
// exception, and no place to put the definition.
TEST_F(AcfExports, RegistrationFailures)
{
  struct Case
  {
    const char* name;
    std::function<void(DescriptionHost&)> setUp;
    std::function<int32_t(AAX_ICollection*)> description;
    int32_t expected;
    void* definition;
  };
  const Case cases[] = {
    {"description fails", [](DescriptionHost&) {}, [](AAX_ICollection*) { return -20009; }, kAAXNotSupported,
     kUntouched},
    {"definition refused", [](DescriptionHost& host) { host.offersDefinition = false; },
     [](AAX_ICollection*) { return 0; }, kAAXRefused, nullptr},
    {"no collection", [](DescriptionHost& host) { host.refused = {Kind::kCollection}; },
     [](AAX_ICollection*) { return 0; }, kAAXRefused, nullptr},
    {"no factory", [](DescriptionHost& host) { host.offersFactory = false; }, [](AAX_ICollection*) { return 0; },
     kAAXRefused, nullptr},
    {"exception", [](DescriptionHost&) {},
     [](AAX_ICollection* collection) -> int32_t {
       collection->NewEffectDescriptor()->NewComponentDescriptor();
       throw std::runtime_error("description");
     },
     kACFUnexpected, kUntouched},
  };
  for (const Case& c : cases)
  {
    DescriptionHost host;
    c.setUp(host);
    gDescription = c.description;
    void* definition = kUntouched;
    EXPECT_EQ(ACFRegisterPlugin(&host, &definition), c.expected) << c.name;
    EXPECT_EQ(definition, c.definition) << c.name;
    EXPECT_TRUE(host.log.Balanced()) << c.name;
  }

  DescriptionHost host;
  gDescription = [](AAX_ICollection*) { return 0; };
  EXPECT_EQ(ACFRegisterPlugin(&host, nullptr), kAAXRefused);
  EXPECT_TRUE(host.log.Balanced());
  EXPECT_EQ(ACFRegisterPlugin(nullptr, nullptr), kAAXRefused);
}
}
