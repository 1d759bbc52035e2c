#pragma once
// Runs a piece of code in a forked child with its standard output and error
// captured, for behaviour that ends the process (assertions) or changes the
// process's streams (redirection).

#include <cstdio>
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
  char outName[] = "/tmp/corvane-child-out-XXXXXX";
  char errName[] = "/tmp/corvane-child-err-XXXXXX";
  int outFd = mkstemp(outName);
  int errFd = mkstemp(errName);
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
  auto slurp = [](const char *name) {
    std::string text;
    if (FILE *f = fopen(name, "rb")) {
      char chunk[4096];
      for (size_t n; (n = fread(chunk, 1, sizeof chunk, f)) > 0;)
        text.append(chunk, n);
      fclose(f);
    }
    return text;
  };
  result.out = slurp(outName);
  result.err = slurp(errName);
  close(outFd);
  close(errFd);
  unlink(outName);
  unlink(errName);
  return result;
}

} // namespace testing_support
