#include "FObject.h"

namespace Steinberg
{
bool FObject::isTypeOf(const char* name, bool /*askBaseClass*/) const
{
  return name && std::strcmp(name, "FObject") == 0;
}
}
