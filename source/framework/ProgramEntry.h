#pragma once
// What the program's main does with the application object: initialize, the
// platform shell from `makeShell` when given (made after the output is
// redirected, so its lines land in the files), begin with the arguments, the
// main loop, end; then the redirected output files are closed and removed
// when they stayed empty, and the shell and the application object are
// destroyed. Returns 0.

namespace framework {
class Shell;
}

int runApplication(int argc, char **argv, framework::Shell *(*makeShell)() = nullptr);
