#pragma once
// The one text type: a growable array of 4-byte wide characters (UTF-32).
// A default String allocates nothing; appending one character doubles the
// capacity while appending text reserves exactly what it needs.

#include "container/Vector.h"

#include <cstdint>
#include <cwchar>

class String {
public:
  // Three-way comparison codes.
  enum { Less = 0, Equal = 1, Greater = 2 };

  String() = default;
  String(const wchar_t *text);
  String(const char *text);
  String(const String &other);
  String(String &&other) noexcept;
  explicit String(const container::Vector<char> &bytes);
  explicit String(bool value);
  String(const wchar_t *text, uint32_t count);
  ~String();

  String &operator=(const String &other);
  String &operator=(String &&other) noexcept;
  String &operator=(const wchar_t *text);
  String &operator=(const char *text);

  // Storage.
  void reserve(uint32_t n);
  void resize(uint32_t n);
  uint32_t length() const { return m_length; }
  uint32_t capacity() const { return m_capacity; }
  bool isEmpty() const { return m_length == 0; }
  const wchar_t *c_str() const;
  wchar_t *data() { return m_data; }

  void append(wchar_t c);
  void append(const wchar_t *text);
  void append(const wchar_t *text, uint32_t count);
  void append(const String &text);
  String &operator+=(const String &text) {
    append(text);
    return *this;
  }
  String &operator+=(const wchar_t *text) {
    append(text);
    return *this;
  }
  String &operator+=(wchar_t c) {
    append(c);
    return *this;
  }

  void assign(const wchar_t *text);
  void assign(const String &other);
  void assign(const wchar_t *text, uint32_t count);
  void assign(const char *text);

  // Access and search.
  wchar_t at(uint32_t i) const { return i < m_length ? m_data[i] : 0; }
  wchar_t operator[](uint32_t i) const { return at(i); }
  wchar_t *pointerAt(uint32_t i) { return m_data + i; }
  const wchar_t *pointerAt(uint32_t i) const { return m_data + i; }
  void set(uint32_t i, wchar_t c) { m_data[i] = c; }
  int find(wchar_t c) const;
  int reverseFind(wchar_t c) const;
  int find(const wchar_t *text) const;
  int find(const String &text) const { return find(text.c_str()); }
  bool startsWith(const wchar_t *text) const;
  bool startsWith(const String &text) const { return startsWith(text.c_str()); }
  bool endsWith(const wchar_t *text) const;
  uint32_t count(wchar_t c) const;
  void replace(wchar_t from, wchar_t to);
  void erase(uint32_t i);
  void insert(uint32_t i, wchar_t c);
  void shiftDown();
  void shiftUp();
  String substring(uint32_t start, uint32_t count) const;
  static bool isWhitespace(wchar_t c) {
    return c == L'\t' || c == L' ' || c == L'\n' || c == L'\r';
  }

  // Comparison (codes Less, Equal, Greater).
  int compare(const wchar_t *text) const;
  int compare(const String &other) const;
  static int compare(const wchar_t *a, const wchar_t *b);
  bool operator==(const String &other) const { return compare(other) == Equal; }
  bool operator!=(const String &other) const { return compare(other) != Equal; }
  bool operator==(const wchar_t *text) const { return compare(String(text)) == Equal; }
  bool operator!=(const wchar_t *text) const { return !(*this == text); }
  bool operator<(const String &other) const { return compare(other) == Less; }
  // Every text except exactly "false" is true.
  bool toBool() const;

  // Case.
  void toLower();
  void toUpper();
  String lowerCased() const;
  String upperCased() const;
  void capitalizeFirst();
  void camelCase();
  void humanize();

  void split(const String &separators, container::Vector<String> &out) const;

  // Narrow text: the low 8 bits of each character.
  void toNarrow(container::Vector<char> &out) const;
  char *toNarrow() const;
  void toNarrow(char *buffer, uint32_t bufferSize) const;
  wchar_t *duplicate() const;
  // UTF-8 for the outside world (file names, sockets, the terminal).
  void toUtf8(container::Vector<char> &out) const;
  static String fromUtf8(const char *text);

  // Numbers.
  int toInt() const;
  unsigned int toUnsigned() const;
  float toFloat() const;
  static int toInt(const wchar_t *text);
  static unsigned int toUnsigned(const wchar_t *text);
  static float toFloat(const wchar_t *text);
  static String toString(unsigned int value);
  static String toString(int value);
  static String toString(float value);
  static String formatNumber(float value);
  static String toStringWithSeparators(int value);
  void insertThousandSeparators();
  static wchar_t thousandSeparator();
  static void setThousandSeparator(wchar_t c);

  // printf-style formatting into a new String (%S takes a wide text).
  static String format(const wchar_t *fmt, ...);

  void escape();

private:
  wchar_t *m_data = nullptr;
  uint32_t m_length = 0;
  uint32_t m_capacity = 0;
};

String operator+(const String &a, const String &b);
String operator+(const String &a, const wchar_t *b);
String operator+(const wchar_t *a, const String &b);
String operator+(const String &a, wchar_t c);
String operator+(wchar_t c, const String &a);

// Splits a path at its last '/' into directory and name, then the name at its
// last '.' into base name and extension (left unchanged when nothing follows the dot).
void splitPath(const String &path, String &directory, String &name, String &extension);
