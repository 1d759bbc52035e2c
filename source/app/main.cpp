// The program entry: the application object and the platform shell, run
// through the same entry function the tests run.

#include "CorvaneApplication.h"

#include "framework/OpenGLShell.h"
#include "framework/ProgramEntry.h"

int main(int argc, char **argv) {
  // Made here rather than during static initialisation: the libraries
  // install their hooks then, in an order no object may rely on.
  if (!Framework::exists())
    Framework::setInstance(new CorvaneApplication);
  return runApplication(argc, argv,
                        []() -> framework::Shell * { return new framework::OpenGLShell; });
}
