#include "framework/TextureAssets.h"

#include "framework/CorvaneDatabase.h"
#include "framework/MediaTargets.h"
#include "texture/TextureAnswers.h"

namespace {

AssetManager *makeTextures(CorvaneDatabase &database) { return new TextureAssets(&database); }

TextureManager *managerOf(const Database &database) {
  auto *assets = const_cast<Database &>(database).assetDatabase();
  return assets ? &static_cast<CorvaneDatabase *>(assets)->textureManager() : nullptr;
}

} // namespace

void installTextureAssets() {
  CorvaneDatabase::setManagerMaker(CorvaneDatabase::TEXTURES, makeTextures);
  CorvaneDatabase::setKindLoader(CorvaneDatabase::TEXTURES, loadTextureFile);
  TextureManager::setFinder(managerOf);
  installTextureAnswers();
}

bool loadTextureFile(CorvaneDatabase &database) {
  database.textureManager().loadMonolith(database.path() + L"/" +
                                         media::textureFilePath(media::currentTarget()));
  return true;
}

TextureManager *existingTextureManager(Database &database) {
  Database *assets = database.assetDatabase();
  if (!assets)
    return nullptr;
  auto *made = dynamic_cast<TextureAssets *>(
      static_cast<CorvaneDatabase *>(assets)->existingManager(CorvaneDatabase::TEXTURES));
  return made ? &made->textures() : nullptr;
}

TextureManager &CorvaneDatabase::textureManager() {
  return adapterOf<TextureAssets>(TEXTURES).textures();
}
