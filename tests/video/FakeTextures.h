#pragma once
// Stand-ins for textures in the rendering tests: a GL texture of one colour
// with a name, answered through the texture access the texture module
// installs in the program.

#include "video/TextureAccess.h"

#include <GLES/gl.h>

#include <vector>

namespace gltest {

struct FakeTexture {
  GLuint glName = 0;
  bool opaque = true;
  Symbol name;
};

inline Texture *asTexture(FakeTexture *t) { return reinterpret_cast<Texture *>(t); }

struct FakeTextureAccess : video::TextureAccess {
  std::vector<FakeTexture *> known;
  unsigned int glName(Texture &t) override { return reinterpret_cast<FakeTexture &>(t).glName; }
  bool isOpaque(const Texture &t) override {
    return reinterpret_cast<const FakeTexture &>(t).opaque;
  }
  Symbol name(const Texture &t) override { return reinterpret_cast<const FakeTexture &>(t).name; }
  Texture *find(const Database &, Symbol name) override {
    for (FakeTexture *t : known)
      if (t->name == name)
        return asTexture(t);
    return nullptr;
  }
};

// Installed for the scope.
struct TextureScope {
  FakeTextureAccess access;
  TextureScope() { video::TextureAccess::setInstance(&access); }
  ~TextureScope() { video::TextureAccess::setInstance(nullptr); }
};

// A 2 x 2 texture of one colour on the current context.
inline GLuint makeGLTexture(unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  unsigned char pixels[16];
  for (int i = 0; i < 4; ++i) {
    pixels[4 * i] = r;
    pixels[4 * i + 1] = g;
    pixels[4 * i + 2] = b;
    pixels[4 * i + 3] = a;
  }
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glBindTexture(GL_TEXTURE_2D, 0);
  return name;
}

} // namespace gltest
