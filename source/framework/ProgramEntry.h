#pragma once
// What the program's main does with the application object: initialize,
// begin with the arguments, the main loop, end, then the redirected output
// files are closed and removed when they stayed empty. Returns 0.

int runApplication(int argc, char **argv);
