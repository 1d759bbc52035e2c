// A font's dictionary form (its glyphs in a glyph file of their own) and its
// binary record.

#include "text/Font.h"

#include "billboard/Billboard2D.h"
#include "error/AssertHandler.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "file/Database.h"
#include "file/TextBinary.h"
#include "quip/FrameworkManager.h"
#include "quip/Token.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"

#include <vector>

namespace {

struct Keys {
  Symbol name = Symbol::intern(L"name");
  Symbol spacing = Symbol::intern(L"spacing");
  Symbol baseline = Symbol::intern(L"baseline");
  Symbol scale = Symbol::intern(L"scale");
  Symbol file = Symbol::intern(L"file");
  Symbol ascent = Symbol::intern(L"ascent");
  Symbol strikeoutHeight = Symbol::intern(L"strikeoutHeight");
  Symbol character = Symbol::intern(L"character");
  Symbol billboard = Symbol::intern(L"billboard");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

void warn(const Font &font, const String &text) {
  framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, L"read",
                           String(L"Font ") + font.name().text() + L": " + text);
}

} // namespace

bool Font::read(Database *database, const quip::Dictionary &d) {
  const Keys &k = keys();
  clearGlyphs();
  m_height = 0.0f;
  if (const quip::Token *t = d.lookupTyped(k.name, quip::TYPE_SYMBOL))
    t->get(m_name);
  if (const quip::Token *t = d.lookupTyped(k.spacing, quip::TYPE_NUMBER))
    t->get(m_spacing);
  if (const quip::Token *t = d.lookupTyped(k.baseline, quip::TYPE_NUMBER))
    t->get(m_baseline);
  math::Vector2 scale(1.0f, 1.0f);
  if (const quip::Token *t = d.lookup(k.scale))
    t->get(scale);

  bool ok = true;
  String file;
  const quip::Token *fileToken = d.lookupTyped(k.file, quip::TYPE_STRING);
  if (!fileToken || !fileToken->get(file) || file.isEmpty()) {
    warn(*this, L"no glyph \"file\"; the font has no glyphs");
    ok = false;
  } else {
    String path = (database ? database->path() : String(L".")) + L"/" + file;
    quip::Token glyphs = quip::evaluateWithFramework(database, path);
    if (!glyphs.isArray()) {
      warn(*this, String(L"the glyph file ") + path + L" gives no list; the font has no glyphs");
      ok = false;
    } else {
      const quip::Array &list = glyphs.array();
      for (uint32_t i = 0; i < list.count(); ++i) {
        if (!list[i].isDictionary())
          continue;
        const quip::Dictionary &entry = list[i].dictionary();
        String character;
        const quip::Token *c = entry.lookupTyped(k.character, quip::TYPE_STRING);
        const quip::Token *b = entry.lookupTyped(k.billboard, quip::TYPE_DICTIONARY);
        if (!c || !c->get(character) || character.isEmpty() || !b || !b->isDictionary())
          continue;
        unsigned code = unsigned(character[0]);
        if (code - FirstCharacter >= GlyphCount) {
          warn(*this,
               String::format(L"glyph of character %u ignored: only 33 to 288 have glyphs", code));
          continue;
        }
        auto *glyph = new Billboard2D;
        glyph->read(database, b->dictionary());
        glyph->storedOrigin.y += m_baseline;
        addGlyphHeight(*glyph);
        setGlyph(code, glyph);
      }
    }
  }

  for (Billboard2D *glyph : m_glyphs)
    if (glyph)
      glyph->initialScale = scale;
  m_height *= scale.y;
  m_ascent = m_height - m_baseline;
  if (const quip::Token *t = d.lookupTyped(k.ascent, quip::TYPE_NUMBER))
    t->get(m_ascent);
  m_strikeoutHeight = m_ascent * 0.5f;
  if (const quip::Token *t = d.lookupTyped(k.strikeoutHeight, quip::TYPE_NUMBER))
    t->get(m_strikeoutHeight);
  return ok;
}

void Font::write(file::ByteReceiver &out) const {
  file::write(m_name, out);
  file::write(m_spacing, out);
  file::write(m_baseline, out);
  file::write(m_ascent, out);
  file::write(m_strikeoutHeight, out);

  // The textures in the order their first glyph comes; a record holds at
  // most 255 of them.
  std::vector<Texture *> textures;
  for (const Billboard2D *glyph : m_glyphs) {
    if (!glyph)
      continue;
    bool known = false;
    for (Texture *t : textures)
      known = known || t == glyph->texture();
    if (!known && textures.size() < 255)
      textures.push_back(glyph->texture());
  }
  file::write(uint8_t(textures.size()), out);
  for (Texture *texture : textures) {
    file::write(texture ? texture->name() : Symbol::emptySymbol(), out);
    uint16_t count = 0;
    for (const Billboard2D *glyph : m_glyphs)
      count += glyph && glyph->texture() == texture ? 1 : 0;
    file::write(count, out);
    for (unsigned i = 0; i < GlyphCount; ++i) {
      const Billboard2D *glyph = m_glyphs[i];
      if (!glyph || glyph->texture() != texture)
        continue;
      file::write(uint16_t(i + FirstCharacter), out);
      file::write(glyph->texCoords[0].x, out);
      file::write(glyph->texCoords[3].x, out);
      file::write(glyph->texCoords[0].y, out);
      file::write(glyph->texCoords[1].y, out);
      file::write(glyph->size.x, out);
      file::write(glyph->size.y, out);
      file::write(glyph->initialScale.x, out);
      file::write(glyph->initialScale.y, out);
      file::write(glyph->storedOrigin.x, out);
      file::write(glyph->storedOrigin.y - m_baseline, out);
    }
  }
}

bool Font::readBinary(Database *database, file::ByteProducer &in) {
  clearGlyphs();
  m_height = 0.0f;
  file::read(m_name, in);
  file::read(m_spacing, in);
  file::read(m_baseline, in);
  file::read(m_ascent, in);
  file::read(m_strikeoutHeight, in);
  uint8_t textureCount = 0;
  file::read(textureCount, in);
  TextureManager *textures = database ? TextureManager::of(*database) : nullptr;
  for (unsigned t = 0; t < textureCount && !in.overrun(); ++t) {
    Symbol textureName;
    uint16_t count = 0;
    file::read(textureName, in);
    file::read(count, in);
    Texture *texture =
        textures && !textureName.isEmpty() ? textures->getTexture(textureName) : nullptr;
    for (unsigned g = 0; g < count && !in.overrun(); ++g) {
      uint16_t code = 0;
      float uLeft, uRight, vTop, vBottom;
      math::Vector2 size, scale, origin;
      file::read(code, in);
      file::read(uLeft, in);
      file::read(uRight, in);
      file::read(vTop, in);
      file::read(vBottom, in);
      file::read(size.x, in);
      file::read(size.y, in);
      file::read(scale.x, in);
      file::read(scale.y, in);
      file::read(origin.x, in);
      file::read(origin.y, in);
      if (in.overrun())
        break;
      if (unsigned(code) - FirstCharacter >= GlyphCount) {
        warn(*this, String::format(L"glyph of character %u ignored: only 33 to 288 have glyphs",
                                   unsigned(code)));
        continue;
      }
      // Not made from the texture: its size is the record's, never the texture's.
      auto *glyph = new Billboard2D;
      glyph->setTexture(texture);
      glyph->texCoords[0] = math::Vector2(uLeft, vTop);
      glyph->texCoords[1] = math::Vector2(uLeft, vBottom);
      glyph->texCoords[2] = math::Vector2(uRight, vBottom);
      glyph->texCoords[3] = math::Vector2(uRight, vTop);
      glyph->size = size;
      glyph->initialScale = scale;
      glyph->storedOrigin = math::Vector2(origin.x, origin.y + m_baseline);
      glyph->centered = false;
      addGlyphHeight(*glyph);
      setGlyph(code, glyph);
    }
  }
  if (in.overrun()) {
    framework::reportError(String(L"Font record ") + m_name.text() + L": truncated");
    return false;
  }
  return true;
}
