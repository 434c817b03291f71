#include "FileFilter.h"

#include <cstring>

bool BuildFileFilter(const char* extensions, FileFilter* filter)
{
  *filter = FileFilter();
  if (!extensions || !extensions[0])
    return true;

  const size_t firstLength = std::strcspn(extensions, " ");
  if (firstLength > FileFilter::kExtensionLength)
    return false;
  int length = 0;
  auto append = [&](const char* text, size_t count) {
    if (length + count > FileFilter::kPatternLength)
      return false;
    std::memcpy(filter->pattern + length, text, count);
    length += static_cast<int>(count);
    return true;
  };
  bool fits = append("*.", 2);
  for (const char* p = extensions; fits && *p; ++p)
    fits = *p == ' ' ? append(";*.", 3) : append(p, 1);
  if (!fits)
  {
    *filter = FileFilter();
    return false;
  }
  filter->pattern[length] = 0;
  std::memcpy(filter->defaultExtension, extensions, firstLength);
  filter->defaultExtension[firstLength] = 0;
  return true;
}
