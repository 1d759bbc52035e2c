#include "framework/Location.h"

#include "file/Pdl.h"

namespace framework {

namespace {
String field(bool valid, float value) {
  return valid ? String::toString(value) : String(L"unknown");
}
} // namespace

String Location::toString() const {
  String text = L"(coordinate: ";
  text += (valid & COORDINATE) ? coordinate.toString() : String(L"unknown");
  text += L", altitude: ";
  text += field(valid & ALTITUDE, altitude);
  text += L", horizontalAccuracy: ";
  text += field(valid & HORIZONTAL_ACCURACY, horizontalAccuracy);
  text += L", verticalAccuracy: ";
  text += field(valid & VERTICAL_ACCURACY, verticalAccuracy);
  text += L")";
  return text;
}

Location Location::fromPlatform(const double values[5]) {
  Location location;
  if (values[0] != -1.0 && values[1] != -1.0) {
    location.coordinate = math::Vector2(float(values[1]), float(values[0]));
    location.valid |= COORDINATE;
  }
  if (values[2] != -1.0) {
    location.altitude = float(values[2]);
    location.valid |= ALTITUDE;
  }
  if (values[3] != -1.0) {
    location.horizontalAccuracy = float(values[3]);
    location.valid |= HORIZONTAL_ACCURACY;
  }
  if (values[4] != -1.0) {
    location.verticalAccuracy = float(values[4]);
    location.valid |= VERTICAL_ACCURACY;
  }
  return location;
}

Symbol locationErrorName(int kind) {
  switch (kind) {
  case LOCATION_UNKNOWN:
    return SYM(L"locationUnknown");
  case LOCATION_DENIED:
    return SYM(L"denied");
  case LOCATION_UNINITIALIZED:
    return SYM(L"uninitialized");
  default:
    return SYM(L"errorUnknown");
  }
}

LocationError locationErrorFromPlatform(int code) {
  switch (code) {
  case pdl::LocationErrorUninitialized:
    return LOCATION_UNINITIALIZED;
  case pdl::LocationErrorDenied:
    return LOCATION_DENIED;
  default:
    return LOCATION_ERROR_UNKNOWN;
  }
}

} // namespace framework
