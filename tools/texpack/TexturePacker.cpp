#include "TexturePacker.h"

#include "ImageMaker.h"

#include "file/BufferBinary.h"
#include "file/FileStatus.h"
#include "framework/MediaOptions.h"
#include "framework/MediaTargets.h"
#include "quip/ScriptManager.h"
#include "quip/Token.h"
#include "surface/STBLoader.h"
#include "surface/SaveWhole.h"
#include "surface/ULVLoader.h"
#include "texture/TextureAnimated.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"
#include "xstring/Print.h"

#include <memory>
#include <vector>

namespace texpack {

namespace {

struct Keys {
  Symbol name = Symbol::intern(L"name"), image = Symbol::intern(L"image"),
         size = Symbol::intern(L"size"), mipmap = Symbol::intern(L"mipmap"),
         wrap = Symbol::intern(L"wrap"), options = Symbol::intern(L"options"),
         color = Symbol::intern(L"color"), color2 = Symbol::intern(L"color2"),
         cell = Symbol::intern(L"cell"), base = Symbol::intern(L"base"),
         frames = Symbol::intern(L"frames");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

bool fail(const String &text) {
  xstring::write(stderr, String(L"texpack: ") + text + L"\n");
  return false;
}

String textOf(const quip::Token *t) {
  if (!t)
    return String();
  if (t->isString())
    return t->string();
  if (t->isSymbol())
    return t->symbol().toString();
  return String();
}

uint32_t numberOf(const quip::Token *t, uint32_t fallback) {
  return t && t->isNumber() && t->number() >= 0 ? uint32_t(t->number()) : fallback;
}

math::PackedColor colorOf(const quip::Token *t, math::PackedColor fallback) {
  if (!t || !t->isArray() || t->array().count() < 3)
    return fallback;
  const quip::Array &a = t->array();
  uint8_t c[4] = {0, 0, 0, 255};
  for (uint32_t i = 0; i < a.count() && i < 4; ++i)
    c[i] = uint8_t(a[i].isNumber() ? a[i].number() : 0);
  return math::PackedColor(c[0], c[1], c[2], c[3]);
}

// One simple texture and the image bytes it points at.
struct Packed {
  std::unique_ptr<Texture> texture;
  container::Vector<unsigned char> color, alpha;
};

bool encode(const PixelBuffer &image, const media::TextureOptions &options, bool mipmap,
            TextureSimple &texture, Packed &out) {
  const bool opaque = image.isOpaque();
  const int pixelFormat = media::pixelFormatFor(options, opaque);
  texture.opaque = !PixelBuffer::hasAlpha(pixelFormat);
  texture.pixelFormat = uint32_t(pixelFormat);
  texture.address.format = options.format;
  switch (options.format) {
  case TEXTURE_PNG: {
    PixelBuffer stored;
    stored.convert(image, pixelFormat, false);
    return STBLoader::encodePNG(stored, out.color);
  }
  case TEXTURE_JPEG: {
    PixelBuffer colour;
    colour.convert(image, PixelBuffer::RGB888, false);
    if (!STBLoader::encodeJPEG(colour, int(options.jpegColorQuality), out.color))
      return false;
    if (opaque)
      return true;
    // The alpha channel as a grey picture of its own.
    PixelBuffer grey;
    grey.create(image.width(), image.height(), PixelBuffer::RGB888);
    for (uint32_t y = 0; y < image.height(); ++y)
      for (uint32_t x = 0; x < image.width(); ++x) {
        uint8_t r, g, b, a;
        image.getPixel(x, y, r, g, b, a);
        grey.setPixel(x, y, a, a, a, 255);
      }
    return STBLoader::encodeJPEG(grey, int(options.jpegAlphaQuality), out.alpha);
  }
  case TEXTURE_ULV: {
    file::BufferBinary bytes;
    ULVLoader::write(bytes, image, pixelFormat, mipmap);
    out.color.clear();
    for (uint32_t i = 0; i < bytes.size(); ++i)
      out.color.push(bytes.data()[i]);
    return true;
  }
  default:
    return false;
  }
}

// The image as one simple texture of the file.
bool packPixels(const PixelBuffer &pixels, const String &name, uint32_t listedSize, bool mipmap,
                bool wrap, const media::TextureOptions &options, std::vector<Packed> &out) {
  auto texture = std::make_unique<TextureSimple>(nullptr);
  texture->setName(Symbol::intern(name));
  texture->listedSize = listedSize;
  texture->mipmap = mipmap;
  texture->wrap = wrap;
  Packed packed;
  if (!encode(pixels, options, texture->mipmap, *texture, packed))
    return fail(String(L"texture ") + name + L" cannot be stored in its format");
  packed.texture = std::move(texture);
  out.push_back(std::move(packed));
  return true;
}

bool packSimple(const quip::Dictionary &entry, const String &name, uint32_t frame,
                std::vector<Packed> &out) {
  const Keys &k = keys();
  ImageRecipe recipe;
  const quip::Token *image = entry.lookup(k.image);
  recipe.kind = image && image->isSymbol() ? image->symbol() : Symbol::emptySymbol();
  recipe.size = numberOf(entry.lookup(k.size), 32);
  recipe.color = colorOf(entry.lookup(k.color), recipe.color);
  recipe.color2 = colorOf(entry.lookup(k.color2), recipe.color2);
  recipe.cell = numberOf(entry.lookup(k.cell), 8);
  recipe.frame = frame;
  PixelBuffer pixels;
  if (!makeImage(recipe, pixels))
    return fail(String(L"texture ") + name + L" has no image this packer can make");

  bool mipmap = false, wrap = true;
  if (const quip::Token *t = entry.lookup(k.mipmap))
    mipmap = t->toBool();
  if (const quip::Token *t = entry.lookup(k.wrap))
    wrap = t->toBool();
  media::TextureOptions options = media::defaultTextureOptions(media::currentTarget());
  if (const quip::Token *t = entry.lookup(k.options); t && t->isDictionary())
    options.read(t->dictionary());
  return packPixels(pixels, name, recipe.size, mipmap, wrap, options, out);
}

bool packMade(const container::Vector<const MadeTexture *> &made, std::vector<Packed> &out) {
  for (const MadeTexture *image : made) {
    const PixelBuffer &pixels = image->pixels;
    if (!pixels.isValid() || pixels.width() != pixels.height() || !isPowerOfTwo(pixels.width()))
      return fail(String(L"texture ") + image->name + L" is not a square power of two");
    media::TextureOptions options = media::defaultTextureOptions(media::currentTarget());
    options.format = TEXTURE_PNG;
    if (!packPixels(pixels, image->name, pixels.width(), image->mipmap, image->wrap, options, out))
      return false;
  }
  return true;
}

bool packEntries(const quip::Array &list, std::vector<Packed> &simple,
                 std::vector<std::unique_ptr<TextureAnimated>> &animated) {
  const Keys &k = keys();
  for (uint32_t i = 0; i < list.count(); ++i) {
    if (!list[i].isDictionary())
      return fail(String(L"entry ") + String::toString(i) + L" is not a dictionary");
    const quip::Dictionary &entry = list[i].dictionary();
    String name = textOf(entry.lookup(k.name));
    if (name.isEmpty())
      return fail(String(L"entry ") + String::toString(i) + L" has no name");
    const quip::Token *frames = entry.lookup(k.frames);
    if (!frames) {
      if (!packSimple(entry, name, 1, simple))
        return false;
      continue;
    }
    // Frames base1..baseN as simple textures, then the animation over them.
    auto texture = std::make_unique<TextureAnimated>(nullptr);
    texture->setName(Symbol::intern(name));
    texture->base = textOf(entry.lookup(k.base));
    if (texture->base.isEmpty())
      texture->base = name;
    texture->numFrames = numberOf(frames, 0);
    for (uint32_t f = 1; f <= texture->numFrames; ++f)
      if (!packSimple(entry, texture->base + String::toString(f), f, simple))
        return false;
    animated.push_back(std::move(texture));
  }
  return true;
}

bool makeFolders(const String &path) {
  for (int at = 1; at < int(path.length()); ++at)
    if (path[uint32_t(at)] == L'/')
      file::makeDirectory(path.substring(0, uint32_t(at)));
  return true;
}

} // namespace

String textureFileUnder(const String &dataRoot) {
  return dataRoot + L"/" + media::textureFilePath(media::currentTarget());
}

bool packTextures(const String &scriptPath, const String &outputPath,
                  const container::Vector<const MadeTexture *> &made) {
  if (!file::exists(scriptPath))
    return fail(String(L"cannot read ") + scriptPath);
  quip::Token script;
  {
    quip::ScriptManager reader(Symbol::intern(L"texpack"));
    script = reader.evaluateFile(scriptPath);
  }
  if (!script.isArray())
    return fail(scriptPath + L" does not give a list of textures");

  std::vector<Packed> simple;
  std::vector<std::unique_ptr<TextureAnimated>> animated;
  if (!packEntries(script.array(), simple, animated) || !packMade(made, simple))
    return false;

  // The directory's size is fixed by its records, so the images' offsets
  // can be known before they are written.
  container::Vector<Texture *> records;
  for (Packed &p : simple)
    records.push(p.texture.get());
  for (auto &a : animated)
    records.push(a.get());
  file::BufferBinary head;
  TextureManager::writeDirectory(records, head);
  uint32_t offset = head.size();
  for (Packed &p : simple) {
    auto &t = static_cast<TextureSimple &>(*p.texture);
    t.address.colorOffset = offset;
    t.address.colorSize = p.color.size();
    offset += p.color.size();
    t.address.alphaOffset = p.alpha.isEmpty() ? 0 : offset;
    t.address.alphaSize = p.alpha.size();
    offset += p.alpha.size();
  }
  file::BufferBinary out;
  TextureManager::writeDirectory(records, out);
  for (Packed &p : simple) {
    out.receiveBytes(p.color.data(), p.color.size());
    out.receiveBytes(p.alpha.data(), p.alpha.size());
  }
  makeFolders(outputPath);
  if (!saveWhole(outputPath, out.data(), out.size()))
    return fail(String(L"cannot write ") + outputPath);
  return true;
}

} // namespace texpack
