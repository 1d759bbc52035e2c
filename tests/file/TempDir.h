#pragma once
// A fresh directory under /tmp for one test, removed with its contents.

#include <cstdlib>
#include <string>

#include "xstring/String.h"

namespace testing_support {

class TempDir {
public:
  TempDir() {
    char name[] = "/tmp/corvane-test-XXXXXX";
    m_path = mkdtemp(name) ? name : "/tmp";
  }
  ~TempDir() {
    if (m_path != "/tmp")
      std::system(("rm -rf '" + m_path + "'").c_str());
  }
  const std::string &path() const { return m_path; }
  String file(const char *name) const { return String((m_path + "/" + name).c_str()); }
  std::string narrow(const char *name) const { return m_path + "/" + name; }

private:
  std::string m_path;
};

} // namespace testing_support
