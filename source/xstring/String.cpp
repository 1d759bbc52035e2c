#include "xstring/String.h"

#include "container/Hash.h"
#include "xstring/Print.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <cwctype>

String::String(const wchar_t *text) {
  if (text)
    append(text);
}

String::String(const char *text) {
  if (text)
    assign(text);
}

String::String(const String &other) {
  if (other.m_length)
    append(other.m_data, other.m_length);
}

String::String(String &&other) noexcept
    : m_data(other.m_data), m_length(other.m_length), m_capacity(other.m_capacity) {
  other.m_data = nullptr;
  other.m_length = other.m_capacity = 0;
}

String::String(const container::Vector<char> &bytes) {
  uint32_t n = bytes.size();
  // A terminating 0 in the vector is not part of the text.
  uint32_t len = 0;
  while (len < n && bytes[len] != 0)
    ++len;
  resize(len);
  for (uint32_t i = 0; i < len; ++i)
    m_data[i] = wchar_t((unsigned char)bytes[i]);
}

String::String(bool value) { append(value ? L"true" : L"false"); }

String::String(const wchar_t *text, uint32_t count) { assign(text, count); }

String::~String() { delete[] m_data; }

String &String::operator=(const String &other) {
  if (this != &other)
    assign(other);
  return *this;
}

String &String::operator=(String &&other) noexcept {
  if (this != &other) {
    delete[] m_data;
    m_data = other.m_data;
    m_length = other.m_length;
    m_capacity = other.m_capacity;
    other.m_data = nullptr;
    other.m_length = other.m_capacity = 0;
  }
  return *this;
}

String &String::operator=(const wchar_t *text) {
  assign(text);
  return *this;
}

String &String::operator=(const char *text) {
  assign(text);
  return *this;
}

void String::reserve(uint32_t n) {
  // Room for the text and its terminator, whatever the caller asked.
  if (n <= m_length)
    n = m_length + 1;
  if (m_capacity >= n)
    return;
  wchar_t *fresh = new wchar_t[n];
  if (m_data)
    std::wmemcpy(fresh, m_data, m_length);
  fresh[m_length] = 0;
  delete[] m_data;
  m_data = fresh;
  m_capacity = n;
}

void String::resize(uint32_t n) {
  if (n == 0 && !m_data)
    return;
  if (m_capacity < n + 1)
    reserve(n + 1);
  m_length = n;
  m_data[n] = 0;
}

const wchar_t *String::c_str() const {
  if (!m_data) {
    String *self = const_cast<String *>(this);
    self->m_data = new wchar_t[1];
    self->m_data[0] = 0;
    self->m_capacity = 1;
  }
  return m_data;
}

void String::append(wchar_t c) {
  if (m_length + 2 > m_capacity)
    reserve(m_capacity == 0 ? 2 : 2 * m_capacity);
  m_data[m_length++] = c;
  m_data[m_length] = 0;
}

void String::append(const wchar_t *text) {
  if (!text)
    return;
  uint32_t n = uint32_t(std::wcslen(text));
  // Appending text reserves length + n + 1 even for an empty text, so a
  // string that never allocated gets its terminator.
  if (n == 0)
    reserve(m_length + 1);
  else
    append(text, n);
}

void String::append(const wchar_t *text, uint32_t n) {
  if (n == 0)
    return;
  // The text may be our own: remember its offset across the reallocation.
  bool own = m_data && text >= m_data && text < m_data + m_capacity;
  size_t offset = own ? size_t(text - m_data) : 0;
  reserve(m_length + n + 1);
  if (own)
    text = m_data + offset;
  std::wmemmove(m_data + m_length, text, n);
  m_length += n;
  m_data[m_length] = 0;
}

void String::append(const String &text) {
  if (text.m_length)
    append(text.m_data, text.m_length);
  else
    reserve(m_length + 1);
}

void String::assign(const wchar_t *text) {
  if (text == m_data && text)
    return;
  if (!text) {
    resize(0);
    return;
  }
  if (m_data && text > m_data && text < m_data + m_capacity) {
    String copy(text);
    *this = std::move(copy);
    return;
  }
  resize(0);
  append(text);
}

void String::assign(const String &other) {
  if (m_length == 0 && other.m_length == 0)
    return;
  if (other.m_length == 0) {
    resize(0);
    return;
  }
  assign(other.m_data, other.m_length);
}

void String::assign(const wchar_t *text, uint32_t count) {
  if (text == m_data && text)
    return;
  if (m_data && text > m_data && text < m_data + m_capacity) {
    String copy(text, count);
    *this = std::move(copy);
    return;
  }
  resize(count);
  if (count)
    std::wmemcpy(m_data, text, count);
}

void String::assign(const char *text) {
  uint32_t n = text ? uint32_t(std::strlen(text)) : 0;
  resize(n);
  for (uint32_t i = 0; i < n; ++i)
    m_data[i] = wchar_t((unsigned char)text[i]);
}

int String::find(wchar_t c) const {
  for (uint32_t i = 0; i < m_length; ++i)
    if (m_data[i] == c)
      return int(i);
  return -1;
}

int String::reverseFind(wchar_t c) const {
  for (uint32_t i = m_length; i > 0; --i)
    if (m_data[i - 1] == c)
      return int(i - 1);
  return -1;
}

int String::find(const wchar_t *text) const {
  if (!m_data || !text || !text[0])
    return -1;
  uint32_t n = uint32_t(std::wcslen(text));
  if (n > m_length)
    return -1;
  for (uint32_t i = 0; i + n <= m_length; ++i)
    if (m_data[i] == text[0] && std::wmemcmp(m_data + i, text, n) == 0)
      return int(i);
  return -1;
}

bool String::startsWith(const wchar_t *text) const {
  if (!m_data)
    return false;
  uint32_t n = uint32_t(std::wcslen(text));
  if (n > m_length)
    return false;
  return std::wmemcmp(m_data, text, n) == 0;
}

bool String::endsWith(const wchar_t *text) const {
  uint32_t n = uint32_t(std::wcslen(text));
  if (n > m_length)
    return false;
  return n == 0 || std::wmemcmp(m_data + m_length - n, text, n) == 0;
}

uint32_t String::count(wchar_t c) const {
  uint32_t n = 0;
  for (uint32_t i = 0; i < m_length; ++i)
    if (m_data[i] == c)
      ++n;
  return n;
}

void String::replace(wchar_t from, wchar_t to) {
  if (from == to)
    return;
  for (uint32_t i = 0; i < m_length; ++i)
    if (m_data[i] == from)
      m_data[i] = to;
}

void String::erase(uint32_t i) {
  std::wmemmove(m_data + i, m_data + i + 1, m_length - i);
  --m_length;
}

void String::insert(uint32_t i, wchar_t c) {
  if (i == m_length) {
    append(c);
    return;
  }
  append(m_data[m_length - 1]);
  for (uint32_t k = m_length - 2; k > i; --k)
    m_data[k] = m_data[k - 1];
  m_data[i] = c;
}

void String::shiftDown() {
  for (uint32_t i = 0; i < m_length; ++i)
    --m_data[i];
}

void String::shiftUp() {
  for (uint32_t i = 0; i < m_length; ++i)
    ++m_data[i];
}

String String::substring(uint32_t start, uint32_t count) const {
  if (start >= m_length)
    return String();
  if (count > m_length - start)
    count = m_length - start;
  return String(m_data + start, count);
}

static int threeWay(int c) {
  return c < 0 ? String::Less : (c == 0 ? String::Equal : String::Greater);
}

int String::compare(const wchar_t *a, const wchar_t *b) { return threeWay(std::wcscmp(a, b)); }

int String::compare(const wchar_t *text) const {
  if (!m_data)
    return Less;
  return threeWay(std::wcscmp(m_data, text));
}

int String::compare(const String &other) const {
  if (m_length == 0)
    return other.m_length == 0 ? Equal : Less;
  if (other.m_length == 0)
    return Greater;
  return threeWay(std::wcscmp(m_data, other.m_data));
}

bool String::toBool() const { return compare(String(L"false")) != Equal; }

void String::toLower() {
  for (uint32_t i = 0; i < m_length; ++i)
    m_data[i] = wchar_t(std::towlower(m_data[i]));
}

void String::toUpper() {
  for (uint32_t i = 0; i < m_length; ++i)
    m_data[i] = wchar_t(std::towupper(m_data[i]));
}

String String::lowerCased() const {
  String s(*this);
  s.toLower();
  return s;
}

String String::upperCased() const {
  String s(*this);
  s.toUpper();
  return s;
}

void String::capitalizeFirst() {
  if (m_length)
    m_data[0] = wchar_t(std::towupper(m_data[0]));
}

void String::camelCase() {
  String out;
  bool upperNext = false;
  for (uint32_t i = 0; i < m_length; ++i) {
    wchar_t c = m_data[i];
    if (c == L' ') {
      upperNext = true;
      continue;
    }
    out.append(wchar_t(upperNext ? std::towupper(c) : std::towlower(c)));
    upperNext = false;
  }
  assign(out);
}

void String::humanize() {
  if (!m_length)
    return;
  String out;
  out.append(wchar_t(std::towupper(m_data[0])));
  for (uint32_t i = 1; i < m_length; ++i) {
    wchar_t c = m_data[i];
    if (std::iswupper(c))
      out.append(L' ');
    out.append(wchar_t(std::towlower(c)));
  }
  assign(out);
}

void String::split(const String &separators, container::Vector<String> &out) const {
  String token;
  bool quoted = false;
  for (uint32_t i = 0; i < m_length; ++i) {
    wchar_t c = m_data[i];
    if (c == L'"') {
      quoted = !quoted;
      token.append(c);
    } else if (!quoted && separators.find(c) >= 0) {
      if (token.m_length) {
        out.push(token);
        token.resize(0);
      }
    } else {
      token.append(c);
    }
  }
  if (token.m_length)
    out.push(token);
}

void String::toNarrow(container::Vector<char> &out) const {
  out.clear();
  if (!m_length)
    return;
  out.reserve(m_length + 1);
  for (uint32_t i = 0; i < m_length; ++i)
    out.push(char(m_data[i] & 0xFF));
  out.push(0);
}

char *String::toNarrow() const {
  char *out = new char[m_length + 1];
  for (uint32_t i = 0; i < m_length; ++i)
    out[i] = char(m_data[i] & 0xFF);
  out[m_length] = 0;
  return out;
}

void String::toNarrow(char *buffer, uint32_t bufferSize) const {
  if (!bufferSize)
    return;
  uint32_t n = m_length < bufferSize - 1 ? m_length : bufferSize - 1;
  for (uint32_t i = 0; i < n; ++i)
    buffer[i] = char(m_data[i] & 0xFF);
  buffer[n] = 0;
}

wchar_t *String::duplicate() const {
  wchar_t *out = new wchar_t[m_length + 1];
  if (m_length)
    std::wmemcpy(out, m_data, m_length);
  out[m_length] = 0;
  return out;
}

void String::toUtf8(container::Vector<char> &out) const {
  out.clear();
  out.reserve(m_length + 1);
  for (uint32_t i = 0; i < m_length; ++i) {
    uint32_t c = uint32_t(m_data[i]);
    if (c < 0x80) {
      out.push(char(c));
    } else if (c < 0x800) {
      out.push(char(0xC0 | (c >> 6)));
      out.push(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push(char(0xE0 | (c >> 12)));
      out.push(char(0x80 | ((c >> 6) & 0x3F)));
      out.push(char(0x80 | (c & 0x3F)));
    } else {
      out.push(char(0xF0 | ((c >> 18) & 0x07)));
      out.push(char(0x80 | ((c >> 12) & 0x3F)));
      out.push(char(0x80 | ((c >> 6) & 0x3F)));
      out.push(char(0x80 | (c & 0x3F)));
    }
  }
  out.push(0);
}

String String::fromUtf8(const char *text) {
  String out;
  if (!text)
    return out;
  const unsigned char *p = reinterpret_cast<const unsigned char *>(text);
  while (*p) {
    uint32_t c = *p;
    int extra = 0;
    if (c >= 0xF0 && c < 0xF8) {
      c &= 0x07;
      extra = 3;
    } else if (c >= 0xE0) {
      c &= 0x0F;
      extra = 2;
    } else if (c >= 0xC0) {
      c &= 0x1F;
      extra = 1;
    }
    ++p;
    // A broken sequence keeps its lead byte as a Latin-1 character.
    int k = 0;
    uint32_t value = c;
    for (; k < extra && (p[k] & 0xC0) == 0x80; ++k)
      value = (value << 6) | (p[k] & 0x3F);
    if (k == extra) {
      out.append(wchar_t(value));
      p += extra;
    } else {
      out.append(wchar_t(p[-1]));
    }
  }
  return out;
}

int String::toInt(const wchar_t *text) {
  int v = 0;
  if (!text || std::swscanf(text, L"%d", &v) != 1)
    return 0;
  return v;
}

unsigned int String::toUnsigned(const wchar_t *text) {
  unsigned int v = 0;
  if (!text || std::swscanf(text, L"%u", &v) != 1)
    return 0;
  return v;
}

float String::toFloat(const wchar_t *text) {
  float v = 0;
  if (!text || std::swscanf(text, L"%f", &v) != 1)
    return 0;
  return v;
}

int String::toInt() const { return toInt(c_str()); }
unsigned int String::toUnsigned() const { return toUnsigned(c_str()); }
float String::toFloat() const { return toFloat(c_str()); }

String String::toString(unsigned int value) {
  wchar_t buffer[256];
  std::swprintf(buffer, 256, L"%u", value);
  return String(buffer);
}

String String::toString(int value) {
  wchar_t buffer[256];
  std::swprintf(buffer, 256, L"%d", value);
  return String(buffer);
}

// Drops trailing zeros, then a final decimal point.
static void trimZeros(wchar_t *buffer) {
  size_t n = std::wcslen(buffer);
  if (!std::wcschr(buffer, L'.'))
    return;
  while (n > 0 && buffer[n - 1] == L'0')
    buffer[--n] = 0;
  if (n > 0 && buffer[n - 1] == L'.')
    buffer[--n] = 0;
}

String String::toString(float value) {
  wchar_t buffer[256];
  if (std::swprintf(buffer, 256, L"%f", double(value)) < 0)
    buffer[0] = 0;
  trimZeros(buffer);
  return String(buffer);
}

String String::formatNumber(float value) {
  wchar_t buffer[256];
  double f = std::floor(double(value));
  if (f >= -2147483648.0 && f <= 2147483647.0) {
    int i = int(f);
    if (float(i) == value) {
      std::swprintf(buffer, 256, L"%d", i);
      return String(buffer);
    }
  }
  const wchar_t *fmt = std::fabs(value) < 0.01f ? L"%f" : L"%.4f";
  if (std::swprintf(buffer, 256, fmt, double(value)) < 0)
    buffer[0] = 0;
  trimZeros(buffer);
  return String(buffer);
}

static wchar_t g_thousandSeparator = L',';

wchar_t String::thousandSeparator() { return g_thousandSeparator; }
void String::setThousandSeparator(wchar_t c) { g_thousandSeparator = c; }

void String::insertThousandSeparators() {
  // A leading minus sign is not a digit: no separator right after it.
  int first = m_length && m_data[0] == L'-' ? 1 : 0;
  for (int i = int(m_length) - 3; i > first; i -= 3)
    insert(uint32_t(i), g_thousandSeparator);
}

String String::toStringWithSeparators(int value) {
  String s = toString(value);
  s.insertThousandSeparators();
  return s;
}

String String::format(const wchar_t *fmt, ...) {
  va_list args;
  va_start(args, fmt);
  String out = xstring::vformat(fmt, args);
  va_end(args);
  return out;
}

void String::escape() {
  static const wchar_t from[] = L"\n\t\"\\'";
  static const wchar_t to[] = L"nt\"\\'";
  uint32_t replaced = 0;
  for (uint32_t i = 0; i < m_length; ++i)
    if (m_data[i] && std::wcschr(from, m_data[i]))
      ++replaced;
  if (!replaced)
    return;
  String out;
  out.reserve(m_length + replaced + 1);
  for (uint32_t i = 0; i < m_length; ++i) {
    const wchar_t *hit = m_data[i] ? std::wcschr(from, m_data[i]) : nullptr;
    if (hit) {
      out.append(L'\\');
      out.append(to[hit - from]);
    } else {
      out.append(m_data[i]);
    }
  }
  *this = std::move(out);
}

String operator+(const String &a, const String &b) {
  String s;
  s.reserve(a.length() + b.length() + 1);
  s.append(a);
  s.append(b);
  return s;
}

String operator+(const String &a, const wchar_t *b) {
  String s(a);
  s.append(b);
  return s;
}

String operator+(const wchar_t *a, const String &b) {
  String s(a);
  s.append(b);
  return s;
}

String operator+(const String &a, wchar_t c) {
  String s(a);
  s.append(c);
  return s;
}

String operator+(wchar_t c, const String &a) {
  String s;
  s.append(c);
  s.append(a);
  return s;
}

void splitPath(const String &path, String &directory, String &name, String &extension) {
  int slash = path.reverseFind(L'/');
  String file;
  if (slash < 0) {
    directory = L".";
    file = path;
  } else {
    directory = path.substring(0, uint32_t(slash));
    file = path.substring(uint32_t(slash) + 1, path.length());
  }
  int dot = file.reverseFind(L'.');
  if (dot < 0) {
    name = file;
    return;
  }
  name = file.substring(0, uint32_t(dot));
  if (uint32_t(dot) + 1 < file.length())
    extension = file.substring(uint32_t(dot) + 1, file.length());
}

namespace container {
uint32_t hash(const String &s) {
  uint32_t h = 5381;
  for (uint32_t i = 0; i < s.length(); ++i)
    h = h * 33 + uint32_t(s.at(i));
  return h;
}
} // namespace container
