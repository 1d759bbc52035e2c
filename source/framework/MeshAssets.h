#pragma once
// The mesh definitions as the asset database's manager of meshes, and the
// start-up wiring that makes it.

#include "framework/AssetManager.h"
#include "mesh/MeshManager.h"

class MeshAssets : public AssetManager {
public:
  explicit MeshAssets(Database *database) : m_meshes(database) {}
  bool contains(Symbol name) const override { return m_meshes.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const override {
    return m_meshes.findNames(filter);
  }
  mesh::MeshManager &meshes() { return m_meshes; }

private:
  mesh::MeshManager m_meshes;
};

// Installs the mesh manager maker. Called by the framework at start.
void installMeshAssets();
