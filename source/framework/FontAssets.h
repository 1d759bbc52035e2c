#pragma once
// The font factory as the asset database's manager of fonts, and the start-up
// wiring that lets text find a database's fonts.

#include "framework/AssetManager.h"
#include "text/FontFactory.h"

class FontAssets : public AssetManager {
public:
  explicit FontAssets(Database *database) : m_fonts(database) {}
  void loadSource(const String &path) override { m_fonts.loadSource(path); }
  void loadBinary(file::ByteProducer &source) override { m_fonts.loadBinary(source); }
  bool contains(Symbol name) const override { return m_fonts.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const override {
    return m_fonts.findNames(filter);
  }
  FontFactory &fonts() { return m_fonts; }

private:
  FontFactory m_fonts;
};

// Installs the font factory maker and the finder. Called by the framework at
// start.
void installFontAssets();
