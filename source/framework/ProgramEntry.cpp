#include "framework/ProgramEntry.h"

#include "error/Redirect.h"
#include "framework/Framework.h"
#include "framework/MainLoop.h"
#include "framework/Shell.h"

int runApplication(int argc, char **argv, framework::Shell *(*makeShell)(),
                   framework::LoopHost *loopHost) {
  Framework *framework = Framework::instance();
  if (!framework)
    return 0;
  framework->initialize();
  if (makeShell)
    framework::Shell::setInstance(makeShell());

  container::Vector<String> arguments;
  for (int i = 0; i < argc; ++i)
    arguments.push(String(argv[i]));
  framework->begin(arguments);

  runMainLoop(loopHost);
  framework->end();

  closeRedirectedOutput(framework->redirectsStdout(), framework->redirectsStderr());
  framework::Shell::destroyInstance();
  Framework::destroyInstance();
  return 0;
}
