#pragma once
// The drop factory as the asset database's manager of drops.

#include "framework/AssetManager.h"
#include "particle/DropFactory.h"

class DropAssets : public AssetManager {
public:
  explicit DropAssets(Database *database) : m_factory(database) {}
  void loadSource(const String &path) override { m_factory.loadSource(path); }
  bool contains(Symbol name) const override { return m_factory.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const override {
    return m_factory.findNames(filter);
  }
  DropFactory &factory() { return m_factory; }

private:
  DropFactory m_factory;
};

// Installs the factory maker. Called by the framework at start.
void installDropAssets();
