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

#ifdef __cplusplus
}
#endif
