#include "texture/TextureFormats.h"

namespace {

const Symbol *formatNames() {
  static const Symbol names[TEXTURE_FORMAT_COUNT] = {Symbol::intern(L"pvr"), Symbol::intern(L"ulv"),
                                                     Symbol::intern(L"png"),
                                                     Symbol::intern(L"jpeg")};
  return names;
}

const wchar_t *const suffixes[TEXTURE_FORMAT_COUNT] = {L"pvr", L"ulv", L"png", L"jpg"};

const Symbol *kindNames() {
  static const Symbol names[2] = {Symbol::intern(L"simple"), Symbol::intern(L"animated")};
  return names;
}

} // namespace

Symbol textureFormatName(uint32_t format) {
  return format < TEXTURE_FORMAT_COUNT ? formatNames()[format] : Symbol::emptySymbol();
}

uint32_t textureFormatFromName(Symbol name) {
  for (uint32_t f = 0; f < TEXTURE_FORMAT_COUNT; ++f)
    if (formatNames()[f] == name)
      return f;
  return TEXTURE_FORMAT_COUNT;
}

const wchar_t *textureFormatSuffix(uint32_t format) {
  return format < TEXTURE_FORMAT_COUNT ? suffixes[format] : L"";
}

uint32_t textureFormatFromSuffix(const String &suffix) {
  String lower = suffix.lowerCased();
  for (uint32_t f = 0; f < TEXTURE_FORMAT_COUNT; ++f)
    if (lower == suffixes[f])
      return f;
  return TEXTURE_FORMAT_COUNT;
}

Symbol textureKindName(uint32_t kind) {
  return kind < 2 ? kindNames()[kind] : Symbol::emptySymbol();
}

uint32_t textureKindFromName(Symbol name) {
  for (uint32_t k = 0; k < 2; ++k)
    if (kindNames()[k] == name)
      return k;
  return 2;
}
