#pragma once

#include "HeapBuffer.h"

#include <atomic>

enum ParameterKind
{
  kParameterNone = 0,
  kParameterBool = 1,
  kParameterInt = 2,
  kParameterEnum = 3,
  kParameterDouble = 4,
};

constexpr int kParameterTextLength = 32;

struct ParameterDisplayText
{
  int value;
  char text[kParameterTextLength];
};

// Truncation toward zero that saturates outside the int range and gives 0
// for NaN, for display texts of any value.
int TruncateToInt(double value);

// One automatable parameter in real units, with its mapping to and from the
// normalised range 0..1 that hosts and controls speak:
// normalised = ((value - min) / (max - min)) ^ (1 / shape).
// The value is read on one thread (a host's controller, the editor) while
// another (the audio thread) sets it: it is atomic.
class IPlugParameter
{
public:
  IPlugParameter() = default;
  IPlugParameter(const IPlugParameter&) = delete;
  IPlugParameter& operator=(const IPlugParameter&) = delete;

  // Texts longer than 31 characters are cut.
  void SetupDouble(const char* name, double defaultValue, double min, double max, double step,
                   const char* label = "", const char* group = "", double shape = 1.0);
  void SetupBool(const char* name, bool defaultValue);
  void AppendDisplayText(int value, const char* text);

  // x is clamped to [0, 1]; a NaN leaves the value as it was.
  void SetFromNormalized(double x);
  double NormalizedValue(double value) const;
  double GetNormalized() const { return NormalizedValue(Value()); }

  // Writes the display text of a value into a buffer of at least
  // kParameterTextLength characters: the text of the first display-text
  // entry for the value truncated toward zero when it is not empty, else the
  // number (negated with the negate-display flag) at the display precision.
  // A normalised value is first taken to min + (max - min) * x^shape,
  // without clamping.
  void FormatForDisplay(double value, bool normalized, char* destination) const;
  // The display text of the current value.
  void FormatForDisplay(char* destination) const { FormatForDisplay(Value(), false, destination); }
  // The text of the first display-text entry for value (possibly empty),
  // or null when there is none.
  const char* DisplayTextFor(int value) const;
  // The unit shown beside the current value: none when the value is shown
  // by a text of its own.
  const char* LabelForHost() const;

  // The two readings of a text the user typed for this parameter; each
  // caller has its own rule for which applies and what a miss gives.
  // True when the text equals a display text byte for byte: value is the
  // first such entry's value.
  bool MatchDisplayText(const char* text, int* value) const;
  // The number the text starts with, read as a C literal with "." as the
  // decimal point whatever the process locale (0 when it starts with none;
  // "nan" reads as NaN), negated with the negate-display flag.
  double ReadTypedNumber(const char* text) const;

  void Set(double value) { mValue.store(value, std::memory_order_relaxed); }
  double Value() const { return mValue.load(std::memory_order_relaxed); }
  double Min() const { return mMin; }
  double Max() const { return mMax; }
  double Step() const { return mStep; }
  double Shape() const { return mShape; }
  double Default() const { return mDefault; }
  ParameterKind Kind() const { return mKind; }
  int Precision() const { return mPrecision; }
  const char* Name() const { return mName; }
  const char* Label() const { return mLabel; }
  const char* Group() const { return mGroup; }
  bool NegateDisplay() const { return mNegateDisplay; }
  void SetNegateDisplay(bool negate) { mNegateDisplay = negate; }
  // Before SetupDouble, for the kinds no set-up function makes (Int, Enum).
  void SetKind(ParameterKind kind) { mKind = kind; }
  bool CanAutomate() const { return mCanAutomate; }
  void SetCanAutomate(bool canAutomate) { mCanAutomate = canAutomate; }
  int DisplayTextCount() const { return mDisplayTexts.Count(); }
  // Null when the index is out of range.
  const ParameterDisplayText* DisplayTextAt(int index) const;

private:
  ParameterKind mKind = kParameterNone;
  std::atomic<double> mValue{0.0};
  double mMin = 0.0;
  double mMax = 1.0;
  double mStep = 1.0;
  double mShape = 1.0;
  double mDefault = 0.0;
  int mPrecision = 0;
  char mName[kParameterTextLength] = {};
  char mLabel[kParameterTextLength] = {};
  char mGroup[kParameterTextLength] = {};
  bool mNegateDisplay = false;
  bool mCanAutomate = true;
  HeapArray<ParameterDisplayText> mDisplayTexts{4096};
};
