#pragma once
// The location service: switches the platform's tracking on and off and hands
// its results and errors to the listeners. Results arrive as platform user
// events, which the event translator turns into calls here.

#include "container/Vector.h"
#include "framework/Location.h"

class LocationDelegate {
public:
  static LocationDelegate &instance();
  static void destroyInstance();
  static bool exists();

  bool isAvailable() const { return true; }
  bool isTracking() const { return m_tracking; }
  void addListener(framework::LocationListener *listener) { m_listeners.push(listener); }
  // Later listeners move up one place.
  void removeListener(framework::LocationListener *listener);

  void startTracking();
  void stopTracking();

  void notifyLocation(const framework::Location &location, const framework::Location &previous,
                      int flags);
  // Logs "LocationDelegate error: <name>"; "denied" also stops tracking.
  void reportError(int kind);

  // The platform's user event for a result (code, data), pushed onto the
  // event queue so that the translator delivers it on the main thread.
  static void pushPlatformEvent(int code, const void *data);

private:
  LocationDelegate() = default;
  ~LocationDelegate();

  bool m_tracking = false;
  container::Vector<framework::LocationListener *> m_listeners;
};
