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

#if defined(_WIN32) && !defined(_WIN64)
#define HOST_ACF __attribute__((stdcall))
#else
#define HOST_ACF
#endif

int32_t RawEffectRelease(void* face) { return ((int32_t(HOST_ACF*)(void*))SlotOf(face, 2))(face); }

int32_t RawEffectCountParameters(void* face, int32_t* count)
{
  return ((int32_t(HOST_ACF*)(void*, int32_t*))SlotOf(face, 6))(face, count);
}

int32_t RawEffectFormatParameterValue(void* face, const char* identifier, double normalized, void* text,
                                      int32_t limit)
{
  return ((int32_t(HOST_ACF*)(void*, const char*, double, void*, int32_t))SlotOf(face, 21))(face, identifier,
                                                                                           normalized, text, limit);
}

int32_t RawEffectUpdateParameterFromHost(void* face, const char* identifier, double normalized, int32_t source)
{
  return ((int32_t(HOST_ACF*)(void*, const char*, double, int32_t))SlotOf(face, 29))(face, identifier, normalized,
                                                                                     source);
}

int32_t RawEffectGetPrivateData(void* face, uint32_t field, void* buffer, uint32_t size)
{
  return ((int32_t(HOST_ACF*)(void*, uint32_t, void*, uint32_t))SlotOf(face, 32))(face, field, buffer, size);
}

int32_t RawEffectCompareChunk(void* face, const void* record, bool* equal)
{
  return ((int32_t(HOST_ACF*)(void*, const void*, bool*))SlotOf(face, 38))(face, record, equal);
}

int64_t RawEffectHostSlotsSum(void* face, int times)
{
  int64_t sum = 0;
  for (int i = 0; i < times; ++i)
  {
    int32_t out = 5;
    sum += ((int32_t(HOST_ACF*)(void*, int32_t, int32_t, int32_t*))SlotOf(face, 19))(face, 1, 2, &out);
    sum += out;
    sum += ((int32_t(HOST_ACF*)(void*, int32_t, int32_t))SlotOf(face, 28))(face, 1, 2);
    sum += ((int32_t(HOST_ACF*)(void*))SlotOf(face, 40))(face);
    sum += ((int32_t(HOST_ACF*)(void*, int32_t, int32_t, int32_t, int32_t))SlotOf(face, 41))(face, 1, 2, 3, 4);
    out = 5;
    sum += ((int32_t(HOST_ACF*)(void*, int32_t, int32_t, int32_t, int32_t*))SlotOf(face, 42))(face, 1, 2, 3, &out);
    sum += out;
    sum += ((int32_t(HOST_ACF*)(void*, int32_t, int32_t, int32_t))SlotOf(face, 43))(face, 1, 2, 3);
    sum += ((int32_t(HOST_ACF*)(void*))SlotOf(face, 44))(face);
    sum += ((int32_t(HOST_ACF*)(void*, int32_t))SlotOf(face, 45))(face, 1);
    sum += ((int32_t(HOST_ACF*)(void*, int32_t, int32_t))SlotOf(face, 46))(face, 1, 2);
    sum += ((int32_t(HOST_ACF*)(void*, int32_t, int32_t))SlotOf(face, 47))(face, 1, 2);
  }
  return sum;
}

int32_t RawGuiInitialize(void* face, void* host)
{
  return ((int32_t(HOST_ACF*)(void*, void*))SlotOf(face, 3))(face, host);
}

int32_t RawGuiSetViewContainer(void* face, void* container)
{
  return ((int32_t(HOST_ACF*)(void*, void*))SlotOf(face, 6))(face, container);
}

int32_t RawGuiGetViewSize(void* face, float* vertical, float* horizontal)
{
  float point[2] = {*vertical, *horizontal};
  const int32_t result = ((int32_t(HOST_ACF*)(void*, float*))SlotOf(face, 7))(face, point);
  *vertical = point[0];
  *horizontal = point[1];
  return result;
}

int64_t RawGuiHostSlotsSum(void* face, int times)
{
  int64_t sum = 0;
  for (int i = 0; i < times; ++i)
  {
    sum += ((int32_t(HOST_ACF*)(void*, int32_t, int32_t, int32_t))SlotOf(face, 5))(face, 1, 2, 3);
    sum += ((int32_t(HOST_ACF*)(void*, int32_t))SlotOf(face, 8))(face, 1);
    sum += ((int32_t(HOST_ACF*)(void*))SlotOf(face, 9))(face);
    sum += ((int32_t(HOST_ACF*)(void*, const char*))SlotOf(face, 10))(face, "1");
    sum += ((int32_t(HOST_ACF*)(void*, int32_t, int32_t))SlotOf(face, 11))(face, 1, 2);
    sum += ((int32_t(HOST_ACF*)(void*, int32_t, int32_t, int32_t))SlotOf(face, 12))(face, 1, 2, 3);
  }
  return sum;
}
