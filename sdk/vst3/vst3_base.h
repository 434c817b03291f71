#pragma once

// Our own declarations of the VST3 binary interface (version 3.5 era): the
// basic types, result codes, calling convention, interface identifiers and
// FUnknown. Interfaces are plain abstract classes with their methods in the
// published vtable order, no virtual destructors and no overloads.

#include <cstdint>
#include <cstring>

namespace Steinberg
{
typedef int8_t int8;
typedef uint8_t uint8;
typedef int16_t int16;
typedef uint16_t uint16;
typedef int32_t int32;
typedef uint32_t uint32;
typedef int64_t int64;
typedef uint64_t uint64;
typedef char char8;
typedef char16_t char16;
typedef char16 TChar;
typedef uint8 TBool;
typedef int32 tresult;
typedef const char8* FIDString;
typedef char TUID[16];
typedef char16 String128[128];
typedef const char8* CString;

#if defined(_WIN32) && !defined(_WIN64)
#define SMTG_STDMETHODCALLTYPE __stdcall
#else
#define SMTG_STDMETHODCALLTYPE
#endif
#define PLUGIN_API SMTG_STDMETHODCALLTYPE

// The results of COM on Windows.
enum : tresult
{
  kNoInterface = static_cast<tresult>(0x80004002L),
  kResultOk = 0,
  kResultTrue = 0,
  kResultFalse = 1,
  kInvalidArgument = static_cast<tresult>(0x80070057L),
  kNotImplemented = static_cast<tresult>(0x80004001L),
  kInternalError = static_cast<tresult>(0x80004005L),
  kNotInitialized = static_cast<tresult>(0x8000FFFFL),
  kOutOfMemory = static_cast<tresult>(0x8007000EL),
};

// A 16-byte identifier from four 32-bit words, in the COM byte order that
// Windows hosts use: the first word little-endian, the second as two
// little-endian halves, the last two big-endian.
struct FUIDBytes
{
  char data[16];
};

constexpr FUIDBytes MakeUID(uint32 l1, uint32 l2, uint32 l3, uint32 l4)
{
  return FUIDBytes{{static_cast<char>(l1 & 0xFF), static_cast<char>((l1 >> 8) & 0xFF),
                    static_cast<char>((l1 >> 16) & 0xFF), static_cast<char>((l1 >> 24) & 0xFF),
                    static_cast<char>((l2 >> 16) & 0xFF), static_cast<char>((l2 >> 24) & 0xFF),
                    static_cast<char>(l2 & 0xFF), static_cast<char>((l2 >> 8) & 0xFF),
                    static_cast<char>((l3 >> 24) & 0xFF), static_cast<char>((l3 >> 16) & 0xFF),
                    static_cast<char>((l3 >> 8) & 0xFF), static_cast<char>(l3 & 0xFF),
                    static_cast<char>((l4 >> 24) & 0xFF), static_cast<char>((l4 >> 16) & 0xFF),
                    static_cast<char>((l4 >> 8) & 0xFF), static_cast<char>(l4 & 0xFF)}};
}

inline bool SameUID(const char* a, const char* b) { return std::memcmp(a, b, 16) == 0; }

// Declares an interface's identifier: Interface::iid.
#define ZL_DECLARE_IID(Interface, l1, l2, l3, l4) \
  static constexpr ::Steinberg::FUIDBytes iid = ::Steinberg::MakeUID(l1, l2, l3, l4)

class FUnknown
{
public:
  virtual tresult PLUGIN_API queryInterface(const TUID iid, void** obj) = 0;
  virtual uint32 PLUGIN_API addRef() = 0;
  virtual uint32 PLUGIN_API release() = 0;
  ZL_DECLARE_IID(FUnknown, 0x00000000, 0x00000000, 0xC0000000, 0x00000046);
};
}
