#include "platform/Pdl.h"

namespace pdl {

Result getOSVersion(int*, int*, int*, char* name, int nameSize) {
  if (name && nameSize > 0) name[0] = 0;
  return Error;
}

Result getPDKVersion(int* version) {
  if (version) *version = 0;
  return Error;
}

} // namespace pdl
