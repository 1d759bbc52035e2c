#include "engine/GameTextures.h"

#include "file/Database.h"
#include "texture/TextureManager.h"

Texture *gameTexture(Symbol name) {
  const Database *database = Database::current();
  TextureManager *textures = database ? TextureManager::of(*database) : nullptr;
  return textures ? textures->getTexture(name) : nullptr;
}
