// The engine's textures: the level previews' layout, the textures every level
// uses (made resident at start-up) and the unloading of the backgrounds and
// interiors that the next level does not show.

#include "engine/Engine.h"

#include "file/Database.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"

namespace {

TextureManager *currentTextures() {
  Database *database = Database::current();
  return database ? TextureManager::of(*database) : nullptr;
}

} // namespace

// Eight columns by five rows of 64 x 96 pictures per texture.
Engine::Preview Engine::levelPreviewRect(uint32_t level) {
  static const Symbol textures[] = {SYM(L"levelPreviews0"), SYM(L"levelPreviews1")};
  uint32_t column = level % 8;
  uint32_t row = (level % 40) / 8;
  Preview preview;
  preview.texture = textures[(level / 40) % 2];
  preview.pixels.set(64.0f * float(column), 96.0f * float(row), 64.0f, 96.0f);
  return preview;
}

void Engine::preloadTextures() {
  static const Symbol names[] = {SYM(L"textBonus"),  SYM(L"border"),        SYM(L"tailBall"),
                                 SYM(L"starsSmall"), SYM(L"splats"),        SYM(L"fuzzyDot"),
                                 SYM(L"chompIdle"),  SYM(L"chompExtended"), SYM(L"dot")};
  TextureManager *textures = currentTextures();
  if (!textures)
    return;
  for (Symbol name : names)
    textures->getTexture(name)->load();
}

void Engine::unloadOtherBackgrounds(Symbol background, Symbol interior) {
  static const Symbol families[] = {SYM(L"backgroundClockwork"),  SYM(L"backgroundDeepOcean"),
                                    SYM(L"backgroundElectronic"), SYM(L"backgroundFieldAndStream"),
                                    SYM(L"backgroundForest"),     SYM(L"backgroundMicro"),
                                    SYM(L"backgroundSand"),       SYM(L"backgroundSky"),
                                    SYM(L"backgroundSpace"),      SYM(L"backgroundTropicalPale"),
                                    SYM(L"interiorClockwork"),    SYM(L"interiorDeepOcean"),
                                    SYM(L"interiorElectronic"),   SYM(L"interiorFieldAndStream"),
                                    SYM(L"interiorForest"),       SYM(L"interiorMicro"),
                                    SYM(L"interiorSand"),         SYM(L"interiorSky"),
                                    SYM(L"interiorSpace"),        SYM(L"interiorTropical")};
  TextureManager *textures = currentTextures();
  if (!textures)
    return;
  // Only textures the manager holds: an unknown name would make a placeholder.
  for (Symbol name : families)
    if (name != background && name != interior)
      if (Texture *texture = textures->find(name))
        texture->unload();
}
