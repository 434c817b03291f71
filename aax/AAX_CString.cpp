#include "AAX_CString.h"

#include "HostCallGuard.h"

#include <charconv>

namespace
{
// A double in fixed notation needs at most 309 integer digits, a sign and a
// point besides its decimals.
constexpr size_t kFixedRoom = 312;

// The white space a stream in the classic locale skips.
bool IsClassicSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const char* OrEmpty(const char* text) { return text ? text : ""; }
}

AAX_CString::AAX_CString(const char* text) : mText(OrEmpty(text)) {}

AAX_CString::AAX_CString(const AAX_IString& other) : mText(OrEmpty(other.CString())) {}

void AAX_CString::Destroy(uint32_t flags)
{
  if (flags & kDeleteFreesMemory)
    delete this;
  else
    this->~AAX_CString();
}

uint32_t AAX_CString::Length() const { return static_cast<uint32_t>(mText.size()); }

uint32_t AAX_CString::MaxLength() const { return 0xFFFFFFFEu; }

const char* AAX_CString::CString() const { return mText.c_str(); }

void AAX_CString::SetCString(const char* text)
{
  GuardHostCall(false, false, [&] {
    mText.assign(OrEmpty(text));
    return true;
  });
}

AAX_IString& AAX_CString::AssignCString(const char* text)
{
  SetCString(text);
  return *this;
}

AAX_IString& AAX_CString::AssignString(const AAX_IString& other)
{
  if (&other != this)
    SetCString(other.CString());
  return *this;
}

void AAX_CString::Append(const AAX_CString& other) { mText += other.mText; }

void AAX_CString::AppendNumber(double value, int32_t precision)
{
  const int digits = precision < 0 ? 0 : precision;
  std::string number(kFixedRoom + static_cast<size_t>(digits), '\0');
  const std::to_chars_result written =
    std::to_chars(&number[0], &number[0] + number.size(), value, std::chars_format::fixed, digits);
  mText.append(&number[0], written.ptr);
}

void AAX_CString::Clear() { mText.clear(); }

void AAX_CString::Erase(uint32_t position, uint32_t count)
{
  if (position < mText.size())
    mText.erase(position, count);
}

void AAX_CString::SubString(uint32_t position, uint32_t count, AAX_IString* out) const
{
  if (!out)
    return;
  if (position > mText.size())
    position = static_cast<uint32_t>(mText.size());
  out->SetCString(mText.substr(position, count).c_str());
}

bool AAX_CString::ToDouble(double* out) const
{
  if (!out)
    return false;
  const char* at = mText.c_str();
  const char* end = at + mText.size();
  while (IsClassicSpace(*at))
    ++at;
  const bool negative = *at == '-';
  if (*at == '-' || *at == '+')
    ++at;
  // Only decimal digits start a number: no "inf", "nan" or hexadecimal.
  double value = 0.0;
  if (IsDigit(at[0]) || (at[0] == '.' && IsDigit(at[1])))
  {
    const std::from_chars_result read = std::from_chars(at, end, value, std::chars_format::general);
    if (read.ec == std::errc())
    {
      *out = negative ? -value : value;
      return true;
    }
  }
  *out = 0.0;
  return false;
}
