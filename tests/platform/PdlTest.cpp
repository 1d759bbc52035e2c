#include "file/Pdl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

TEST(Pdl, DesktopAnswers) {
  EXPECT_EQ(pdl::init(0), pdl::Ok);
  EXPECT_TRUE(pdl::isInitialized());
  EXPECT_STREQ(pdl::getHardware(), "Desktop");

  char language[128];
  EXPECT_EQ(pdl::getLanguage(language, sizeof language), pdl::Ok);
  EXPECT_STREQ(language, "en_US");
  char tiny[3];
  EXPECT_EQ(pdl::getLanguage(tiny, sizeof tiny), pdl::Ok);
  EXPECT_STREQ(tiny, "en");
  EXPECT_EQ(pdl::getLanguage(nullptr, 10), pdl::Error);

  pdl::ScreenMetrics metrics = {};
  EXPECT_EQ(pdl::getScreenMetrics(&metrics), pdl::Ok);
  EXPECT_EQ(metrics.horizontalPixels, 320);
  EXPECT_EQ(metrics.verticalPixels, 480);
  EXPECT_EQ(pdl::getScreenMetrics(nullptr), pdl::Error);

  char first[128], second[128], cut[9];
  ASSERT_EQ(pdl::getUniqueID(first, sizeof first), pdl::Ok);
  ASSERT_EQ(pdl::getUniqueID(second, sizeof second), pdl::Ok);
  EXPECT_STREQ(first, second);
  EXPECT_EQ(strlen(first), 32u);
  ASSERT_EQ(pdl::getUniqueID(cut, sizeof cut), pdl::Ok);
  EXPECT_EQ(std::string(first).substr(0, 8), cut);

  EXPECT_EQ(pdl::launchBrowser(""), pdl::Error);
  EXPECT_EQ(pdl::launchBrowser(nullptr), pdl::Error);

  EXPECT_EQ(pdl::quit(), pdl::Ok);
  EXPECT_FALSE(pdl::isInitialized());
}

namespace {
std::vector<int> g_codes;
std::vector<const void *> g_data;
void record(int code, const void *data) {
  g_codes.push_back(code);
  g_data.push_back(data);
}
} // namespace

TEST(Pdl, LocationTrackingDeliversTheConfiguredResultOnce) {
  g_codes.clear();
  g_data.clear();
  pdl::setLocationDelivery(record);
  pdl::clearLocationResult();
  pdl::enableLocationTracking(true);
  EXPECT_TRUE(g_codes.empty());
  pdl::enableLocationTracking(false);

  const double fix[5] = {1.0, 2.0, 3.0, 4.0, 5.0};
  pdl::setLocationFix(fix);
  pdl::enableLocationTracking(true);
  // Switching on again while on delivers nothing new.
  pdl::enableLocationTracking(true);
  ASSERT_EQ(g_codes.size(), 1u);
  EXPECT_EQ(g_codes[0], pdl::LocationUpdateCode);
  const double *delivered = static_cast<const double *>(g_data[0]);
  EXPECT_EQ(delivered[0], 1.0);
  EXPECT_EQ(delivered[4], 5.0);

  pdl::setLocationError(pdl::LocationErrorDenied);
  pdl::enableLocationTracking(false);
  pdl::enableLocationTracking(true);
  ASSERT_EQ(g_codes.size(), 2u);
  EXPECT_EQ(g_codes[1], pdl::LocationErrorCode);
  EXPECT_EQ(*static_cast<const int *>(g_data[1]), pdl::LocationErrorDenied);

  // Quitting stops tracking.
  pdl::quit();
  EXPECT_FALSE(pdl::locationTracking());
  pdl::setLocationDelivery(nullptr);
  pdl::clearLocationResult();
}
