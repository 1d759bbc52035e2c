#pragma once
// What rendering asks of a texture. The texture module installs the real
// answers; until one is installed there are no textures: nothing is bound,
// every texture counts as opaque and no name resolves.

#include "xstring/Symbol.h"

class Texture;
class Database;

namespace video {

class TextureAccess {
public:
  virtual ~TextureAccess() = default;
  // The GL name of the frame to draw now, uploaded first when needed.
  virtual unsigned int glName(Texture &texture) = 0;
  // Whether the image of the frame to draw now has no alpha.
  virtual bool isOpaque(const Texture &texture) = 0;
  virtual Symbol name(const Texture &texture) = 0;
  // The listed size in pixels of the frame to draw now; 0 when not known.
  virtual unsigned int listedSize(const Texture &texture) {
    (void)texture;
    return 0;
  }
  // The texture of that name in the database's texture manager (its
  // placeholder when the name is missing).
  virtual Texture *find(const Database &database, Symbol name) = 0;

  // Not owned; null removes it.
  static void setInstance(TextureAccess *access);
  static TextureAccess *instance();
};

// The same questions with the answers for no installed access.
unsigned int textureGLName(Texture *texture);
bool textureIsOpaque(const Texture *texture);
Symbol textureName(const Texture *texture);
unsigned int textureListedSize(const Texture *texture);
Texture *findTexture(const Database &database, Symbol name);

} // namespace video
