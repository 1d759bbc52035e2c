#pragma once
// A fresh folder for one test under the system's temporary folder, removed
// with what the test put in it. A folder that cannot be made fails the test
// and ends it (by an exception gtest reports), so that nothing is written
// anywhere else.

#include "xstring/String.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace testing_support {

class TempFolder {
public:
  TempFolder() {
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    std::string pattern = (error ? std::string("(none)") : base.string()) + "/corvane-test-XXXXXX";
    if (error || !mkdtemp(pattern.data())) {
      std::string reason = "no temporary folder " + pattern + ": " +
                           (error ? error.message() : std::string(std::strerror(errno)));
      ADD_FAILURE() << reason;
      throw std::runtime_error(reason);
    }
    m_path = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;

  const std::string &path() const { return m_path; }
  std::string path(const std::string &name) const { return m_path + "/" + name; }
  String wide() const { return String::fromUtf8(m_path.c_str()); }
  String wide(const std::string &name) const { return String::fromUtf8(path(name).c_str()); }

  // Writes the bytes to a file of the folder, making the folders on its way;
  // gives its path.
  std::string write(const std::string &name, const std::string &bytes) const {
    std::string file = path(name);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), error);
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    if (error || !out.flush())
      ADD_FAILURE() << "cannot write " << file;
    return file;
  }
  bool exists(const std::string &name) const {
    std::error_code ignored;
    return std::filesystem::exists(path(name), ignored);
  }
  // The whole file, empty when it cannot be read.
  std::string read(const std::string &name) const {
    std::ifstream in(path(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

private:
  std::string m_path;
};

} // namespace testing_support
