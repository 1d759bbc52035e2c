#include "texture/TextureAnimated.h"

#include "file/BinaryPrimitives.h"
#include "file/TextBinary.h"
#include "quip/Dictionary.h"
#include "surface/Reports.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"

#include <cwchar>

void TextureAnimated::readRecord(file::ByteProducer &in) {
  Texture::read(in);
  file::read(numFrames, in);
  file::read(base, in);
  file::read(numberFormat, in);
}

void TextureAnimated::read(file::ByteProducer &in) {
  readRecord(in);
  resolveFrames();
}

void TextureAnimated::write(file::ByteReceiver &out) const {
  Texture::write(out);
  file::write(numFrames, out);
  file::write(base, out);
  file::write(numberFormat, out);
}

namespace {

// One integer conversion with flags, width and precision, and nothing else
// but "%%": the format comes from a file and must not read other arguments.
bool isNumberFormat(const String &format) {
  int conversions = 0;
  for (uint32_t i = 0; i < format.length(); ++i) {
    if (format[i] != L'%')
      continue;
    if (format[++i] == L'%')
      continue;
    while (wcschr(L"-+ 0#", format[i]) && format[i])
      ++i;
    while (format[i] >= L'0' && format[i] <= L'9')
      ++i;
    if (format[i] == L'.')
      for (++i; format[i] >= L'0' && format[i] <= L'9';)
        ++i;
    if (!format[i] || !wcschr(L"diuxX", format[i]))
      return false;
    ++conversions;
  }
  return conversions == 1;
}

} // namespace

void TextureAnimated::resolveFrames() {
  m_frames.clear();
  m_current = 0;
  TextureManager *owner = manager();
  if (!owner)
    return;
  const String label = name().toString();
  if (!isNumberFormat(numberFormat)) {
    renderError(String(L"Animated texture ") + label + L" has an unusable number format: " +
                numberFormat);
    return;
  }
  const String format = String(L"%S") + numberFormat;
  for (uint32_t i = 1; i <= numFrames; ++i) {
    wchar_t text[256];
    if (swprintf(text, 256, format.c_str(), base.c_str(), int(i)) < 0)
      text[0] = 0;
    Symbol frameName = Symbol::intern(text);
    Texture *frame = owner->find(frameName);
    if (!frame) {
      renderError(String(L"Animated texture ") + label + L" cannot find child texture " + text);
    } else if (frame->kind() != SIMPLE) {
      renderError(String(L"Animated texture ") + label +
                  L" may not include non-simple child texture " + text);
    } else {
      m_frames.push(static_cast<TextureSimple *>(frame));
    }
  }
}

void TextureAnimated::advanceFrame() {
  if (m_frames.isEmpty()) {
    m_current = 0;
    return;
  }
  m_current = (m_current + 1) % m_frames.size();
}

TextureSimple *TextureAnimated::currentFrame() {
  return m_current < m_frames.size() ? m_frames[m_current] : nullptr;
}

void TextureAnimated::load() {
  for (TextureSimple *frame : m_frames)
    frame->load();
}

void TextureAnimated::unload() {
  for (TextureSimple *frame : m_frames)
    frame->unload();
}

void TextureAnimated::reload() {
  for (TextureSimple *frame : m_frames)
    frame->reload();
}

namespace {
Symbol numFramesKey() {
  static const Symbol key = Symbol::intern(L"numFrames");
  return key;
}
Symbol baseKey() {
  static const Symbol key = Symbol::intern(L"base");
  return key;
}
Symbol numberFormatKey() {
  static const Symbol key = Symbol::intern(L"numberFormat");
  return key;
}
} // namespace

void TextureAnimated::writeDefinition(quip::Dictionary &dictionary) const {
  if (numFrames)
    dictionary.set(numFramesKey(), quip::Token(float(numFrames)));
  if (!base.isEmpty())
    dictionary.set(baseKey(), quip::Token(base));
  if (numberFormat != L"%d")
    dictionary.set(numberFormatKey(), quip::Token(numberFormat));
}

void TextureAnimated::readDefinition(const quip::Dictionary &dictionary) {
  if (const quip::Token *t = dictionary.lookup(numFramesKey()); t && t->isNumber())
    numFrames = t->number() > 0 ? uint32_t(t->number()) : 0;
  if (const quip::Token *t = dictionary.lookup(baseKey()); t && t->isString())
    base = t->string();
  if (const quip::Token *t = dictionary.lookup(numberFormatKey()); t && t->isString())
    numberFormat = t->string();
}
