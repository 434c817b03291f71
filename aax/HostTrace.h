#pragma once

#include <cstdint>

class AAX_IHostServices;

// The module-wide host services: null while the module is not started. The
// module's start-up and shutdown set and clear it; they own the object.
void SetHostServices(AAX_IHostServices* services);
AAX_IHostServices* GetHostServices();

// Sends printf-style text (cut to 511 characters) to the host's trace; 0,
// without formatting, while there are no host services (or no format).
int32_t HostTrace(uint32_t priority, const char* format, ...)
#if defined(__GNUC__)
  __attribute__((format(printf, 2, 3)))
#endif
  ;
