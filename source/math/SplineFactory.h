#pragma once
// Makes a spline of either kind from the "type" of its dictionary and loads
// it; null for any other type.

#include "quip/Dictionary.h"
#include "quip/Token.h"

namespace math {

template <typename S, typename BKind, typename CatmullRomKind>
S *createSpline(const quip::Dictionary &dict, Symbol bName, Symbol catmullRomName) {
  const quip::Token *type = dict.lookup(SYM(L"type"));
  if (!type || !type->isSymbol())
    return nullptr;
  S *spline = nullptr;
  if (type->symbol() == bName)
    spline = new BKind;
  else if (type->symbol() == catmullRomName)
    spline = new CatmullRomKind;
  else
    return nullptr;
  spline->load(dict);
  return spline;
}

} // namespace math
