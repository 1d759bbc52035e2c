#pragma once
// Runs a piece of code in a forked child with its standard output and error
// captured, for behaviour that ends the process (assertions) or changes the
// process's streams (redirection).

#include "support/TempFolder.h"

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

struct ChildResult {
  int exitStatus = -1; // -1 when the child did not exit normally
  std::string out;
  std::string err;
};

inline ChildResult runInChild(const std::function<void()> &body) {
  ChildResult result;
  fflush(stdout);
  fflush(stderr);
  // The child's output goes to files of a folder made here, so that a file
  // that cannot be made fails the test instead of losing the output.
  testing_support::TempFolder folder;
  std::string outName = folder.write("out", ""), errName = folder.write("err", "");
  int outFd = open(outName.c_str(), O_WRONLY);
  int errFd = open(errName.c_str(), O_WRONLY);
  if (outFd < 0 || errFd < 0) {
    ADD_FAILURE() << "cannot open the child's output files";
    if (outFd >= 0)
      close(outFd);
    if (errFd >= 0)
      close(errFd);
    return result;
  }
  pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, 1);
    dup2(errFd, 2);
    body();
    fflush(stdout);
    fflush(stderr);
    _exit(0);
  }
  int status = 0;
  if (pid > 0)
    waitpid(pid, &status, 0);
  if (pid > 0 && WIFEXITED(status))
    result.exitStatus = WEXITSTATUS(status);
  result.out = folder.read("out");
  result.err = folder.read("err");
  close(outFd);
  close(errFd);
  return result;
}

} // namespace testing_support
