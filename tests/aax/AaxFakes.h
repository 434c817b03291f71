#pragma once

#include "AAX_IAutomationDelegate.h"
#include "AAX_IController.h"
#include "AAX_IHostServices.h"
#include "AAX_ITaperDelegate.h"

#include <string>
#include <vector>

// Records every call the parameters make on their automation delegate.
class RecordingAutomationDelegate final : public AAX_IAutomationDelegate
{
public:
  struct Call
  {
    std::string what;
    std::string identifier;
    double value;
    bool operator==(const Call& other) const
    {
      return what == other.what && identifier == other.identifier && value == other.value;
    }
  };

  int32_t RegisterParameter(const char* identifier) override { return Record("register", identifier, 0); }
  int32_t UnregisterParameter(const char* identifier) override { return Record("unregister", identifier, 0); }
  int32_t PostSetValueRequest(const char* identifier, double normalized) override
  {
    return Record("request", identifier, normalized);
  }
  int32_t PostCurrentValue(const char* identifier, double normalized) override
  {
    return Record("current", identifier, normalized);
  }
  int32_t PostTouch(const char* identifier) override { return Record("touch", identifier, 0); }
  int32_t PostReleaseTouch(const char* identifier) override { return Record("release", identifier, 0); }
  int32_t AutomationCall7(AAX_Value, AAX_Value) override { return Record("call7", "", 0); }

  std::vector<Call> calls;

private:
  int32_t Record(const char* what, const char* identifier, double value)
  {
    calls.push_back({what, identifier, value});
    return 0;
  }
};

// A controller that records the packets posted to it.
class RecordingController final : public AAX_IController
{
public:
  struct Post
  {
    uint32_t fieldIndex;
    std::vector<unsigned char> data;
  };

  int32_t PostPacket(uint32_t fieldIndex, const void* data, uint32_t size) override
  {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    posts.push_back({fieldIndex, std::vector<unsigned char>(bytes, bytes + size)});
    return postResult;
  }
  int32_t ControllerCall1(AAX_Value) override { return 0; }
  int32_t GetSampleRateFromHost(float*) override { return 0; }
  int32_t GetInputChannelLayout(uint32_t*) override { return 0; }
  int32_t GetOutputChannelLayout(uint32_t*) override { return 0; }
  int32_t ControllerCall5(AAX_Value) override { return 0; }
  int32_t ControllerCall6(AAX_Value, AAX_Value) override { return 0; }
  int32_t ControllerCall7(AAX_Value) override { return 0; }
  int32_t ReportLatency(int32_t) override { return 0; }
  int32_t ControllerCall9(AAX_Value, AAX_Value, AAX_Value) override { return 0; }
  int32_t ControllerCall11(AAX_Value, AAX_Value, AAX_Value) override { return 0; }
  int32_t ControllerCall12(AAX_Value, AAX_Value) override { return 0; }
  int32_t ControllerCall13(AAX_Value, AAX_Value) override { return 0; }
  int32_t ControllerCall14(AAX_Value) override { return 0; }
  int32_t ControllerCall15(AAX_Value) override { return 0; }
  int32_t ControllerCall16(AAX_Value, AAX_Value) override { return 0; }
  int32_t ControllerCall17(AAX_Value) override { return 0; }
  int32_t ControllerCall18(AAX_Value, AAX_Value) override { return 0; }
  int32_t ControllerCall19(AAX_Value) override { return 0; }
  int32_t ControllerCall20(uint64_t*) override { return 0; }
  int32_t ControllerCall21(AAX_Value) override { return 0; }

  std::vector<Post> posts;
  int32_t postResult = 0;
};

// Host services that keep what is traced.
class RecordingHostServices final : public AAX_IHostServices
{
public:
  int32_t HostServicesCall1(AAX_Value, AAX_Value, AAX_Value) override { return 0; }
  int32_t Trace(uint32_t priority, const char* text) override
  {
    priorities.push_back(priority);
    texts.push_back(text);
    return traceResult;
  }

  std::vector<uint32_t> priorities;
  std::vector<std::string> texts;
  int32_t traceResult = 0;
};

// A linear taper over doubles without guards of its own: like the wrapper's,
// a normalised value that is not a number maps to one.
class LinearDoubleTaper final : public AAX_ITaperDelegate<double>
{
public:
  LinearDoubleTaper(double minimum, double maximum) : mMinimum(minimum), mMaximum(maximum) {}
  LinearDoubleTaper* Clone() const override { return new LinearDoubleTaper(*this); }
  double MaximumValue() const override { return mMaximum; }
  double MinimumValue() const override { return mMinimum; }
  double ConstrainValue(double value) const override
  {
    return value > mMaximum ? mMaximum : value < mMinimum ? mMinimum : value;
  }
  double NormalizedToReal(double normalized) const override
  {
    return ConstrainValue(normalized * (mMaximum - mMinimum) + mMinimum);
  }
  double RealToNormalized(double value) const override
  {
    return (ConstrainValue(value) - mMinimum) / (mMaximum - mMinimum);
  }

private:
  double mMinimum;
  double mMaximum;
};
