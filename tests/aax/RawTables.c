#include "RawTables.h"

#if defined(_WIN32) && !defined(_WIN64)
#define HOST_MEMBER __attribute__((thiscall))
#else
#define HOST_MEMBER
#endif

typedef void (*Slot)(void);

static Slot SlotOf(const void* object, int slot) { return (*(const Slot* const*)object)[slot]; }

void RawDestroy(void* object, uint32_t flags)
{
  ((void(HOST_MEMBER*)(void*, uint32_t))SlotOf(object, 0))(object, flags);
}

uint32_t RawStringLength(const void* string)
{
  return ((uint32_t(HOST_MEMBER*)(const void*))SlotOf(string, 1))(string);
}

uint32_t RawStringMaxLength(const void* string)
{
  return ((uint32_t(HOST_MEMBER*)(const void*))SlotOf(string, 2))(string);
}

const char* RawStringText(const void* string)
{
  return ((const char*(HOST_MEMBER*)(const void*))SlotOf(string, 3))(string);
}

const char* RawParameterIdentifier(const void* parameter)
{
  return ((const char*(HOST_MEMBER*)(const void*))SlotOf(parameter, 1))(parameter);
}

double RawParameterNormalizedValue(const void* parameter)
{
  return ((double(HOST_MEMBER*)(const void*))SlotOf(parameter, 12))(parameter);
}

bool RawParameterIntValue(const void* parameter, int32_t* value)
{
  return ((bool(HOST_MEMBER*)(const void*, int32_t*))SlotOf(parameter, 27))(parameter, value);
}

int64_t RawParameterIntValueSum(const void* parameter, int times)
{
  int64_t sum = 0;
  for (int i = 0; i < times; ++i)
  {
    int32_t value = 0;
    if (RawParameterIntValue(parameter, &value))
      sum += value;
  }
  return sum;
}
