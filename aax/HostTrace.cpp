#include "HostTrace.h"

#include "AAX_IHostServices.h"

#include <cstdarg>
#include <cstdio>

namespace
{
AAX_IHostServices* gHostServices = nullptr;
constexpr int kTraceRoom = 512;
}

void SetHostServices(AAX_IHostServices* services) { gHostServices = services; }

AAX_IHostServices* GetHostServices() { return gHostServices; }

int32_t HostTrace(uint32_t priority, const char* format, ...)
{
  if (!gHostServices || !format)
    return 0;
  char text[kTraceRoom];
  va_list values;
  va_start(values, format);
  const int written = std::vsnprintf(text, sizeof text, format, values);
  va_end(values);
  // Not every runtime terminates a cut text.
  text[written < 0 ? 0 : sizeof text - 1] = '\0';
  return gHostServices->Trace(priority, text);
}
