#include "file/Pdl.h"
#include "framework/LocationDelegate.h"
#include "framework/ShellTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace framework;
using namespace shelltest;

namespace {

struct Recorder : LocationListener {
  void locationChanged(const Location &location, const Location &previous, int flags) override {
    locations.push_back(location);
    previousValid.push_back(previous.valid);
    this->flags.push_back(flags);
  }
  void locationFailed(int kind) override { errors.push_back(kind); }
  std::vector<Location> locations;
  std::vector<int> previousValid, flags, errors;
};

struct Fresh {
  Fresh() {
    startSdl();
    LocationDelegate::destroyInstance();
    pdl::clearLocationResult();
  }
  ~Fresh() {
    LocationDelegate::destroyInstance();
    pdl::clearLocationResult();
    pdl::enableLocationTracking(false);
  }
};

} // namespace

TEST(Location, TrackingDeliversTheReadingAsAnEvent) {
  Fresh fresh;
  const double fix[5] = {52.5, 13.25, -1.0, 8.0, -1.0};
  pdl::setLocationFix(fix);
  Recorder first, second;
  LocationDelegate &delegate = LocationDelegate::instance();
  delegate.addListener(&first);
  delegate.addListener(&second);
  delegate.startTracking();
  EXPECT_TRUE(delegate.isTracking());
  EXPECT_TRUE(pdl::locationTracking());
  // Nothing arrives before the event is pumped on the main thread.
  EXPECT_TRUE(first.locations.empty());
  pump();
  ASSERT_EQ(first.locations.size(), 1u);
  ASSERT_EQ(second.locations.size(), 1u);
  const Location &l = first.locations[0];
  EXPECT_EQ(l.valid, Location::COORDINATE | Location::HORIZONTAL_ACCURACY);
  EXPECT_FLOAT_EQ(l.coordinate.x, 13.25f);
  EXPECT_FLOAT_EQ(l.coordinate.y, 52.5f);
  EXPECT_FLOAT_EQ(l.horizontalAccuracy, 8.0f);
  EXPECT_EQ(first.previousValid[0], 0);
  EXPECT_EQ(first.flags[0], 0);
  EXPECT_EQ(narrow(l.toString()),
            "(coordinate: 13.25,52.50, altitude: unknown, horizontalAccuracy: 8, "
            "verticalAccuracy: unknown)");

  delegate.removeListener(&first);
  delegate.stopTracking();
  EXPECT_FALSE(pdl::locationTracking());
  delegate.startTracking();
  pump();
  EXPECT_EQ(first.locations.size(), 1u);
  EXPECT_EQ(second.locations.size(), 2u);
}

TEST(Location, ErrorsReachListenersAndDeniedStopsTracking) {
  const struct {
    int code;
    int kind;
    const char *name;
    bool stillTracking;
  } cases[] = {{6, LOCATION_DENIED, "denied", false},
               {5, LOCATION_UNINITIALIZED, "uninitialized", true},
               {9, LOCATION_ERROR_UNKNOWN, "errorUnknown", true}};
  for (const auto &c : cases) {
    Fresh fresh;
    pdl::setLocationError(c.code);
    Recorder listener;
    LocationDelegate &delegate = LocationDelegate::instance();
    delegate.addListener(&listener);
    delegate.startTracking();
    StderrCapture log;
    pump();
    std::string text = log.finish();
    EXPECT_NE(text.find(std::string("LocationDelegate error: ") + c.name), std::string::npos)
        << text;
    EXPECT_EQ(listener.errors, std::vector<int>{c.kind});
    EXPECT_EQ(delegate.isTracking(), c.stillTracking) << c.name;
  }
  EXPECT_EQ(narrow(locationErrorName(LOCATION_UNKNOWN).toString()), "locationUnknown");
}

TEST(Location, Text) {
  Location onlyAltitude;
  onlyAltitude.altitude = 12.5f;
  onlyAltitude.valid = Location::ALTITUDE;
  EXPECT_EQ(narrow(onlyAltitude.toString()),
            "(coordinate: unknown, altitude: 12.5, horizontalAccuracy: unknown, "
            "verticalAccuracy: unknown)");
  const double none[5] = {-1.0, 5.0, -1.0, -1.0, -1.0};
  EXPECT_EQ(Location::fromPlatform(none).valid, 0);
  const double all[5] = {1.0, 2.0, 3.0, 4.0, 5.0};
  EXPECT_EQ(Location::fromPlatform(all).valid, 15);
}
