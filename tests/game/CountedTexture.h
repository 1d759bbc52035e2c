#pragma once
// A texture of the current database that only counts how often it is given
// back: what the game's tests watch when levels and screens unload pictures.

#include "file/Database.h"
#include "texture/Texture.h"

namespace gametest {

class CountedTexture : public Texture {
public:
  CountedTexture(const wchar_t *name, int &unloads)
      : Texture(Database::current()), m_unloads(unloads) {
    setName(Symbol::intern(name));
  }
  uint32_t kind() const override { return SIMPLE; }
  TextureSimple *currentFrame() override { return nullptr; }
  void unload() override { ++m_unloads; }
  void reload() override {}

private:
  int &m_unloads;
};

} // namespace gametest
