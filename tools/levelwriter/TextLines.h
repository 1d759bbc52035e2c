#pragma once
// The plain text of the tool's inputs: lines, and the words of a line with
// its comment (from '#') left out.

#include <string>
#include <vector>

namespace levelwriter {

// Without their line ends ("\n" or "\r\n").
std::vector<std::string> splitLines(const std::string &text);
std::vector<std::string> wordsOf(const std::string &line);
// Whole numbers and numbers; false for anything else.
bool toInt(const std::string &word, int32_t &value);
bool toFloat(const std::string &word, float &value);
// The file's bytes; false when it cannot be read.
bool readTextFile(const std::string &path, std::string &text);

} // namespace levelwriter
