#include "TextLines.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace levelwriter {

std::vector<std::string> splitLines(const std::string &text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> wordsOf(const std::string &line) {
  std::istringstream in(line.substr(0, line.find('#')));
  std::vector<std::string> words;
  for (std::string word; in >> word;)
    words.push_back(word);
  return words;
}

bool toInt(const std::string &word, int32_t &value) {
  char *end = nullptr;
  errno = 0;
  const long long n = std::strtoll(word.c_str(), &end, 10);
  if (word.empty() || *end || errno || n < INT32_MIN || n > INT32_MAX)
    return false;
  value = int32_t(n);
  return true;
}

bool toFloat(const std::string &word, float &value) {
  char *end = nullptr;
  errno = 0;
  const float f = std::strtof(word.c_str(), &end);
  if (word.empty() || *end || errno || f != f)
    return false;
  value = f;
  return true;
}

bool readTextFile(const std::string &path, std::string &text) {
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return false;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  text = bytes.str();
  return true;
}

} // namespace levelwriter
