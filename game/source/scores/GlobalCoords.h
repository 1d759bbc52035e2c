#pragma once
// Where the player is, for the scores posted with it: the best recent fix of
// the platform's location reports, or a place restored from the profile.
// Tracking goes off by itself at a fix of 100 metres or better, after 360
// seconds of tracking in the foreground, or when the platform denies it.

#include "framework/Location.h"
#include "math/Vector2.h"
#include "scores/ResultStamp.h"

class GlobalCoords : public framework::LocationListener {
public:
  // Listens to the location service from the start.
  GlobalCoords();
  ~GlobalCoords() override;

  void locationChanged(const framework::Location &location, const framework::Location &previous,
                       int flags) override;
  // Access denied ends tracking; the other errors change nothing.
  void locationFailed(int kind) override;
  // A report older than 30 seconds (either way) is ignored; a fix less
  // accurate than a live one is not kept.
  void report(const framework::Location &location, float age);

  void startTracking();
  void stopTracking();
  // Stops tracking and leaves the location service's listeners.
  void unregister();
  // Counts the time tracked while the application is in the foreground.
  void update(float dt);
  // A place restored from the profile: known, never live.
  void setKnownLocation(const math::Vector2 &location);
  void setFix(const math::Vector2 &location, float accuracy);

  // x longitude, y latitude, degrees.
  math::Vector2 m_location;
  // Metres.
  float m_accuracy = 0.0f;
  ResultStamp m_stamp;
  float m_trackingTime = 0.0f;
  bool m_tracking = false;

private:
  bool m_registered = false;
};
