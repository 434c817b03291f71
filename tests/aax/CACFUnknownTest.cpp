#include "CACFUnknown.h"
#include "support/Threads.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// An object as the effect-parameters object lays it out: its face first,
// then the CACFUnknown part; the face answers both of its identifiers.
class Effect final : public IACFUnknown, public CACFUnknown
{
public:
  explicit Effect(std::string* log) : mLog(log) {}
  ~Effect() override { *mLog += "destroyed;"; }

  int32_t ACF_CALL QueryInterface(const ACFUID* iid, void** out) override
  {
    return GetOuterUnknown()->QueryInterface(iid, out);
  }
  int32_t ACF_CALL AddRef() override { return GetOuterUnknown()->AddRef(); }
  int32_t ACF_CALL Release() override { return GetOuterUnknown()->Release(); }

  int32_t QueryInterfaceInner(const ACFUID* iid, void** out) override
  {
    if (iid && out && (*iid == IID_AAX_IACFEffectParameters || *iid == IID_AAX_IACFEffectParameters_V2))
    {
      *out = static_cast<IACFUnknown*>(this);
      AddRef();
      return kAAXSuccess;
    }
    return CACFUnknown::QueryInterfaceInner(iid, out);
  }
  void StopInstance() override { *mLog += "stopped;"; }

private:
  std::string* mLog;
};

TEST(CACFUnknown, LastReleaseDestroys)
{
  std::string log;
  const int32_t live = CACFUnknown::LiveObjects();
  Effect* effect = new Effect(&log);
  EXPECT_EQ(CACFUnknown::LiveObjects(), live + 1);
  EXPECT_EQ(effect->AddRef(), 1);
  EXPECT_EQ(effect->AddRef(), 2);
  EXPECT_EQ(effect->Release(), 1);
  EXPECT_EQ(log, "");
  EXPECT_EQ(effect->Release(), 0);
  EXPECT_EQ(log, "stopped;destroyed;");
  EXPECT_EQ(CACFUnknown::LiveObjects(), live);
}

TEST(CACFUnknown, UnknownIdentifierAnswersThePrivateUnknown)
{
  std::string log;
  Effect* effect = new Effect(&log);
  effect->AddRef();
  void* out = nullptr;
  EXPECT_EQ(effect->QueryInterface(&IID_IACFUnknown, &out), kAAXSuccess);
  ASSERT_NE(out, nullptr);
  EXPECT_NE(out, static_cast<void*>(effect));
  IACFUnknown* inner = static_cast<IACFUnknown*>(out);
  EXPECT_EQ(inner->AddRef(), 3);
  EXPECT_EQ(inner->Release(), 2);
  EXPECT_EQ(inner->Release(), 1);
  EXPECT_EQ(effect->Release(), 0);
  EXPECT_EQ(log, "stopped;destroyed;");
}

TEST(CACFUnknown, FaceIdentifiersAnswerTheFace)
{
  std::string log;
  Effect* effect = new Effect(&log);
  effect->AddRef();
  for (const ACFUID* iid : {&IID_AAX_IACFEffectParameters, &IID_AAX_IACFEffectParameters_V2})
  {
    void* out = nullptr;
    EXPECT_EQ(effect->QueryInterface(iid, &out), kAAXSuccess);
    EXPECT_EQ(out, static_cast<void*>(effect));
  }
  EXPECT_EQ(effect->Release(), 2);
  effect->Release();
  effect->Release();
  EXPECT_EQ(log, "stopped;destroyed;");
}

TEST(CACFUnknown, OtherIdentifiersAreRefused)
{
  std::string log;
  Effect* effect = new Effect(&log);
  effect->AddRef();
  void* out = effect;
  EXPECT_EQ(effect->QueryInterface(&IID_AAX_IACFEffectGUI, &out), kACFNoInterface);
  EXPECT_EQ(out, nullptr);
  out = effect;
  EXPECT_EQ(effect->QueryInterface(nullptr, &out), kACFNoInterface);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(effect->QueryInterface(&IID_IACFUnknown, nullptr), kACFNoInterface);
  EXPECT_EQ(effect->Release(), 0);
  EXPECT_EQ(log, "stopped;destroyed;");
}

TEST(CACFUnknown, TwoThreadsReleasingTheLastTwoReferencesDestroyOnce)
{
  const int32_t live = CACFUnknown::LiveObjects();
  for (int round = 0; round < 500; ++round)
  {
    std::string log;
    Effect* effect = new Effect(&log);
    effect->AddRef();
    effect->AddRef();
    int32_t first = -1, second = -1;
    RunConcurrently([&] { first = effect->Release(); }, [&] { second = effect->Release(); });
    EXPECT_EQ(first * second, 0);
    EXPECT_EQ(first + second, 1);
    ASSERT_EQ(log, "stopped;destroyed;");
  }
  EXPECT_EQ(CACFUnknown::LiveObjects(), live);
}
}
