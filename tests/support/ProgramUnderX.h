#pragma once
// A program of the build started as a person would, under an X server (the
// one in DISPLAY, else a private Xvfb), in a folder of the test's own and
// with no sound device; the tests then read what it logged.

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace testing_support {

// A program built in this tree, by its path relative to the build root; the
// test programs live in the build root's "tests" folder.
inline std::string builtProgram(const std::string &relative) {
  char self[PATH_MAX] = {};
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0)
    return "";
  std::string dir(self, size_t(n));
  dir = dir.substr(0, dir.rfind('/'));
  return dir + "/../" + relative;
}

inline std::string contentsOf(const std::string &path) {
  std::string text;
  if (FILE *f = fopen(path.c_str(), "rb")) {
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, f)) > 0;)
      text.append(chunk, n);
    fclose(f);
  }
  return text;
}

// Waits up to the given seconds; -1 when the child did not exit by itself.
inline int waitFor(pid_t pid, int seconds) {
  for (int i = 0; i < seconds * 20; ++i) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid)
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    usleep(50000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1;
}

// An X server of the test's own, with -noreset: SDL 1.2 probes the display
// with a connection of its own first.
class PrivateDisplay {
public:
  PrivateDisplay() {
    int fds[2];
    if (pipe(fds) != 0)
      return;
    m_pid = fork();
    if (m_pid == 0) {
      close(fds[0]);
      std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp", "-noreset", (char *)nullptr);
      _exit(127);
    }
    close(fds[1]);
    char number[32] = {};
    ssize_t n = read(fds[0], number, sizeof number - 1);
    close(fds[0]);
    if (n > 0)
      m_display = ":" + std::string(number, strcspn(number, "\n"));
  }
  ~PrivateDisplay() {
    if (m_pid > 0) {
      kill(m_pid, SIGTERM);
      waitpid(m_pid, nullptr, 0);
    }
  }
  PrivateDisplay(const PrivateDisplay &) = delete;
  PrivateDisplay &operator=(const PrivateDisplay &) = delete;
  const std::string &display() const { return m_display; }

private:
  pid_t m_pid = -1;
  std::string m_display;
};

// The display to run on: DISPLAY's, else a private server's (kept alive by
// the holder); empty when there is none.
inline std::string displayForProgram(std::unique_ptr<PrivateDisplay> &own) {
  std::string display = getenv("DISPLAY") ? getenv("DISPLAY") : "";
  if (display.empty()) {
    own = std::make_unique<PrivateDisplay>();
    display = own->display();
  }
  return display;
}

// Runs the program with the arguments in the folder on the display; its exit
// status, or -1 when it did not exit by itself within the seconds.
inline int runProgram(const std::string &program, const std::vector<std::string> &arguments,
                      const std::string &folder, const std::string &display, int seconds) {
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(folder.c_str()) != 0)
      _exit(126);
    setenv("DISPLAY", display.c_str(), 1);
    // Only X: without a server SDL would fall back to drawing in the terminal.
    setenv("SDL_VIDEODRIVER", "x11", 1);
    // A machine without sound: the program must go on without it.
    setenv("SDL_AUDIODRIVER", "none", 1);
    // libX11 keeps a string the leak checker reports; it is not ours.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &argument : arguments)
      argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  return pid > 0 ? waitFor(pid, seconds) : -1;
}

// Each text found in the log after the one before it; the first text that
// is missing or out of order, or null.
inline const char *missingInOrder(const std::string &log, const std::vector<const char *> &texts) {
  size_t at = 0;
  for (const char *text : texts) {
    size_t found = log.find(text, at);
    if (found == std::string::npos)
      return text;
    at = found;
  }
  return nullptr;
}

} // namespace testing_support
