#include "texture/TextureAnswers.h"

#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"
#include "video/TextureAccess.h"

namespace {

class Answers : public video::TextureAccess {
public:
  unsigned int glName(Texture &texture) override {
    TextureSimple *frame = texture.currentFrame();
    return frame ? frame->glName() : 0;
  }
  bool isOpaque(const Texture &texture) override {
    TextureSimple *frame = const_cast<Texture &>(texture).currentFrame();
    return !frame || frame->opaque;
  }
  Symbol name(const Texture &texture) override { return texture.name(); }
  unsigned int listedSize(const Texture &texture) override {
    TextureSimple *frame = const_cast<Texture &>(texture).currentFrame();
    return frame ? frame->listedSize : 0;
  }
  Texture *find(const Database &database, Symbol name) override {
    TextureManager *manager = TextureManager::of(database);
    return manager ? manager->getTexture(name) : nullptr;
  }
};

} // namespace

video::TextureAccess &textureAnswers() {
  static Answers answers;
  return answers;
}

void installTextureAnswers() { video::TextureAccess::setInstance(&textureAnswers()); }
