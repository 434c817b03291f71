/* Calls whose convention this host checks itself, and the host's own text
 * behind the string table. */

#include <stdio.h>
#include <string.h>

#include "aaxhost.h"

int32_t CallCounted(const void* function, const uint32_t* args, int count, int* balanced)
{
  int32_t result;
  uint32_t before, after;
  /* The arguments are pushed last first; the stack pointer is kept in ESI,
   * which a __stdcall callee preserves, and restored whatever the callee
   * removed. */
  __asm__ __volatile__("movl %%esp, %%esi\n\t"
                       "testl %%ecx, %%ecx\n\t"
                       "jz 2f\n"
                       "1:\n\t"
                       "pushl -4(%%edi,%%ecx,4)\n\t"
                       "decl %%ecx\n\t"
                       "jnz 1b\n"
                       "2:\n\t"
                       "call *%%ebx\n\t"
                       "movl %%esp, %%edx\n\t"
                       "movl %%esi, %%esp\n\t"
                       : "=a"(result), "=d"(after), "=&S"(before), "+c"(count)
                       : "b"(function), "D"(args)
                       : "memory", "cc");
  *balanced = before == after;
  return result;
}

/* ---- the host's text ---------------------------------------------------------- */

static void THISCALL StringDestroy(HostString* self, void* edx, uint32_t flags)
{
  (void)edx;
  /* The host owns its strings: the module never deletes one. */
  printf("FAILED: the module destroyed the host's string \"%s\" (flags %u)\n", self->text, (unsigned)flags);
  Check(0, "no Destroy on a host string", __LINE__);
}

static uint32_t THISCALL StringLength(const HostString* self, void* edx)
{
  (void)edx;
  return (uint32_t)strlen(self->text);
}

static uint32_t THISCALL StringMaxLength(const HostString* self, void* edx)
{
  (void)self, (void)edx;
  return (uint32_t)sizeof self->text - 1;
}

static const char* THISCALL StringCString(const HostString* self, void* edx)
{
  (void)edx;
  return self->text;
}

static void THISCALL StringSet(HostString* self, void* edx, const char* text)
{
  (void)edx;
  snprintf(self->text, sizeof self->text, "%s", text ? text : "");
}

static HostString* THISCALL StringAssign(HostString* self, void* edx, const char* text)
{
  StringSet(self, edx, text);
  return self;
}

/* other may be the module's own string: it is read through its table. */
static HostString* THISCALL StringAssignString(HostString* self, void* edx, const HostString* other)
{
  StringSet(self, edx, other ? other->vtbl->cString(other, NULL) : "");
  return self;
}

static const HostStringVtbl kStringVtbl = {StringDestroy, StringLength, StringMaxLength,   StringCString,
                                           StringSet,     StringAssign, StringAssignString};

void InitString(HostString* string, const char* text)
{
  string->vtbl = &kStringVtbl;
  snprintf(string->text, sizeof string->text, "%s", text);
}
