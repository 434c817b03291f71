#pragma once

// Maps a parameter's real values to and from the host's normalised range 0
// to 1. Tapers stay inside the module and never change after construction.
class AAX_ITaperDelegateBase
{
public:
  virtual ~AAX_ITaperDelegateBase() = default;
};

template <class T>
class AAX_ITaperDelegate : public AAX_ITaperDelegateBase
{
public:
  // A copy that the caller owns.
  virtual AAX_ITaperDelegate* Clone() const = 0;
  virtual T MaximumValue() const = 0;
  virtual T MinimumValue() const = 0;
  virtual T ConstrainValue(T value) const = 0;
  virtual T NormalizedToReal(double normalized) const = 0;
  virtual double RealToNormalized(T value) const = 0;
};
