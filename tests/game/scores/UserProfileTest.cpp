#include "scores/UserProfile.h"
#include "engine/LevelCatalogue.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"
#include "framework/FrameworkTestSupport.h"
#include "platform/DeviceServices.h"

#include <string>

namespace {

std::string narrow(const String &wide) {
  container::Vector<char> bytes;
  wide.toUtf8(bytes);
  return bytes.data();
}

class UserProfileTest : public testing_support::FrameworkTest {
protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    framework->documents = folder.path();
  }
  void TearDown() override {
    UserProfile::destroy();
    LevelCatalogue::destroy();
    FrameworkTest::TearDown();
  }

  UserProfile &profile() { return UserProfile::instance(); }

  // A fresh profile loaded from the file as it is now.
  UserProfile &reload() {
    UserProfile::destroy();
    profile().load();
    return profile();
  }

  std::string encoded() {
    file::BufferBinary bytes;
    profile().writeTo(bytes);
    return std::string(reinterpret_cast<const char *>(bytes.data()), bytes.size());
  }

  // A user file with the given counters and record counts; the rest zero.
  std::string handMade(uint16_t current, uint16_t unlocked, uint16_t completed,
                       uint16_t localCount = 70, uint16_t globalCount = 70,
                       uint16_t campaignLevel = 0) {
    file::BufferBinary out;
    file::write(uint32_t(2), out);
    file::write(String(L"Palm_stored"), out);
    file::write(current, out);
    file::write(unlocked, out);
    file::write(completed, out);
    file::write(localCount, out);
    for (uint32_t i = 0; i < localCount; ++i) {
      file::write(uint32_t(1000 + i), out);
      file::write(math::Vector2(), out);
      file::write(false, out);
    }
    file::write(globalCount, out);
    for (uint32_t i = 0; i < globalCount; ++i) {
      for (int word = 0; word < 9; ++word)
        file::write(uint32_t(0), out);
      file::write(true, out);
    }
    for (int byte = 0; byte < 15 + 37; ++byte)
      file::write(uint8_t(0), out);
    file::write(false, out);
    file::write(math::Vector2(), out);
    file::write(false, out);
    file::write(campaignLevel, out);
    file::write(true, out);
    file::write(uint8_t(0), out);
    file::write(12.5f, out);
    return std::string(reinterpret_cast<const char *>(out.data()), out.size());
  }
};

} // namespace

// The file.

TEST_F(UserProfileTest, AFreshProfileOpensTheFirstLevelAndMakesAnId) {
  UserProfile &fresh = profile();
  fresh.load();
  EXPECT_FALSE(fresh.m_loaded);
  EXPECT_EQ(fresh.m_currentLevel, 0u);
  EXPECT_EQ(fresh.m_levelsUnlocked, 1u);
  EXPECT_TRUE(fresh.showsTutorial());
  EXPECT_EQ(fresh.m_localLevels.size(), 70u);
  EXPECT_EQ(fresh.m_globalLevels.size(), 70u);
  EXPECT_EQ(narrow(fresh.m_playerId), "Palm_" + narrow(platform::uniqueDeviceId()));
  EXPECT_FALSE(folder.exists("user.bin"));
}

TEST_F(UserProfileTest, SavesEveryFieldInItsPlaceAndReadsThemBack) {
  UserProfile &p = profile();
  p.m_playerId = String(L"Palm_abc");
  p.m_levelsUnlocked = 12;
  p.m_currentLevel = 7;
  p.m_levelsCompleted = 9;
  p.localLevel(3)->m_score = 4200;
  p.localLevel(3)->m_location = math::Vector2(12.5f, -3.0f);
  p.localLevel(3)->m_posted = true;
  ScoreRank answer;
  answer.rank = 17;
  answer.blockingScore = 5000;
  p.globalLevel(3)->setAnswer(answer);
  p.m_localCampaign.m_score = 9100;
  p.m_localCampaign.m_lastLevel = 8;
  p.m_campaignInProgress = true;
  p.m_campaignLevel = 9;
  p.m_soundEnabled = false;
  p.m_postScoresSaved = UserProfile::ALLOWED;
  p.m_calibrationAngle = -20.0f;
  ASSERT_TRUE(p.save());

  // Version, id, three counters, the counted records, the campaign's two,
  // the location, the campaign in progress and the options.
  std::string bytes = folder.read("user.bin");
  size_t id = 1 + 8 + 1;
  EXPECT_EQ(bytes.size(), 4 + id + 6 + 2 + 70 * 13 + 2 + 70 * 37 + 15 + 37 + 9 + 1 + 2 + 1 + 1 + 4);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\2\0\0\0", 4));
  EXPECT_EQ(bytes.substr(4 + id, 8), std::string("\7\0\14\0\11\0\106\0", 8));

  UserProfile &q = reload();
  EXPECT_TRUE(q.m_loaded);
  EXPECT_EQ(narrow(q.m_playerId), "Palm_abc");
  EXPECT_EQ(q.m_levelsUnlocked, 12u);
  EXPECT_EQ(q.m_currentLevel, 7u);
  EXPECT_EQ(q.m_levelsCompleted, 9u);
  EXPECT_EQ(q.localLevel(3)->m_score, 4200u);
  EXPECT_EQ(q.localLevel(3)->m_location.x, 12.5f);
  EXPECT_TRUE(q.localLevel(3)->m_posted);
  EXPECT_EQ(q.globalLevel(3)->m_answer.rank, 17);
  EXPECT_EQ(q.globalLevel(3)->m_answer.blockingScore, 5000);
  // Known from the file, not fresh.
  EXPECT_TRUE(q.globalLevel(3)->m_stamp.known);
  EXPECT_FALSE(q.globalLevel(3)->m_stamp.isLive());
  EXPECT_EQ(q.m_localCampaign.m_score, 9100u);
  EXPECT_EQ(q.m_localCampaign.m_lastLevel, 8u);
  EXPECT_TRUE(q.m_campaignInProgress);
  EXPECT_EQ(q.m_campaignLevel, 9u);
  EXPECT_FALSE(q.m_soundEnabled);
  EXPECT_TRUE(audio::Player::instance().muted());
  EXPECT_EQ(q.postScoresPermission(), uint32_t(UserProfile::ALLOWED));
  EXPECT_EQ(q.m_calibrationAngle, -20.0f);
  EXPECT_EQ(encoded(), bytes);
}

TEST_F(UserProfileTest, AVersionOneFileHasNoCalibrationAndIsRewrittenAsVersionTwo) {
  std::string bytes = handMade(2, 5, 2);
  bytes[0] = 1;
  bytes.resize(bytes.size() - 4);
  folder.write("user.bin", bytes);
  UserProfile &p = reload();
  EXPECT_TRUE(p.m_loaded);
  EXPECT_EQ(p.m_calibrationAngle, 0.0f);
  EXPECT_EQ(p.m_currentLevel, 2u);
  ASSERT_TRUE(p.save());
  std::string saved = folder.read("user.bin");
  EXPECT_EQ(saved[0], 2);
  EXPECT_EQ(saved.size(), bytes.size() + 4);
}

TEST_F(UserProfileTest, StoredCountersAreKeptWithinTheLevels) {
  struct Case {
    const char *name;
    uint16_t current, unlocked, campaign;
    uint32_t wantCurrent, wantUnlocked, wantCampaign;
  };
  const Case cases[] = {
      {"more unlocked than levels", 3, 100, 2, 3, 70, 2},
      {"current past the unlocked", 69, 5, 0, 4, 5, 0},
      {"campaign past the unlocked", 0, 5, 10, 0, 5, 4},
      // Never written by the game: read as the first level open.
      {"none unlocked", 0, 0, 0, 0, 1, 0},
      {"none unlocked, past it", 30, 0, 20, 0, 1, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    folder.write("user.bin", handMade(c.current, c.unlocked, 0, 70, 70, c.campaign));
    UserProfile &p = reload();
    EXPECT_EQ(p.m_currentLevel, c.wantCurrent);
    EXPECT_EQ(p.m_levelsUnlocked, c.wantUnlocked);
    EXPECT_EQ(p.m_campaignLevel, c.wantCampaign);
    EXPECT_LT(p.m_currentLevel, LevelCatalogue::instance().levelCount());
  }
}

TEST_F(UserProfileTest, SurplusRecordsAreDroppedAndMissingOnesKeepTheirDefaults) {
  folder.write("user.bin", handMade(0, 1, 0, 72, 3));
  UserProfile &p = reload();
  EXPECT_TRUE(p.m_loaded);
  EXPECT_EQ(p.m_localLevels.size(), 70u);
  EXPECT_EQ(p.localLevel(69)->m_score, 1069u);
  EXPECT_TRUE(p.globalLevel(2)->m_stamp.known);
  EXPECT_FALSE(p.globalLevel(3)->m_stamp.known);
  // What follows the records was read in its place.
  EXPECT_EQ(p.m_calibrationAngle, 12.5f);
  EXPECT_EQ(narrow(p.m_playerId), "Palm_stored");
}

TEST_F(UserProfileTest, FilesThatHoldNothingLeaveTheDefaults) {
  struct Case {
    const char *name;
    std::string bytes;
    const char *logged;
  };
  const Case cases[] = {
      {"empty", "", "Failed to deserialize user data - file exists but is empty."},
      {"version 0", std::string("\0\0\0\0\1Palm_x\0", 12), nullptr},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    folder.write("user.bin", c.bytes);
    testing::internal::CaptureStderr();
    UserProfile &p = reload();
    std::string log = testing::internal::GetCapturedStderr();
    if (c.logged) {
      EXPECT_NE(log.find(c.logged), std::string::npos) << log;
    }
    EXPECT_FALSE(p.m_loaded);
    EXPECT_EQ(p.m_levelsUnlocked, 1u);
    // A made id, not the one after the version.
    EXPECT_EQ(narrow(p.m_playerId).rfind("Palm_", 0), 0u);
    EXPECT_NE(narrow(p.m_playerId), "Palm_x");
  }
}

TEST_F(UserProfileTest, AFileCutShortIsRefusedWhole) {
  std::string whole = handMade(3, 9, 4);
  for (size_t keep : {size_t(3), size_t(30), size_t(500), whole.size() - 1}) {
    SCOPED_TRACE(keep);
    folder.write("user.bin", whole.substr(0, keep));
    testing::internal::CaptureStderr();
    UserProfile &p = reload();
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("Failed to deserialize user data - file is cut short"), std::string::npos);
    EXPECT_FALSE(p.m_loaded);
    EXPECT_EQ(p.m_currentLevel, 0u);
    EXPECT_EQ(p.m_levelsUnlocked, 1u);
    EXPECT_EQ(p.localLevel(0)->m_score, 0u);
    EXPECT_EQ(p.m_calibrationAngle, 0.0f);
    EXPECT_NE(narrow(p.m_playerId), "Palm_stored");
  }
}

TEST_F(UserProfileTest, AStoredIdIsKept) {
  folder.write("user.bin", handMade(0, 1, 0));
  EXPECT_EQ(narrow(reload().m_playerId), "Palm_stored");
}

TEST_F(UserProfileTest, SavingReplacesTheFileWholeOrReportsAndWritesNothing) {
  folder.write("user.bin", "old contents");
  ASSERT_TRUE(profile().save());
  EXPECT_EQ(folder.read("user.bin"), encoded());
  // Nothing else is left in the folder.
  size_t files = 0;
  for (const auto &entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1u);

  framework->documents = folder.path("missing");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(profile().save());
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Cannot save"), std::string::npos) << log;
  EXPECT_FALSE(folder.exists("missing"));
}

// Level progress and options.

TEST_F(UserProfileTest, LevelProgress) {
  UserProfile &p = profile();
  p.unlockLevel(4);
  EXPECT_EQ(p.m_levelsUnlocked, 5u);
  p.unlockLevel(2);
  EXPECT_EQ(p.m_levelsUnlocked, 5u);
  p.selectLevel(9);
  EXPECT_EQ(p.m_currentLevel, 9u);
  EXPECT_EQ(p.m_levelsUnlocked, 10u);
  EXPECT_FALSE(p.showsTutorial());
  p.completeLevel(9);
  EXPECT_EQ(p.m_levelsCompleted, 10u);
  EXPECT_EQ(p.m_campaignLevel, 10u);
  p.completeLevel(3);
  EXPECT_EQ(p.m_levelsCompleted, 10u);
  // The campaign never moves past the last level.
  p.completeLevel(69);
  EXPECT_EQ(p.m_campaignLevel, 4u);
  p.beginCampaign();
  EXPECT_TRUE(p.m_campaignInProgress);
  EXPECT_EQ(p.m_campaignLevel, 9u);
}

TEST_F(UserProfileTest, ANewScoreMustBePostedAgain) {
  UserProfile &p = profile();
  p.localLevel(5)->m_posted = true;
  p.globalLevel(5)->setAnswer(ScoreRank());
  p.globalLevel(6)->setAnswer(ScoreRank());
  p.localLevel(5)->setScore(300);
  EXPECT_FALSE(p.localLevel(5)->m_posted);
  EXPECT_FALSE(p.globalLevel(5)->m_stamp.known);
  EXPECT_TRUE(p.globalLevel(6)->m_stamp.known);
  p.m_globalCampaign.setAnswer(ScoreRank());
  p.m_localCampaign.setScore(10);
  EXPECT_FALSE(p.m_globalCampaign.m_stamp.known);
}

TEST_F(UserProfileTest, AStoredPostingAnswerWinsOverOneForThisRun) {
  UserProfile &p = profile();
  p.setPostScoresPermission(UserProfile::REFUSED, false);
  EXPECT_EQ(p.postScoresPermission(), uint32_t(UserProfile::REFUSED));
  EXPECT_EQ(p.m_postScoresSaved, 0u);
  p.setPostScoresPermission(UserProfile::ALLOWED, true);
  EXPECT_EQ(p.postScoresPermission(), uint32_t(UserProfile::ALLOWED));
  ASSERT_TRUE(p.save());
  EXPECT_EQ(reload().postScoresPermission(), uint32_t(UserProfile::ALLOWED));
}
