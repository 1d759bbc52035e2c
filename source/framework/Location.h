#pragma once
// A location result and the listeners that receive results and errors.

#include "math/Vector2.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace framework {

struct Location {
  // Bits of valid: which fields hold a value.
  enum : uint8_t { COORDINATE = 1, ALTITUDE = 2, HORIZONTAL_ACCURACY = 4, VERTICAL_ACCURACY = 8 };

  // x longitude-like, y latitude-like, as delivered.
  math::Vector2 coordinate;
  float altitude = 0.0f;
  float horizontalAccuracy = 0.0f;
  float verticalAccuracy = 0.0f;
  uint8_t valid = 0;

  // "(coordinate: ..., altitude: ..., horizontalAccuracy: ..., verticalAccuracy: ...)",
  // "unknown" for each field not valid.
  String toString() const;
  // From the platform's five values: latitude, longitude, altitude and the
  // two accuracies, -1 for each one unknown.
  static Location fromPlatform(const double values[5]);
};

enum LocationError {
  LOCATION_UNKNOWN = 0,
  LOCATION_DENIED = 1,
  LOCATION_ERROR_UNKNOWN = 2,
  LOCATION_UNINITIALIZED = 3
};
// "locationUnknown", "denied", "errorUnknown", "uninitialized".
Symbol locationErrorName(int kind);
// The kind of a platform error code: 5 uninitialized, 6 denied, else unknown.
LocationError locationErrorFromPlatform(int code);

class LocationListener {
public:
  virtual ~LocationListener() = default;
  virtual void locationChanged(const Location &location, const Location &previous, int flags) {
    (void)location;
    (void)previous;
    (void)flags;
  }
  virtual void locationFailed(int kind) { (void)kind; }
};

} // namespace framework
