#pragma once
// The shapes as the asset database's manager of shapes, and the start-up
// wiring that lets scripts find a database's shapes.

#include "framework/AssetManager.h"
#include "shape/ShapeManager.h"

class ShapeAssets : public AssetManager {
public:
  explicit ShapeAssets(Database *database) : m_shapes(database) {}
  void loadSource(const String &path) override { m_shapes.loadSource(path); }
  bool contains(Symbol name) const override { return m_shapes.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const override {
    return m_shapes.findNames(filter);
  }
  shape::ShapeManager &shapes() { return m_shapes; }

private:
  shape::ShapeManager m_shapes;
};

// Installs the shape manager maker and finder. Called by the framework at
// start.
void installShapeAssets();
