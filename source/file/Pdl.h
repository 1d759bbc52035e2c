#pragma once
// Stand-in for the phone's platform library: the queries the engine makes of
// the device, answered as this machine can. On Linux the version queries
// fail; the rest answer as a desktop would: fixed texts, a phone-sized screen,
// a unique id derived from the machine, and no location service unless one
// reading is configured. No SDL here: a location result reaches the event
// queue through a delivery hook that the framework installs.

namespace pdl {

// 4 is what an older system answers to a query it does not know.
enum Result { Ok = 0, Error = 1, OtherError = 4 };

// Operating-system version: its parts and its text (zero-terminated, cut to nameSize).
Result getOSVersion(int *major, int *minor, int *revision, char *name, int nameSize);
// Platform-kit version.
Result getPDKVersion(int *version);

// Answers given in place of the machine's, so tests can play other devices;
// null restores the machine's own.
struct Answers {
  Result osResult;
  int major, minor, revision;
  const char *osName;
  Result pdkResult;
  int pdkVersion;
};
void setAnswers(const Answers *answers);

// Start and stop. Quitting also stops location tracking.
Result init(unsigned int flags);
Result quit();
bool isInitialized();

// The device's name ("Desktop").
const char *getHardware();
// The user's language ("en_US"), zero-terminated and cut to bufferSize.
Result getLanguage(char *buffer, int bufferSize);

struct ScreenMetrics {
  int horizontalPixels;
  int verticalPixels;
  int horizontalDPI;
  int verticalDPI;
  double aspectRatio;
};
// 320 x 480 at 160 dots per inch unless tests give other metrics.
Result getScreenMetrics(ScreenMetrics *metrics);
// Null restores the default.
void setScreenMetrics(const ScreenMetrics *metrics);

// Hexadecimal text that stays the same on this machine from run to run.
Result getUniqueID(char *buffer, int bufferSize);

// The desktop has no screen time-out; the last setting is kept.
Result screenTimeoutEnable(bool enable);
bool screenTimeoutEnabled();

// Opens the address with the desktop's opener ("xdg-open"), not waiting for it.
Result launchBrowser(const char *url);
// Tests take the address instead; null restores the opener.
using BrowserLauncher = bool (*)(const char *url);
void setBrowserLauncher(BrowserLauncher launcher);

// Location results arrive as platform user events with these codes. An update
// points at five doubles: latitude, longitude, altitude, horizontal accuracy,
// vertical accuracy, -1 for each one unknown. An error points at an int code.
enum { LocationUpdateCode = 0xe100, LocationErrorCode = 0xe101 };
enum { LocationErrorUninitialized = 5, LocationErrorDenied = 6 };

// Switching tracking on delivers the configured result once, if any.
Result enableLocationTracking(bool enable);
bool locationTracking();

// The one result this desktop answers with. The data stays valid until the
// next configuration, so a queued event may point at it.
void setLocationFix(const double values[5]);
void setLocationError(int code);
void clearLocationResult();

// Receives (code, data) for each result; the framework turns it into an event.
using LocationDelivery = void (*)(int code, const void *data);
void setLocationDelivery(LocationDelivery delivery);

} // namespace pdl
