#pragma once
// Matches a text against a shape: '9' a digit, 'A' an upper-case letter, 'a'
// a lower-case letter, '_' a blank or a digit; anything else stands for itself.

#include <string>

namespace testing_support {

inline bool matchesShape(const std::string &text, const std::string &shape) {
  if (text.size() != shape.size())
    return false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i], s = shape[i];
    bool ok = s == '9'   ? c >= '0' && c <= '9'
              : s == 'A' ? c >= 'A' && c <= 'Z'
              : s == 'a' ? c >= 'a' && c <= 'z'
              : s == '_' ? c == ' ' || (c >= '0' && c <= '9')
                         : c == s;
    if (!ok)
      return false;
  }
  return true;
}

// The asctime form of a moment: "Fri Oct  8 19:05:24 2010".
inline const char *timeShape() { return "Aaa Aaa _9 99:99:99 9999"; }

} // namespace testing_support
