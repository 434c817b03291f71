#pragma once

#include "AAX_IString.h"

#include <string>

// The module's text: a growable byte string, always NUL-terminated. The
// operations of AAX_IString never throw (a host may call them); when memory
// cannot be had they leave the text as it was. The others may throw
// std::bad_alloc.
class AAX_CString final : public AAX_IString
{
public:
  AAX_CString() = default;
  // A null text gives the empty string.
  explicit AAX_CString(const char* text);
  explicit AAX_CString(const AAX_IString& other);
  AAX_CString(const AAX_CString&) = default;
  AAX_CString(AAX_CString&&) = default;
  AAX_CString& operator=(const AAX_CString&) = default;
  AAX_CString& operator=(AAX_CString&&) = default;
  ~AAX_CString() = default;

  void AAX_MEMBER_CALL Destroy(uint32_t flags) override;
  uint32_t AAX_MEMBER_CALL Length() const override;
  uint32_t AAX_MEMBER_CALL MaxLength() const override;
  const char* AAX_MEMBER_CALL CString() const override;
  void AAX_MEMBER_CALL SetCString(const char* text) override;
  AAX_IString& AAX_MEMBER_CALL AssignCString(const char* text) override;
  AAX_IString& AAX_MEMBER_CALL AssignString(const AAX_IString& other) override;

  // Byte-wise comparisons, bytes taken as unsigned; a prefix is the smaller.
  bool operator==(const AAX_CString& other) const { return mText == other.mText; }
  bool operator!=(const AAX_CString& other) const { return mText != other.mText; }
  bool operator<(const AAX_CString& other) const { return mText < other.mText; }
  // The caller keeps the position below the length.
  char operator[](uint32_t position) const { return mText[position]; }

  void Append(const AAX_CString& other);
  // Fixed notation with exactly precision digits after the point (a negative
  // precision counts as 0), as a stream in the classic locale writes it,
  // whatever the process locale.
  void AppendNumber(double value, int32_t precision);
  void Clear();
  // Removes at most count characters from the position on.
  void Erase(uint32_t position, uint32_t count);
  // Sets out to at most count characters from the position on (nothing past
  // the end); a null out is left alone.
  void SubString(uint32_t position, uint32_t count, AAX_IString* out) const;
  // Reads a number from the start as a stream in the classic locale does:
  // white space skipped, a sign, the longest decimal number after it, the
  // rest ignored. No number (or one out of the double range): 0 and false.
  bool ToDouble(double* out) const;

private:
  std::string mText;
};
