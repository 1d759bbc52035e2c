#include "scores/GlobalCoords.h"

#include "engine/Tumblix.h"
#include "framework/LocationDelegate.h"

#include <cmath>

GlobalCoords::GlobalCoords() {
  LocationDelegate::instance().addListener(this);
  m_registered = true;
}

GlobalCoords::~GlobalCoords() {
  if (m_registered && LocationDelegate::exists())
    LocationDelegate::instance().removeListener(this);
}

void GlobalCoords::locationChanged(const framework::Location &location, const framework::Location &,
                                   int) {
  report(location, 0.0f);
}

void GlobalCoords::locationFailed(int kind) {
  if (kind == framework::LOCATION_DENIED)
    m_tracking = false;
}

void GlobalCoords::report(const framework::Location &location, float age) {
  if (std::fabs(age) > 30.0f)
    return;
  if (!(m_stamp.live && location.horizontalAccuracy > m_accuracy))
    setFix(location.coordinate, location.horizontalAccuracy);
  if (location.horizontalAccuracy <= 100.0f)
    stopTracking();
}

void GlobalCoords::startTracking() {
  if (m_tracking)
    return;
  LocationDelegate &delegate = LocationDelegate::instance();
  if (delegate.isAvailable())
    delegate.startTracking();
  m_tracking = true;
  m_trackingTime = 0.0f;
}

void GlobalCoords::stopTracking() {
  LocationDelegate &delegate = LocationDelegate::instance();
  if (delegate.isAvailable())
    delegate.stopTracking();
  m_tracking = false;
}

void GlobalCoords::unregister() {
  if (m_tracking)
    stopTracking();
  if (m_registered && LocationDelegate::exists())
    LocationDelegate::instance().removeListener(this);
  m_registered = false;
}

void GlobalCoords::update(float dt) {
  if (!m_tracking)
    return;
  if (Tumblix::exists() && Tumblix::instance()->hasFocus())
    m_trackingTime += dt;
  if (m_trackingTime > 360.0f)
    stopTracking();
}

void GlobalCoords::setKnownLocation(const math::Vector2 &location) {
  m_location = location;
  m_stamp.markKnown();
}

void GlobalCoords::setFix(const math::Vector2 &location, float accuracy) {
  m_location = location;
  m_accuracy = accuracy;
  m_stamp.markLive();
}
