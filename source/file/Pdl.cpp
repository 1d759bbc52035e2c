#include "file/Pdl.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace pdl {

namespace {
const Answers *g_answers = nullptr;
bool g_initialized = false;

const ScreenMetrics defaultMetrics = {320, 480, 160, 160, 1.5};
ScreenMetrics g_metrics = defaultMetrics;

bool g_screenTimeout = true;
BrowserLauncher g_launcher = nullptr;

bool g_tracking = false;
enum class Configured { None, Fix, Error };
Configured g_configured = Configured::None;
double g_fix[5] = {};
int g_errorCode = 0;
LocationDelivery g_delivery = nullptr;

void copyName(const char *from, char *name, int nameSize) {
  if (name && nameSize > 0)
    snprintf(name, size_t(nameSize), "%s", from ? from : "");
}

uint64_t fnv1a(const char *text, size_t length, uint64_t hash) {
  for (size_t i = 0; i < length; ++i) {
    hash ^= uint8_t(text[i]);
    hash *= 0x100000001b3ull;
  }
  return hash;
}

// What identifies this machine: its machine id, else its host name.
size_t machineText(char *out, size_t size) {
  const char *files[] = {"/etc/machine-id", "/var/lib/dbus/machine-id"};
  for (const char *path : files) {
    if (FILE *f = fopen(path, "rb")) {
      size_t n = fread(out, 1, size, f);
      fclose(f);
      if (n > 0)
        return n;
    }
  }
  if (gethostname(out, size) == 0) {
    out[size - 1] = 0;
    return strlen(out);
  }
  return 0;
}

bool openWithDesktop(const char *url) {
  // Two forks, so the opener is no child of ours and leaves no zombie.
  pid_t child = fork();
  if (child < 0)
    return false;
  if (child == 0) {
    if (fork() == 0) {
      execlp("xdg-open", "xdg-open", url, (char *)nullptr);
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void deliverConfigured() {
  if (!g_delivery)
    return;
  if (g_configured == Configured::Fix)
    g_delivery(LocationUpdateCode, g_fix);
  else if (g_configured == Configured::Error)
    g_delivery(LocationErrorCode, &g_errorCode);
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

Result init(unsigned int) {
  g_initialized = true;
  return Ok;
}

Result quit() {
  g_tracking = false;
  g_initialized = false;
  return Ok;
}

bool isInitialized() { return g_initialized; }

const char *getHardware() { return "Desktop"; }

Result getLanguage(char *buffer, int bufferSize) {
  if (!buffer || bufferSize <= 0)
    return Error;
  copyName("en_US", buffer, bufferSize);
  return Ok;
}

Result getScreenMetrics(ScreenMetrics *metrics) {
  if (!metrics)
    return Error;
  *metrics = g_metrics;
  return Ok;
}

void setScreenMetrics(const ScreenMetrics *metrics) {
  g_metrics = metrics ? *metrics : defaultMetrics;
}

Result getUniqueID(char *buffer, int bufferSize) {
  if (!buffer || bufferSize <= 0)
    return Error;
  char text[256] = {};
  size_t n = machineText(text, sizeof text);
  // Salted, so the id does not give the machine's own id away.
  uint64_t a = fnv1a(text, n, fnv1a("corvane", 7, 0xcbf29ce484222325ull));
  uint64_t b = fnv1a(text, n, fnv1a("device", 6, a));
  snprintf(buffer, size_t(bufferSize), "%016llx%016llx", (unsigned long long)a,
           (unsigned long long)b);
  return Ok;
}

Result screenTimeoutEnable(bool enable) {
  g_screenTimeout = enable;
  return Ok;
}

bool screenTimeoutEnabled() { return g_screenTimeout; }

Result launchBrowser(const char *url) {
  if (!url || !*url)
    return Error;
  bool launched = g_launcher ? g_launcher(url) : openWithDesktop(url);
  return launched ? Ok : Error;
}

void setBrowserLauncher(BrowserLauncher launcher) { g_launcher = launcher; }

Result enableLocationTracking(bool enable) {
  bool starting = enable && !g_tracking;
  g_tracking = enable;
  if (starting)
    deliverConfigured();
  return Ok;
}

bool locationTracking() { return g_tracking; }

void setLocationFix(const double values[5]) {
  memcpy(g_fix, values, sizeof g_fix);
  g_configured = Configured::Fix;
}

void setLocationError(int code) {
  g_errorCode = code;
  g_configured = Configured::Error;
}

void clearLocationResult() { g_configured = Configured::None; }

void setLocationDelivery(LocationDelivery delivery) { g_delivery = delivery; }

} // namespace pdl
