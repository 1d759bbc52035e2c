#include "video/RenderKeywords.h"

namespace video {

namespace {

// A keyword table made on first use.
template <int N> struct Keywords {
  Symbol symbols[N];
  explicit Keywords(const wchar_t *const (&texts)[N]) {
    for (int i = 0; i < N; ++i)
      symbols[i] = Symbol::intern(texts[i]);
  }
  Symbol at(int i) const { return i >= 0 && i < N ? symbols[i] : Symbol::emptySymbol(); }
  int find(Symbol s) const {
    for (int i = 0; i < N; ++i)
      if (symbols[i] == s)
        return i;
    return N;
  }
};

const Keywords<COMPARE_COUNT> &compareTable() {
  static const wchar_t *const texts[] = {L"never", L"always",         L"less",    L"lessOrEqual",
                                         L"equal", L"greaterOrEqual", L"greater", L"notEqual"};
  static const Keywords<COMPARE_COUNT> table(texts);
  return table;
}

const Keywords<STENCIL_COUNT> &stencilTable() {
  static const wchar_t *const texts[] = {L"keep",      L"zero",      L"replace",
                                         L"increment", L"decrement", L"invert"};
  static const Keywords<STENCIL_COUNT> table(texts);
  return table;
}

const Keywords<SHADE_COUNT> &shadeTable() {
  static const wchar_t *const texts[] = {L"smooth", L"flat"};
  static const Keywords<SHADE_COUNT> table(texts);
  return table;
}

const Keywords<ENABLE_COUNT> &enableTable() {
  static const wchar_t *const texts[] = {L"default", L"disable", L"enable"};
  static const Keywords<ENABLE_COUNT> table(texts);
  return table;
}

const Keywords<BLEND_COUNT> &blendTable() {
  static const wchar_t *const texts[] = {L"sourceOnly", L"normal",   L"premultiplied",
                                         L"additive",   L"modulate", L"accumulate"};
  static const Keywords<BLEND_COUNT> table(texts);
  return table;
}

const uint32_t styleWords[] = {textureStyle::NORMAL, textureStyle::CONSTANT_COLOR_OVERLAY,
                               textureStyle::PRIMARY_COLOR_OVERLAY, textureStyle::ADD_COLOR,
                               textureStyle::SUBTRACT_COLOR};

const Keywords<5> &styleTable() {
  static const wchar_t *const texts[] = {L"normal", L"constantColorOverlay", L"primaryColorOverlay",
                                         L"addColor", L"subtractColor"};
  static const Keywords<5> table(texts);
  return table;
}

} // namespace

Symbol compareSymbol(int function) { return compareTable().at(function); }
int compareFromSymbol(Symbol keyword) { return compareTable().find(keyword); }
Symbol stencilSymbol(int operation) { return stencilTable().at(operation); }
int stencilFromSymbol(Symbol keyword) { return stencilTable().find(keyword); }
Symbol shadeSymbol(int model) { return shadeTable().at(model); }
int shadeFromSymbol(Symbol keyword) { return shadeTable().find(keyword); }
Symbol enableSymbol(int mode) { return enableTable().at(mode); }
int enableFromSymbol(Symbol keyword) { return enableTable().find(keyword); }
Symbol blendSymbol(int mode) { return blendTable().at(mode); }
int blendFromSymbol(Symbol keyword) { return blendTable().find(keyword); }

bool blendAlwaysBlends(int mode) {
  return mode == BLEND_ADDITIVE || mode == BLEND_MODULATE || mode == BLEND_ACCUMULATE;
}

uint32_t textureStyleFromSymbol(Symbol keyword) {
  int i = styleTable().find(keyword);
  return i < 5 ? styleWords[i] : textureStyle::NORMAL;
}

Symbol textureStyleSymbol(uint32_t word) {
  for (int i = 0; i < 5; ++i)
    if (styleWords[i] == word)
      return styleTable().at(i);
  return Symbol::emptySymbol();
}

} // namespace video
