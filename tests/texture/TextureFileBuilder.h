#pragma once
// Texture files for the tests: records and image bytes laid out as the
// packer does (directory first, then each image at its offset).

#include "file/BufferBinary.h"
#include "surface/PixelBuffer.h"
#include "surface/STBLoader.h"
#include "surface/ULVLoader.h"
#include "texture/TextureAnimated.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"

#include <string>
#include <vector>

namespace texturetest {

struct Entry {
  Texture *texture;
  std::vector<unsigned char> color, alpha;
};

class TextureFileBuilder {
public:
  ~TextureFileBuilder() {
    for (Entry &e : m_entries)
      delete e.texture;
  }
  TextureSimple &simple(const wchar_t *name, uint32_t format, uint32_t listedSize,
                        std::vector<unsigned char> color, std::vector<unsigned char> alpha = {}) {
    auto *t = new TextureSimple(nullptr);
    t->setName(Symbol::intern(name));
    t->listedSize = listedSize;
    t->address.format = format;
    m_entries.push_back({t, std::move(color), std::move(alpha)});
    return *t;
  }
  TextureAnimated &animated(const wchar_t *name, const wchar_t *base, uint32_t frames,
                            const wchar_t *numberFormat = L"%d") {
    auto *t = new TextureAnimated(nullptr);
    t->setName(Symbol::intern(name));
    t->base = base;
    t->numFrames = frames;
    t->numberFormat = numberFormat;
    m_entries.push_back({t, {}, {}});
    return *t;
  }
  // Directory, then the images.
  std::string bytes() {
    container::Vector<Texture *> textures;
    for (Entry &e : m_entries)
      textures.push(e.texture);
    file::BufferBinary head;
    TextureManager::writeDirectory(textures, head);
    uint32_t offset = head.size();
    for (Entry &e : m_entries) {
      if (e.texture->kind() != Texture::SIMPLE)
        continue;
      auto *t = static_cast<TextureSimple *>(e.texture);
      t->address.colorOffset = offset;
      t->address.colorSize = uint32_t(e.color.size());
      offset += uint32_t(e.color.size());
      t->address.alphaOffset = e.alpha.empty() ? 0 : offset;
      t->address.alphaSize = uint32_t(e.alpha.size());
      offset += uint32_t(e.alpha.size());
    }
    file::BufferBinary out;
    TextureManager::writeDirectory(textures, out);
    std::string all(reinterpret_cast<const char *>(out.data()), out.size());
    for (Entry &e : m_entries) {
      all.append(e.color.begin(), e.color.end());
      all.append(e.alpha.begin(), e.alpha.end());
    }
    return all;
  }

private:
  std::vector<Entry> m_entries;
};

inline PixelBuffer solid(uint32_t w, uint32_t h, int format, uint8_t r, uint8_t g, uint8_t b,
                         uint8_t a = 255) {
  PixelBuffer p;
  p.create(w, h, format);
  p.fill(r, g, b, a);
  return p;
}

inline std::vector<unsigned char> png(const PixelBuffer &p) {
  container::Vector<unsigned char> out;
  STBLoader::encodePNG(p, out);
  return {out.begin(), out.end()};
}

inline std::vector<unsigned char> jpeg(const PixelBuffer &p) {
  container::Vector<unsigned char> out;
  STBLoader::encodeJPEG(p, 95, out);
  return {out.begin(), out.end()};
}

inline std::vector<unsigned char> ulv(const PixelBuffer &p, int format, bool mipmapped) {
  file::BufferBinary out;
  ULVLoader::write(out, p, format, mipmapped);
  return {out.data(), out.data() + out.size()};
}

} // namespace texturetest
