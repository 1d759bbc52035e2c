#include "video/TextureAccess.h"

namespace video {

namespace {
TextureAccess *installed = nullptr;
}

void TextureAccess::setInstance(TextureAccess *access) { installed = access; }
TextureAccess *TextureAccess::instance() { return installed; }

unsigned int textureGLName(Texture *texture) {
  return texture && installed ? installed->glName(*texture) : 0;
}

bool textureIsOpaque(const Texture *texture) {
  return !texture || !installed || installed->isOpaque(*texture);
}

Symbol textureName(const Texture *texture) {
  return texture && installed ? installed->name(*texture) : Symbol::emptySymbol();
}

unsigned int textureListedSize(const Texture *texture) {
  return texture && installed ? installed->listedSize(*texture) : 0;
}

Texture *findTexture(const Database &database, Symbol name) {
  return installed && !name.isEmpty() ? installed->find(database, name) : nullptr;
}

} // namespace video
