// The program entry: the application object, the platform shell, the
// arguments, the main loop and the end.

#include "CorvaneApplication.h"

#include "error/Redirect.h"
#include "framework/MainLoop.h"
#include "framework/OpenGLShell.h"

int main(int argc, char **argv) {
  // Made here rather than during static initialisation: the libraries
  // install their hooks then, in an order no object may rely on.
  if (!Framework::exists())
    Framework::setInstance(new CorvaneApplication);
  Framework *framework = Framework::instance();
  framework->initialize();
  framework::Shell::setInstance(new framework::OpenGLShell);

  container::Vector<String> arguments;
  for (int i = 0; i < argc; ++i)
    arguments.push(String(argv[i]));
  framework->begin(arguments);

  runMainLoop();
  framework->end();

  closeRedirectedOutput(framework->redirectsStdout(), framework->redirectsStderr());
  framework::Shell::destroyInstance();
  Framework::destroyInstance();
  return 0;
}
