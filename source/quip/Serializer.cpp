#include "quip/Serializer.h"

#include "quip/Limits.h"

#include "error/Assert.h"
#include "file/Path.h"
#include "xstring/Print.h"

#include <cstring>

namespace quip {

namespace {

const unsigned char kMagic = 0x21;
const unsigned char kVersion[3] = {1, 2, 0};
const uint32_t kMaxTexts = 65536;

// Writing.

class Writer {
public:
  explicit Writer(file::BufferBinary &out) : m_out(out) {}

  bool write(const Token &token) {
    if (!collect(token, 0))
      return false;
    byte(kMagic);
    for (unsigned char v : kVersion)
      byte(v);
    u32(m_texts.size());
    for (const String &text : m_texts) {
      u32(text.length() * 4);
      for (uint32_t i = 0; i < text.length(); ++i)
        u32(uint32_t(text[i]));
    }
    value(token);
    return true;
  }

private:
  // Texts are keyed by their characters (a symbol would cut a text at its
  // first NUL and merge different strings).
  bool add(const String &text) {
    if (m_index.contains(text))
      return true;
    if (m_texts.size() == kMaxTexts) {
      m_tooMany = true;
      return false;
    }
    m_index.put(text, uint16_t(m_texts.size()));
    m_texts.push(text);
    return true;
  }

  // Containers deeper than kMaxNesting, and more values than
  // kMaxWrittenValues (a value whose parts are shared can stand for far more
  // than memory holds), are refused; the walk recurses once per level.
  bool collect(const Token &token, int depth) {
    if (++m_values > kMaxWrittenValues)
      return false;
    if ((token.isArray() || token.isDictionary()) && depth > kMaxNesting)
      return false;
    switch (token.type()) {
    case TYPE_STRING:
      return add(token.string());
    case TYPE_SYMBOL:
      return add(token.symbol().toString());
    case TYPE_ARRAY: {
      const Array &array = token.array();
      for (uint32_t i = 0; i < array.count(); ++i)
        if (!collect(array[i], depth + 1))
          return false;
      return true;
    }
    case TYPE_DICTIONARY: {
      bool ok = true;
      token.dictionary().forEach([&](Symbol key, const Token &value) {
        ok = ok && add(key.toString()) && collect(value, depth + 1);
      });
      return ok;
    }
    default:
      return true;
    }
  }

  void byte(unsigned char b) { m_out.receiveBytes(&b, 1); }
  void u16(uint16_t v) {
    unsigned char b[2] = {uint8_t(v), uint8_t(v >> 8)};
    m_out.receiveBytes(b, 2);
  }
  void u32(uint32_t v) {
    unsigned char b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    m_out.receiveBytes(b, 4);
  }
  void tag(char type, bool executable) { byte(uint8_t(type) | (executable ? 0x80 : 0)); }
  uint16_t indexOf(const String &text) { return m_index.get(text); }

  void value(const Token &token) {
    switch (token.type()) {
    case TYPE_NUMBER: {
      tag('n', token.isExecutable());
      float number = token.number();
      uint32_t bits;
      std::memcpy(&bits, &number, 4);
      u32(bits);
      break;
    }
    case TYPE_STRING:
      tag('s', token.isExecutable());
      u16(indexOf(token.string()));
      break;
    case TYPE_SYMBOL:
      tag('S', token.isExecutable());
      u16(indexOf(token.symbol().toString()));
      break;
    case TYPE_ARRAY: {
      tag('[', token.isExecutable());
      const Array &array = token.array();
      u32(array.count());
      for (uint32_t i = 0; i < array.count(); ++i)
        value(array[i]);
      break;
    }
    case TYPE_DICTIONARY: {
      tag('(', token.isExecutable());
      Array keys = token.dictionary().keys();
      u32(keys.count());
      for (uint32_t i = 0; i < keys.count(); ++i) {
        Symbol key = keys[i].symbol();
        tag('S', true);
        u16(indexOf(key.toString()));
        value(*token.dictionary().lookup(key));
      }
      break;
    }
    case TYPE_BUILTIN:
      tag('b', token.isExecutable());
      break;
    default:
      tag('e', token.isExecutable());
      break;
    }
  }

  file::BufferBinary &m_out;
  container::Vector<String> m_texts;
  container::HashTable<String, uint16_t> m_index;
  uint32_t m_values = 0;

public:
  bool m_tooMany = false;
};

// Reading.

class Reader {
public:
  explicit Reader(file::BufferBinary &in) : m_in(in) {}

  Token read() {
    unsigned char b = 0;
    if (!byte(b) || b != kMagic)
      return Token();
    for (unsigned char v : kVersion)
      if (!byte(b) || b != v)
        return Token();
    uint32_t count;
    // Every text takes at least its 4-byte length.
    if (!u32(count) || count > m_in.bytesRemaining() / 4)
      return Token();
    m_texts.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
      uint32_t length;
      if (!u32(length) || length % 4 != 0 || length > m_in.bytesRemaining())
        return Token();
      String text;
      text.reserve(length / 4 + 1);
      for (uint32_t k = 0; k < length / 4; ++k) {
        uint32_t c = 0;
        u32(c); // the length check above guarantees the bytes
        text.append(wchar_t(c));
      }
      m_texts.push(Symbol::intern(text));
      m_strings.push(std::move(text));
    }
    Token result;
    if (!value(result, 0))
      return Token();
    return result;
  }

private:
  bool byte(unsigned char &out) {
    if (m_in.bytesRemaining() < 1)
      return false;
    m_in.produceBytes(&out, 1);
    return true;
  }
  bool u16(uint16_t &out) {
    unsigned char b[2];
    if (m_in.bytesRemaining() < 2)
      return false;
    m_in.produceBytes(b, 2);
    out = uint16_t(b[0] | (b[1] << 8));
    return true;
  }
  bool u32(uint32_t &out) {
    unsigned char b[4];
    if (m_in.bytesRemaining() < 4)
      return false;
    m_in.produceBytes(b, 4);
    out = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    return true;
  }
  bool text(uint16_t &index) { return u16(index) && index < m_texts.size(); }

  // The bytes not yet owed to elements of the containers being read.
  uint32_t unowed() const { return m_in.bytesRemaining() - m_owed; }

  // Containers deeper than kMaxNesting are refused; the reader recurses
  // once per level.
  bool value(Token &out, int depth) {
    unsigned char tag;
    if (!byte(tag))
      return false;
    bool executable = (tag >> 7) != 0;
    char type = char(tag & 0x7F);
    if ((type == '[' || type == '(') && depth > kMaxNesting)
      return false;
    switch (type) {
    case '[': {
      uint32_t count;
      // Every element takes at least its tag byte, and the elements still
      // owed to the enclosing containers take theirs: what is reserved at all
      // levels together never exceeds the bytes left.
      if (!u32(count) || count > unowed())
        return false;
      Array array(0);
      array.reserve(count);
      m_owed += count;
      for (uint32_t i = 0; i < count; ++i) {
        --m_owed;
        Token element;
        if (!value(element, depth + 1))
          return false;
        array.append(element);
      }
      out = Token(array, false);
      break;
    }
    case 'n': {
      uint32_t bits;
      if (!u32(bits))
        return false;
      float number;
      std::memcpy(&number, &bits, 4);
      out = Token(number);
      break;
    }
    case 's': {
      uint16_t index;
      if (!text(index))
        return false;
      out = Token(m_strings[index]);
      break;
    }
    case '(': {
      uint32_t count;
      // Every entry takes at least a key (3 bytes) and a value tag.
      if (!u32(count) || count > unowed() / 4)
        return false;
      Dictionary dictionary;
      m_owed += 4 * count;
      for (uint32_t i = 0; i < count; ++i) {
        m_owed -= 4;
        Token key, entry;
        if (!value(key, depth + 1) || !key.isSymbol() || !value(entry, depth + 1))
          return false;
        dictionary.set(key.symbol(), entry);
      }
      out = Token(dictionary);
      break;
    }
    case 'S': {
      uint16_t index;
      if (!text(index))
        return false;
      out = Token(m_texts[index], false);
      break;
    }
    default:
      out = Token();
      break;
    }
    out.setExecutable(executable);
    return true;
  }

  file::BufferBinary &m_in;
  // Bytes the elements still to come of the open containers need at least
  // (never more than the bytes remaining).
  uint32_t m_owed = 0;
  container::Vector<Symbol> m_texts;
  container::Vector<String> m_strings;
};

} // namespace

Serializer::Serializer(const String &fileName) : m_fileName(fileName) {}

Token Serializer::read() {
  // A file that exists but cannot be read (permissions) is reported like a
  // damaged one rather than ending the program.
  m_opened = m_buffer.open(m_fileName);
  if (!m_opened) {
    xstring::print(stderr, L"Serializer failed to open file for read: %S\n", m_fileName.c_str());
    return Token();
  }
  return readBytes(m_buffer);
}

bool Serializer::write(const Token &token) {
  file::BufferBinary bytes;
  if (!writeBytes(token, bytes)) {
    xstring::print(stderr,
                   L"Serializer: %S holds more than 65536 distinct texts or is nested too "
                   L"deeply; not written\n",
                   m_fileName.c_str());
    return false;
  }
  // A compiled file cut short would be newer than its source and be loaded.
  return bytes.save(m_fileName);
}

Token Serializer::readBytes(file::BufferBinary &bytes) { return Reader(bytes).read(); }

bool Serializer::writeBytes(const Token &token, file::BufferBinary &out) {
  Writer writer(out);
  return writer.write(token);
}

Token readValueFile(const String &path) {
  Serializer serializer(path);
  return serializer.read();
}

} // namespace quip
