#pragma once
// How a listed texture's image is stored in the texture file, and the kinds
// of texture, each with its name.

#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

enum TextureFormat : uint32_t {
  TEXTURE_PVR,
  TEXTURE_ULV,
  TEXTURE_PNG,
  TEXTURE_JPEG,
  TEXTURE_FORMAT_COUNT
};

// "pvr", "ulv", "png", "jpeg"; any other symbol gives TEXTURE_FORMAT_COUNT.
Symbol textureFormatName(uint32_t format);
uint32_t textureFormatFromName(Symbol name);
// "pvr", "ulv", "png", "jpg"; the reverse ignores case.
const wchar_t *textureFormatSuffix(uint32_t format);
uint32_t textureFormatFromSuffix(const String &suffix);

// "simple", "animated"; any other symbol gives 2.
Symbol textureKindName(uint32_t kind);
uint32_t textureKindFromName(Symbol name);
