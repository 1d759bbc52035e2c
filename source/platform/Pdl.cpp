#include "platform/Pdl.h"

#include <cstdio>

namespace pdl {

namespace {
const Answers *g_answers = nullptr;

void copyName(const char *from, char *name, int nameSize) {
  if (name && nameSize > 0)
    snprintf(name, size_t(nameSize), "%s", from ? from : "");
}
} // namespace

Result getOSVersion(int *major, int *minor, int *revision, char *name, int nameSize) {
  if (!g_answers) {
    copyName("", name, nameSize);
    return Error;
  }
  if (major)
    *major = g_answers->major;
  if (minor)
    *minor = g_answers->minor;
  if (revision)
    *revision = g_answers->revision;
  copyName(g_answers->osResult == Ok ? g_answers->osName : "", name, nameSize);
  return g_answers->osResult;
}

Result getPDKVersion(int *version) {
  if (!g_answers) {
    if (version)
      *version = 0;
    return Error;
  }
  if (version)
    *version = g_answers->pdkVersion;
  return g_answers->pdkResult;
}

void setAnswers(const Answers *answers) { g_answers = answers; }

} // namespace pdl
