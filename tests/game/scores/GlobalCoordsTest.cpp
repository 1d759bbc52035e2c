#include "scores/GlobalCoords.h"
#include "engine/Tumblix.h"
#include "file/Pdl.h"
#include "framework/FrameworkTestSupport.h"
#include "framework/LocationDelegate.h"
#include "gui/GameFrontEnd.h"

namespace {

framework::Location fix(float longitude, float latitude, float accuracy) {
  framework::Location location;
  location.coordinate = math::Vector2(longitude, latitude);
  location.horizontalAccuracy = accuracy;
  location.valid = framework::Location::COORDINATE | framework::Location::HORIZONTAL_ACCURACY;
  return location;
}

class GlobalCoordsTest : public testing_support::FrameworkTest {
protected:
  void TearDown() override {
    LocationDelegate::destroyInstance();
    FrameworkTest::TearDown();
  }
};

} // namespace

TEST_F(GlobalCoordsTest, KeepsTheBestLiveFixAndStopsAtAGoodOne) {
  GlobalCoords coords;
  coords.startTracking();
  EXPECT_TRUE(pdl::locationTracking());
  coords.report(fix(10.0f, 20.0f, 500.0f), 0.0f);
  EXPECT_EQ(coords.m_location.x, 10.0f);
  EXPECT_TRUE(coords.m_stamp.isLive());
  EXPECT_TRUE(coords.m_tracking);
  coords.report(fix(11.0f, 21.0f, 800.0f), 0.0f);
  EXPECT_EQ(coords.m_location.x, 10.0f);
  coords.report(fix(12.0f, 22.0f, 50.0f), 0.0f);
  EXPECT_EQ(coords.m_location.x, 12.0f);
  EXPECT_EQ(coords.m_accuracy, 50.0f);
  EXPECT_FALSE(coords.m_tracking);
  EXPECT_FALSE(pdl::locationTracking());
  coords.unregister();
}

TEST_F(GlobalCoordsTest, AnOldReportIsIgnoredEntirely) {
  GlobalCoords coords;
  coords.startTracking();
  for (float age : {31.0f, -31.0f}) {
    coords.report(fix(1.0f, 2.0f, 10.0f), age);
    EXPECT_FALSE(coords.m_stamp.known);
    EXPECT_TRUE(coords.m_tracking);
  }
  coords.unregister();
}

TEST_F(GlobalCoordsTest, PlatformReportsAndDenialReachIt) {
  GlobalCoords coords;
  coords.startTracking();
  LocationDelegate::instance().notifyLocation(fix(3.0f, 4.0f, 500.0f), framework::Location(), 0);
  EXPECT_EQ(coords.m_location.y, 4.0f);
  testing::internal::CaptureStderr();
  LocationDelegate::instance().reportError(framework::LOCATION_DENIED);
  testing::internal::GetCapturedStderr();
  EXPECT_FALSE(coords.m_tracking);
  // Unregistered, it hears nothing more.
  coords.unregister();
  LocationDelegate::instance().notifyLocation(fix(5.0f, 6.0f, 10.0f), framework::Location(), 0);
  EXPECT_EQ(coords.m_location.y, 4.0f);
}

TEST_F(GlobalCoordsTest, AKnownPlaceFromTheProfileIsNeverLive) {
  GlobalCoords coords;
  coords.setKnownLocation(math::Vector2(-122.32f, 47.67f));
  EXPECT_TRUE(coords.m_stamp.known);
  EXPECT_FALSE(coords.m_stamp.isLive());
  coords.unregister();
}

TEST(GlobalCoordsTiming, TrackingTimesOutOnlyInTheForeground) {
  struct App : Tumblix {};
  GameFrontEnd frontEnd;
  FrontEnd::install(&frontEnd);
  auto *app = new App;
  GlobalCoords &coords = frontEnd.coords();
  coords.startTracking();
  app->focusChanged(false);
  for (int i = 0; i < 400; ++i)
    coords.update(1.0f);
  EXPECT_TRUE(coords.m_tracking);
  EXPECT_EQ(coords.m_trackingTime, 0.0f);
  app->focusChanged(true);
  for (int i = 0; i < 360; ++i)
    coords.update(1.0f);
  EXPECT_TRUE(coords.m_tracking);
  coords.update(1.0f);
  EXPECT_FALSE(coords.m_tracking);
  testing_support::tearDownFramework();
  LocationDelegate::destroyInstance();
}
