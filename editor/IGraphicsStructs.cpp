#include "IGraphicsStructs.h"

#include <cstdio>

IBounds IBounds::Union(const IBounds& o) const
{
  if (Empty())
    return o;
  if (o.Empty())
    return *this;
  return IBounds(left < o.left ? left : o.left, top < o.top ? top : o.top, right > o.right ? right : o.right,
                 bottom > o.bottom ? bottom : o.bottom);
}

IBounds IBounds::Intersection(const IBounds& o) const
{
  if (!Intersects(o))
    return IBounds();
  return IBounds(left > o.left ? left : o.left, top > o.top ? top : o.top, right < o.right ? right : o.right,
                 bottom < o.bottom ? bottom : o.bottom);
}

ITextStyle::ITextStyle(const char* fontName, int size, IArgb colour, int alignment)
    : size(size), colour(colour), alignment(alignment)
{
  std::snprintf(font, sizeof font, "%s", fontName ? fontName : "");
}
