#include "platform/DeviceServices.h"

#include "file/Pdl.h"

namespace platform {

const String &uniqueDeviceId() {
  static String id;
  static bool read = false;
  if (!read) {
    char buffer[128] = {};
    if (pdl::getUniqueID(buffer, int(sizeof buffer)) == pdl::Ok) {
      buffer[sizeof buffer - 1] = 0;
      id = String(buffer);
    }
    read = true;
  }
  return id;
}

void setScreenTimeoutEnabled(bool enabled) { pdl::screenTimeoutEnable(enabled); }

void launchBrowser(const String &url) {
  char *text = url.toNarrow();
  pdl::launchBrowser(text);
  delete[] text;
}

} // namespace platform
