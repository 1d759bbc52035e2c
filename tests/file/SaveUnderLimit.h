#pragma once
// Runs a writer in a forked child whose files may not grow past a few bytes,
// the way a full disk cuts a save short: the write fails with EFBIG (the
// signal that would end the child is ignored). The old file must survive
// byte for byte, the writer must say it failed, and the failure is reported.

#include "error/ChildProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/resource.h>

namespace testing_support {

inline std::string fileBytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream out;
  out << in.rdbuf();
  return out.str();
}

inline int entriesIn(const std::string &directory) {
  int count = 0;
  if (DIR *dir = opendir(directory.c_str())) {
    while (dirent *entry = readdir(dir))
      if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
        ++count;
    closedir(dir);
  }
  return count;
}

struct CutShort {
  // Files may grow to this many bytes; the writer must write more.
  rlim_t limit = 1024;
  // Writers without a result (void) only keep the file and report.
  bool returnsResult = true;
  bool reports = true;
};

// The target (in a directory holding nothing else) already holds oldBytes.
// A writer without a result returns false.
inline void expectSaveFailsWhole(const std::string &directory, const std::string &target,
                                 const std::string &oldBytes, const std::function<bool()> &writer,
                                 CutShort how = {}) {
  { std::ofstream(target, std::ios::binary) << oldBytes; }
  ChildResult child = runInChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    rlimit small{how.limit, how.limit};
    setrlimit(RLIMIT_FSIZE, &small);
    bool saved = writer();
    fflush(stderr);
    _exit(saved ? 10 : 20);
  });
  if (how.returnsResult)
    EXPECT_EQ(child.exitStatus, 20) << "the writer reported success (10) or died\n" << child.err;
  else
    EXPECT_EQ(child.exitStatus, 20) << "the writer died\n" << child.err;
  EXPECT_EQ(fileBytes(target), oldBytes);
  if (how.reports)
    EXPECT_NE(child.err.find("Cannot save"), std::string::npos) << child.err;
  else
    EXPECT_EQ(child.err, "");
  // No temporary is left beside the target.
  EXPECT_EQ(entriesIn(directory), 1);
}

} // namespace testing_support
