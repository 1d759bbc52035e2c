#pragma once
// Thin wrappers over the phone library's device calls.

#include "xstring/String.h"

namespace platform {

// The device's unique id, read once and kept.
const String &uniqueDeviceId();
void setScreenTimeoutEnabled(bool enabled);
// The address narrowed to bytes, opened in the browser.
void launchBrowser(const String &url);

} // namespace platform
