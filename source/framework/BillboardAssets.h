#pragma once
// The billboard prototypes as the asset database's manager of billboards,
// and the start-up wiring that lets billboards find a database's prototypes
// and draws the capture's pointer with one.

#include "billboard/Billboard2DManager.h"
#include "framework/AssetManager.h"

class BillboardAssets : public AssetManager {
public:
  explicit BillboardAssets(Database *database) : m_billboards(database) {}
  void loadSource(const String &path) override { m_billboards.loadSource(path); }
  void loadBinary(file::ByteProducer &source) override { m_billboards.loadBinary(source); }
  bool contains(Symbol name) const override { return m_billboards.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const override {
    return m_billboards.findNames(filter);
  }
  Billboard2DManager &billboards() { return m_billboards; }

private:
  Billboard2DManager m_billboards;
};

// Installs the billboard manager maker, the prototype finder and the frame
// capture's pointer. Called by the framework at start.
void installBillboardAssets();
