// The program itself, started as a person would under an X server (a private
// Xvfb when no display is given), for 60 frames.

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string programPath() {
  char self[PATH_MAX] = {};
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0)
    return "";
  std::string dir(self, size_t(n));
  dir = dir.substr(0, dir.rfind('/'));
  return dir + "/../source/app/corvane";
}

std::string contentsOf(const std::string &path) {
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
int waitFor(pid_t pid, int seconds) {
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
  const std::string &display() const { return m_display; }

private:
  pid_t m_pid = -1;
  std::string m_display;
};

// Runs the program for 60 frames in the folder under the display; its exit
// status (-1 when it had to be stopped) and its standard error.
int runProgram(const std::string &program, const testing_support::TempFolder &folder,
               const std::string &display, std::string &log) {
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(folder.path().c_str()) != 0)
      _exit(126);
    setenv("DISPLAY", display.c_str(), 1);
    unsetenv("SDL_VIDEODRIVER");
    // A machine without sound: the program must go on without it.
    setenv("SDL_AUDIODRIVER", "none", 1);
    // libX11 keeps a string the leak checker reports; it is not ours.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    execl(program.c_str(), program.c_str(), "--frames", "60", (char *)nullptr);
    _exit(127);
  }
  int status = pid > 0 ? waitFor(pid, 180) : -1;
  log = contentsOf(folder.path("stderr.txt"));
  return status;
}

// The program's path and a display, or the reason the test cannot run.
struct ProgramUnderX : testing::Test {
  void SetUp() override {
    program = programPath();
    if (access(program.c_str(), X_OK) != 0)
      GTEST_SKIP() << "the program is not built: " << program;
    display = getenv("DISPLAY") ? getenv("DISPLAY") : "";
    if (display.empty()) {
      own = std::make_unique<PrivateDisplay>();
      display = own->display();
    }
    ASSERT_FALSE(display.empty()) << "no X server: set DISPLAY or install Xvfb";
  }
  std::string program, display;
  std::unique_ptr<PrivateDisplay> own;
  testing_support::TempFolder folder;
};

void expectInOrder(const std::string &log, std::initializer_list<const char *> lines) {
  size_t at = 0;
  for (const char *line : lines) {
    size_t found = log.find(line, at);
    ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line << "\n" << log;
    at = found;
  }
}

} // namespace

TEST_F(ProgramUnderX, RunsSixtyFrames) {
  ASSERT_EQ(mkdir(folder.path("data").c_str(), 0700), 0);
  std::string log;
  ASSERT_EQ(runProgram(program, folder, display, log), 0) << log;
  expectInOrder(log,
                {"Database path: data", "Operating system version: ",
                 "Build:  SHIP PALM USE_OPENGL OPENGL_ES USE_SDL USE_STB USE_SDL_MIXER",
                 "PDL Hardware: Desktop", "Opened window", "finished Framework::begin()",
                 // No sound device: a warning, and the program goes on silent.
                 "initializeSDLMixer()", "Failed to ", "Initialized audio.", "Created layers.",
                 "Not loading sounds because audio player is not initialized", "Loaded database.",
                 // Without fonts the frame-rate meter is an empty box, black on black.
                 "Finished load.", "Last frame: 320x480, clear colour 0,0,0, 0 pixels differ",
                 "FrameRate: "});
  EXPECT_NE(log.find("(60 frames in "), std::string::npos) << log;
  // Nothing went to standard output, so its file was removed.
  EXPECT_NE(access(folder.path("stdout.txt").c_str(), F_OK), 0);
}

// With the project's generated data the program shows its loading picture,
// loads its font and draws the frame rate in it.
TEST_F(ProgramUnderX, DrawsTheFrameRateWithTheProjectsFont) {
  const std::string data = std::string(CORVANE_SOURCE_DIR) + "/data";
  for (const char *generated : {"/config/fonts.!", "/load/loadingScreen.png"})
    ASSERT_EQ(access((data + generated).c_str(), R_OK), 0)
        << data + generated << " is made by tools/fontmake and tools/texpack (./test.sh runs them)";
  ASSERT_EQ(symlink(data.c_str(), folder.path("data").c_str()), 0);
  std::string log;
  ASSERT_EQ(runProgram(program, folder, display, log), 0) << log;
  expectInOrder(log, {"Loaded quip: data/config/fonts.!", "Finished load.", "Last frame: "});
  EXPECT_EQ(log.find("not found"), std::string::npos) << log;
  EXPECT_EQ(log.find("did not load"), std::string::npos) << log;
  // The meter's white digits on the black frame.
  const std::string mark = "Last frame: 320x480, clear colour 0,0,0, ";
  size_t at = log.find(mark);
  ASSERT_NE(at, std::string::npos) << log;
  EXPECT_GT(std::stoi(log.substr(at + mark.size())), 20) << log;
}
