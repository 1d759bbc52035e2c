#pragma once
// The texture manager as the asset database's manager of textures, and the
// start-up wiring that hands rendering what it needs of the framework: the
// database's texture manager for a database, the texture file at step 0 of
// the load and the texture answers of the render state.

#include "framework/AssetManager.h"
#include "texture/TextureManager.h"

class CorvaneDatabase;

class TextureAssets : public AssetManager {
public:
  explicit TextureAssets(Database *database) : m_textures(database) {}
  bool contains(Symbol name) const override { return m_textures.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const override {
    return m_textures.findNames(filter);
  }
  TextureManager &textures() { return m_textures; }

private:
  TextureManager m_textures;
};

// Installs the texture manager maker, the texture step of the load, the
// manager finder and the texture answers. Called by the framework at start.
void installTextureAssets();
// Root + "/" + the running target's texture file into the database's manager.
bool loadTextureFile(CorvaneDatabase &database);
// The texture manager of a database that already made one, or null.
TextureManager *existingTextureManager(Database &database);
