#include "file/SystemVersion.h"

#include "file/Pdl.h"

String operatingSystemVersion() {
  int major = 0, minor = 0, revision = 0;
  char name[256] = {};
  pdl::Result result = pdl::getOSVersion(&major, &minor, &revision, name, int(sizeof name));
  if (result == pdl::Ok) {
    name[sizeof name - 1] = 0;
    return L"Palm - " + String::fromUtf8(name);
  }
  int kit = 0;
  if (result == pdl::OtherError && pdl::getPDKVersion(&kit) == pdl::Ok && kit == 100)
    return L"Palm - 1.4.5";
  return L"Palm - Unknown version";
}
