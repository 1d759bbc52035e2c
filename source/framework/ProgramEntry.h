#pragma once
// What the program's main does with the application object: initialize, the
// platform shell from `makeShell` when given (made after the output is
// redirected, so its lines land in the files), begin with the arguments, the
// main loop, end; then the redirected output files are closed and removed
// when they stayed empty, and the shell and the application object are
// destroyed. Returns 0. A program that watches its own frames (one that
// quits after a number of them) gives the main loop its own host.

namespace framework {
class LoopHost;
class Shell;
} // namespace framework

int runApplication(int argc, char **argv, framework::Shell *(*makeShell)() = nullptr,
                   framework::LoopHost *loopHost = nullptr);
