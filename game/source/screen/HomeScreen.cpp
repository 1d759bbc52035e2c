#include "screen/HomeScreen.h"

#include "file/Database.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"

namespace screen {

HomeScreen::HomeScreen() : FixedScreen(L"home", {L"homeBackground", L"home"}, {L"homeIntro"}) {}

void HomeScreen::leave(Symbol) {
  static const Symbol titleSplat = Symbol::intern(L"titleSplat");
  Database *database = Database::current();
  TextureManager *textures = database ? TextureManager::of(*database) : nullptr;
  if (Texture *texture = textures ? textures->find(titleSplat) : nullptr)
    texture->unload();
}

} // namespace screen
