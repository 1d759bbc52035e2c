#include "framework/ProgramEntry.h"

#include "error/Redirect.h"
#include "framework/Framework.h"
#include "framework/MainLoop.h"

int runApplication(int argc, char **argv) {
  Framework *framework = Framework::instance();
  if (!framework)
    return 0;
  framework->initialize();

  container::Vector<String> arguments;
  for (int i = 0; i < argc; ++i)
    arguments.push(String(argv[i]));
  framework->begin(arguments);

  runMainLoop();
  framework->end();

  closeRedirectedOutput(framework->redirectsStdout(), framework->redirectsStderr());
  return 0;
}
