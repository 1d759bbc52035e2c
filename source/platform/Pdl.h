#pragma once
// Stand-in for the phone's platform library: the queries the engine makes of
// the device, answered as this machine can. On Linux the version queries fail.

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

} // namespace pdl
