// Feeds arbitrary bytes to the value-file reader and, read one byte per
// character as script files are, to the translator; whatever translates must
// come back unchanged through the value-file writer and reader.
//
// Inputs that start with the byte 0xA5 are read instead as the steps of a
// generator (structure-aware mode): each step opens or closes an array or a
// dictionary, nests hundreds of levels at once, adds thousands of elements,
// or shares a finished part twice. The steps build three things at once: a
// value, a script text with the same nesting, and a value file whose headers
// carry counts of the input's choosing. Random bytes rarely get deeper than a
// few levels; these reach the nesting limits and the reader's budget.

#include "file/BufferBinary.h"
#include "quip/Parser.h"
#include "quip/Serializer.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The translator and the value-file writer and reader on a script text.
void roundTrip(const String &text) {
  quip::Token code(quip::translate(text, String(L"fuzz")), false);
  file::BufferBinary written;
  if (quip::Serializer::writeBytes(code, written)) {
    written.seek(0);
    quip::Token back = quip::Serializer::readBytes(written);
    if (back.toString() != code.toString())
      __builtin_trap();
  }
}

quip::Token readBytes(const std::vector<unsigned char> &bytes) {
  file::BufferBinary buffer;
  if (!bytes.empty())
    buffer.receiveBytes(bytes.data(), uint32_t(bytes.size()));
  buffer.seek(0);
  return quip::Serializer::readBytes(buffer);
}

class Generator {
public:
  Generator() {
    m_file = {0x21, 1, 2, 0, 0, 0, 0, 0};
    m_open.push_back(Open{quip::Token(quip::Array(0), false), '['});
  }

  void step(uint8_t op) {
    uint32_t arg = op >> 3;
    switch (op & 7) {
    case 0: // open an array (a procedure in the text when arg is odd)
      open(arg & 1 ? '{' : '[');
      header('[', arg == 31 ? 0xFFFFFFFFu : arg * arg * arg);
      break;
    case 1:
      open('(');
      header('(', arg * arg);
      break;
    case 2:
      close();
      break;
    case 3:
      add(quip::Token(float(arg)), std::to_string(arg));
      m_file.push_back('n');
      u32(0);
      break;
    case 4: { // many levels at once
      uint32_t levels = (arg + 1) * 40;
      for (uint32_t i = 0; i < levels && budget(1); ++i) {
        open('{');
        header('[', 1);
      }
      break;
    }
    case 5: { // many elements at once
      uint32_t count = (arg + 1) * 256;
      for (uint32_t i = 0; i < count && budget(1); ++i) {
        add(quip::Token(1.0f), "1");
        m_file.push_back('e');
      }
      break;
    }
    case 6: // the last finished part, shared twice more (within the budget
            // of values the whole would expand to)
      if (!m_last.isError() && budget(2 * m_lastSize)) {
        addValue(m_last, m_lastSize);
        addValue(m_last, m_lastSize);
      }
      break;
    default:
      add(quip::Token(String(L"text")), "\"text\"");
      m_file.push_back('e');
      break;
    }
  }

  void finish() {
    while (m_open.size() > 1)
      close();
    quip::Token value = m_open[0].value;
    (void)value.toString();
    (void)value.toSortedString();
    (void)value.toIndentedString();
    file::BufferBinary written;
    if (quip::Serializer::writeBytes(value, written)) {
      written.seek(0);
      // Read back, a dictionary's keys may come in another bucket order.
      quip::Token back = quip::Serializer::readBytes(written);
      if (back.toSortedString() != value.toSortedString())
        __builtin_trap();
    }
    (void)readBytes(m_file).toString();
    roundTrip(String::fromUtf8(m_text.c_str()));
  }

private:
  struct Open {
    quip::Token value;
    char close;        // ']', '}' or ')'
    uint64_t size = 1; // values it expands to, itself included
  };

  bool budget(uint64_t n) {
    if (m_spent + n > (1u << 16))
      return false;
    m_spent += n;
    return true;
  }

  void u32(uint32_t v) {
    for (int i = 0; i < 4; ++i)
      m_file.push_back(uint8_t(v >> (8 * i)));
  }
  void header(char tag, uint32_t count) {
    m_file.push_back(uint8_t(tag));
    u32(count);
  }

  void open(char bracket) {
    if (bracket == '(') {
      m_open.push_back(Open{quip::Token(quip::Dictionary()), ')'});
    } else {
      bool procedure = bracket == '{';
      m_open.push_back(Open{quip::Token(quip::Array(0), procedure), procedure ? '}' : ']'});
    }
    m_text += bracket;
    m_text += ' ';
  }

  void close() {
    if (m_open.size() == 1)
      return;
    Open done = m_open.back();
    m_open.pop_back();
    m_text += done.close;
    m_text += ' ';
    m_last = done.value;
    m_lastSize = done.size;
    addValue(done.value, done.size);
  }

  void add(const quip::Token &value, const std::string &text) {
    if (!text.empty()) {
      if (m_open.back().close == ')')
        m_text += "k" + std::to_string(m_keys) + ": ";
      m_text += text;
      m_text += ' ';
    }
    addValue(value, 1);
  }

  void addValue(const quip::Token &value, uint64_t size) {
    m_open.back().size += size;
    quip::Token &into = m_open.back().value;
    if (into.isArray())
      into.array().append(value);
    else
      into.dictionary().set(
          Symbol::intern(String::fromUtf8(("k" + std::to_string(m_keys)).c_str())), value);
    ++m_keys;
  }

  std::vector<Open> m_open;
  std::vector<unsigned char> m_file;
  std::string m_text;
  quip::Token m_last;
  uint64_t m_lastSize = 0;
  uint32_t m_keys = 0;
  uint64_t m_spent = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  // Parse errors are printed; they would only slow the search down.
  if (!freopen("/dev/null", "w", stdout))
    return 0;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size > (1u << 20))
    return 0;
  if (size > 0 && data[0] == 0xA5) {
    if (size > 4096)
      return 0;
    Generator generator;
    for (size_t i = 1; i < size; ++i)
      generator.step(data[i]);
    generator.finish();
    return 0;
  }

  file::BufferBinary bytes;
  if (size)
    bytes.receiveBytes(data, uint32_t(size));
  bytes.seek(0);
  quip::Token value = quip::Serializer::readBytes(bytes);
  (void)value.toString();

  String text;
  text.reserve(uint32_t(size) + 1);
  for (size_t i = 0; i < size; ++i)
    text.append(wchar_t(data[i]));
  roundTrip(text);
  return 0;
}
