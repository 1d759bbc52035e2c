#pragma once
// The names of an animation definition's channels and dictionary keys, made
// once.

#include "xstring/Symbol.h"

namespace animation {

struct AnimationNames {
  // By channel index.
  Symbol channels[9] = {
      Symbol::intern(L"translationX"), Symbol::intern(L"translationY"), Symbol::intern(L"rotation"),
      Symbol::intern(L"scaleX"),       Symbol::intern(L"scaleY"),       Symbol::intern(L"colorR"),
      Symbol::intern(L"colorG"),       Symbol::intern(L"colorB"),       Symbol::intern(L"colorA")};
  Symbol scale = Symbol::intern(L"scale");
  Symbol channelsKey = Symbol::intern(L"channels");
  Symbol initialColor = Symbol::intern(L"initialColor");
  Symbol initialScale = Symbol::intern(L"initialScale");
  Symbol initialTranslation = Symbol::intern(L"initialTranslation");
  Symbol initialRotation = Symbol::intern(L"initialRotation");
};

const AnimationNames &animationNames();

} // namespace animation
