#include "file/Command.h"

#include "error/Log.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void joined(const String &command, const container::Vector<String> &arguments,
            container::Vector<char> &out) {
  String text = command;
  for (const String &argument : arguments)
    text += L" " + argument;
  text.toUtf8(out);
}

} // namespace

int runCommand(const String &command, const container::Vector<String> &arguments) {
  container::Vector<char> text;
  joined(command, arguments, text);
  return system(text.data());
}

bool runCommandInBackground(const String &command, const container::Vector<String> &arguments) {
  container::Vector<char> text;
  joined(command, arguments, text);
  fflush(stdout);
  fflush(stderr);
  pid_t child = fork();
  if (child < 0)
    return false;
  if (child == 0) {
    // The child starts the command in a grandchild of its own and leaves at
    // once, so no finished command stays behind as a zombie. _exit: the
    // child must not run the parent's exit handlers or flush its streams.
    pid_t runner = fork();
    if (runner == 0) {
      int status = system(text.data());
      _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 255);
    }
    _exit(runner < 0 ? 1 : 0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int captureCommandOutput(const String &command, String *output) {
  container::Vector<char> text;
  command.toUtf8(text);
  FILE *pipe = popen(text.data(), "r");
  if (!pipe) {
    showMessage(L"Error", L"Failed to read to end of pipe.");
    return -1;
  }
  // Bytes are gathered whole and decoded once, so a character split between
  // two reads stays whole.
  container::Vector<char> bytes;
  char line[128];
  while (fgets(line, sizeof line, pipe))
    for (char *p = line; *p; ++p)
      bytes.push(*p);
  if (ferror(pipe)) {
    showMessage(L"Error", L"error: Failed to read to end of pipe.");
    pclose(pipe);
    return -1;
  }
  bytes.push(0);
  if (output)
    output->append(String::fromUtf8(bytes.data()));
  return pclose(pipe);
}
