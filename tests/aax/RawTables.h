#pragma once

// Calls into our crossing tables as a host does: by slot number, with the
// host's calling convention, from C and with declarations of its own.
#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

void RawDestroy(void* object, uint32_t flags);
uint32_t RawStringLength(const void* string);
uint32_t RawStringMaxLength(const void* string);
const char* RawStringText(const void* string);
const char* RawParameterIdentifier(const void* parameter);
double RawParameterNormalizedValue(const void* parameter);
bool RawParameterIntValue(const void* parameter, int32_t* value);
// GetIntValue called many times over: a callee that pops the wrong number of
// bytes would leave the stack skewed.
int64_t RawParameterIntValueSum(const void* parameter, int times);

// The effect-parameters face, called as the host calls it (__stdcall on
// 32-bit Windows).
int32_t RawEffectRelease(void* face);
int32_t RawEffectCountParameters(void* face, int32_t* count);
int32_t RawEffectFormatParameterValue(void* face, const char* identifier, double normalized, void* text,
                                      int32_t limit);
int32_t RawEffectUpdateParameterFromHost(void* face, const char* identifier, double normalized, int32_t source);
int32_t RawEffectGetPrivateData(void* face, uint32_t field, void* buffer, uint32_t size);
int32_t RawEffectCompareChunk(void* face, const void* record, bool* equal);
// Every slot whose meaning lies with the host, many times over: the sum of
// their results and outs. A callee that pops the wrong number of bytes
// would leave the stack skewed.
int64_t RawEffectHostSlotsSum(void* face, int times);

// The editor face, called as the host calls it.
int32_t RawGuiInitialize(void* face, void* host);
int32_t RawGuiSetViewContainer(void* face, void* container);
// The view size through slot 7: vertical, then horizontal.
int32_t RawGuiGetViewSize(void* face, float* vertical, float* horizontal);
// Every slot whose meaning lies with the host, and ParameterUpdated, many
// times over: the sum of their results.
int64_t RawGuiHostSlotsSum(void* face, int times);

#ifdef __cplusplus
}
#endif
