#pragma once
// The render settings as scripts name them: compare functions, stencil
// operations, shade models, enable modes, blend modes and texture styles. The
// int values are what the render state stores and what files hold.

#include "xstring/Symbol.h"

#include <cstdint>

namespace video {

enum CompareFunction {
  COMPARE_NEVER,
  COMPARE_ALWAYS,
  COMPARE_LESS,
  COMPARE_LESS_OR_EQUAL,
  COMPARE_EQUAL,
  COMPARE_GREATER_OR_EQUAL,
  COMPARE_GREATER,
  COMPARE_NOT_EQUAL,
  COMPARE_COUNT
};

enum StencilOperation {
  STENCIL_KEEP,
  STENCIL_ZERO,
  STENCIL_REPLACE,
  STENCIL_INCREMENT,
  STENCIL_DECREMENT,
  STENCIL_INVERT,
  STENCIL_COUNT
};

enum ShadeModel { SHADE_SMOOTH, SHADE_FLAT, SHADE_COUNT };

// blendBehavior and like settings.
enum EnableMode { ENABLE_DEFAULT, ENABLE_DISABLE, ENABLE_ENABLE, ENABLE_COUNT };

enum BlendMode {
  BLEND_SOURCE_ONLY,
  BLEND_NORMAL,
  BLEND_PREMULTIPLIED,
  BLEND_ADDITIVE,
  BLEND_MODULATE,
  BLEND_ACCUMULATE,
  BLEND_COUNT
};

enum CullMode { CULL_FRONT, CULL_BACK };

// Each lookup by index gives the empty Symbol outside the table; each reverse
// lookup gives the table's count for a keyword it does not hold.
Symbol compareSymbol(int function);
int compareFromSymbol(Symbol keyword);
Symbol stencilSymbol(int operation);
int stencilFromSymbol(Symbol keyword);
Symbol shadeSymbol(int model);
int shadeFromSymbol(Symbol keyword);
Symbol enableSymbol(int mode);
int enableFromSymbol(Symbol keyword);
Symbol blendSymbol(int mode);
int blendFromSymbol(Symbol keyword);

// Additive, modulate and accumulate change the destination even where the
// source is opaque.
bool blendAlwaysBlends(int mode);

// A texture style is a packed combiner word of six 4-bit fields, from the
// most significant: combineRGB, sourceRGB0, sourceRGB1, combineAlpha,
// sourceAlpha0, sourceAlpha1.
namespace textureStyle {
enum Combine { REPLACE, MODULATE, ADD, SUBTRACT };
enum Source {
  TEXTURE,
  ONE_MINUS_TEXTURE,
  PRIMARY,
  ONE_MINUS_PRIMARY,
  CONSTANT,
  ONE_MINUS_CONSTANT
};
enum Field { COMBINE_RGB, SOURCE_RGB0, SOURCE_RGB1, COMBINE_ALPHA, SOURCE_ALPHA0, SOURCE_ALPHA1 };

constexpr uint32_t pack(int combineRGB, int rgb0, int rgb1, int combineAlpha, int alpha0,
                        int alpha1) {
  return (uint32_t(combineRGB & 15) << 20) | (uint32_t(rgb0 & 15) << 16) |
         (uint32_t(rgb1 & 15) << 12) | (uint32_t(combineAlpha & 15) << 8) |
         (uint32_t(alpha0 & 15) << 4) | uint32_t(alpha1 & 15);
}
constexpr int field(uint32_t word, int which) { return int((word >> (20 - 4 * which)) & 15); }

constexpr uint32_t NORMAL = 0x102102;
constexpr uint32_t CONSTANT_COLOR_OVERLAY = 0x042102;
constexpr uint32_t PRIMARY_COLOR_OVERLAY = 0x022102;
constexpr uint32_t ADD_COLOR = 0x202102;
constexpr uint32_t SUBTRACT_COLOR = 0x302102;
} // namespace textureStyle

// The word of one of the five named styles; "normal" for any other keyword.
uint32_t textureStyleFromSymbol(Symbol keyword);
// The keyword of a named word, else the empty Symbol.
Symbol textureStyleSymbol(uint32_t word);

} // namespace video
