#include "error/Redirect.h"

#include <cstdio>
#include <unistd.h>

namespace {

const size_t PathSize = 4096;
char g_outputPath[PathSize];
char g_errorPath[PathSize];

bool makePath(char *out, const char *directory, const char *name) {
  int n = snprintf(out, PathSize, "%s/%s", directory, name ? name : "");
  if (n < 0 || size_t(n) >= PathSize) {
    out[0] = 0;
    return false;
  }
  return true;
}

void removeIfEmpty(const char *path) {
  if (!path[0])
    return;
  FILE *file = fopen(path, "rb");
  if (!file)
    return;
  bool empty = fgetc(file) == EOF;
  fclose(file);
  if (empty)
    remove(path);
}

} // namespace

bool redirectOutput(bool redirectError, const char *errorName, bool redirectStandardOutput,
                    const char *outputName, const String *directory) {
  char where[PathSize];
  if (directory) {
    container::Vector<char> bytes;
    directory->toUtf8(bytes);
    if (bytes.size() > PathSize)
      return false;
    snprintf(where, PathSize, "%s", bytes.data());
  } else if (!getcwd(where, PathSize)) {
    return false;
  }
  g_outputPath[0] = g_errorPath[0] = 0;
  char outputPath[PathSize], errorPath[PathSize];
  if (redirectStandardOutput && !makePath(outputPath, where, outputName))
    return false;
  if (redirectError && !makePath(errorPath, where, errorName))
    return false;

  if (redirectStandardOutput) {
    if (!freopen(outputPath, "w", stdout))
      return false;
    setvbuf(stdout, nullptr, _IOLBF, 8192);
    snprintf(g_outputPath, PathSize, "%s", outputPath);
  }
  if (redirectError) {
    if (!freopen(errorPath, "w", stderr)) {
      fclose(stdout);
      return false;
    }
    setvbuf(stderr, nullptr, _IONBF, 0);
    snprintf(g_errorPath, PathSize, "%s", errorPath);
  }
  return true;
}

void closeRedirectedOutput(bool outputRedirected, bool errorRedirected) {
  fclose(stdout);
  fclose(stderr);
  if (outputRedirected)
    removeIfEmpty(g_outputPath);
  if (errorRedirected)
    removeIfEmpty(g_errorPath);
}
