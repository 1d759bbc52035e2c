// The texture file's directory: simple records, then animated ones; the
// images follow at the offsets the records give.

#include "texture/TextureManager.h"

#include "file/BinaryPrimitives.h"
#include "surface/Reports.h"
#include "texture/TextureAnimated.h"
#include "texture/TextureSimple.h"

#include <cstring>

namespace {

// The open file read without running past its end: missing bytes read as 0
// and set the overrun flag (the file's own reads would end the program).
class BoundedFile : public file::ByteProducer {
public:
  explicit BoundedFile(file::FileWrapper &file) : m_file(file) {}
  void seek(uint32_t position) override { m_file.seek(position); }
  uint32_t tell() override { return m_file.tell(); }
  uint32_t bytesRemaining() override { return m_file.bytesRemaining(); }
  void produceBytes(void *destination, uint32_t count) override {
    uint32_t available = count;
    if (count > m_file.bytesRemaining()) {
      available = m_file.bytesRemaining();
      m_overrun = true;
      memset(static_cast<char *>(destination) + available, 0, count - available);
    }
    m_file.produceBytes(destination, available);
  }
  bool overrun() const override { return m_overrun; }

private:
  file::FileWrapper &m_file;
  bool m_overrun = false;
};

void damaged(const String &path) {
  renderError(String(L"Texture file ") + path +
              L" is damaged: its directory runs past the end of the file.");
}

} // namespace

bool TextureManager::loadMonolith(const String &path) {
  if (!m_monolith.open(path, String(L"rb"))) {
    RENDER_WARNING(L"loadMonolith", String(L"Texture file cannot be opened: '") + path +
                                        L"'; every texture draws its placeholder.");
    return false;
  }
  BoundedFile in(m_monolith);
  uint32_t simpleCount = 0;
  file::read(simpleCount, in);
  for (uint32_t i = 0; i < simpleCount && !in.overrun(); ++i) {
    auto *texture = new TextureSimple(m_database);
    texture->read(in);
    if (in.overrun()) {
      delete texture;
      break;
    }
    addTexture(texture);
  }
  uint32_t animatedCount = 0;
  file::read(animatedCount, in);
  for (uint32_t i = 0; i < animatedCount && !in.overrun(); ++i) {
    auto *texture = new TextureAnimated(m_database);
    texture->setManager(this);
    texture->readRecord(in);
    // More frames than textures held cannot all be found: a damaged count.
    if (in.overrun() || texture->numFrames > count()) {
      delete texture;
      damaged(path);
      return false;
    }
    texture->resolveFrames();
    addTexture(texture);
  }
  if (in.overrun()) {
    damaged(path);
    return false;
  }
  return true;
}

void TextureManager::writeDirectory(const container::Vector<Texture *> &textures,
                                    file::ByteReceiver &out) {
  uint32_t simple = 0;
  for (Texture *texture : textures)
    simple += texture->kind() == Texture::SIMPLE;
  file::write(simple, out);
  for (Texture *texture : textures)
    if (texture->kind() == Texture::SIMPLE)
      texture->write(out);
  file::write(uint32_t(textures.size() - simple), out);
  for (Texture *texture : textures)
    if (texture->kind() != Texture::SIMPLE)
      texture->write(out);
}
