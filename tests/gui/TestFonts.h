#pragma once
// Fonts "font", "fontSystem" and "fontSystemWhite" for widget tests: every
// glyph from "!" to "~" is 8 wide and 10 high and has no texture, so text
// measures but draws nothing. While it lives, the current database's font factory is its own.

#include "billboard/Billboard2D.h"
#include "file/Database.h"
#include "framework/FontAssets.h"
#include "text/Font.h"
#include "text/FontFactory.h"

namespace guitest {

class TestFonts {
public:
  explicit TestFonts(Database *database) : m_factory(database) {
    s_factory = &m_factory;
    for (const wchar_t *name : {L"font", L"fontSystem", L"fontSystemWhite"}) {
      auto *font = new Font;
      font->setName(Symbol::intern(name));
      font->setMetrics(2.0f, 10.0f, 8.0f, 4.0f);
      for (unsigned c = '!'; c <= '~'; ++c) {
        auto *glyph = new Billboard2D;
        glyph->size = math::Vector2(8.0f, 10.0f);
        font->setGlyph(c, glyph);
      }
      m_factory.insert(font);
    }
    FontFactory::setFinder([](const Database &) { return s_factory; });
  }
  ~TestFonts() {
    // The framework's own finder again.
    installFontAssets();
    s_factory = nullptr;
  }
  TestFonts(const TestFonts &) = delete;
  TestFonts &operator=(const TestFonts &) = delete;

  Font *font(const wchar_t *name) { return m_factory.font(Symbol::intern(name)); }

private:
  FontFactory m_factory;
  static inline FontFactory *s_factory = nullptr;
};

} // namespace guitest
