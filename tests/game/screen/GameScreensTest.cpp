#include "screen/GameScreens.h"
#include "engine/LevelCatalogue.h"
#include "file/Database.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "game/CountedTexture.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "scores/UserProfile.h"
#include "screen/HomeIntroScreen.h"
#include "screen/ScreenRegistry.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"

using gametest::CountedTexture;

namespace {

class GameScreensTest : public testing_support::FrameworkTest {
protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    framework->documents = folder.path();
    screen::registerGameScreens();
  }
  void TearDown() override {
    screen::HomeIntroScreen::clearFirstLevel();
    screen::ScreenRegistry::destroyInstance();
    UserProfile::destroy();
    LevelCatalogue::destroy();
    FrameworkTest::TearDown();
  }

  GUI::Page *addPage(const wchar_t *name) {
    auto *page = new GUI::Page;
    page->setName(Symbol::intern(name));
    GUI::PageFactory::instance()->addPage(page);
    return page;
  }

  screen::ScreenRegistry &screens() { return screen::ScreenRegistry::instance(); }
};

} // namespace

TEST_F(GameScreensTest, RegistersTheScreensWithNoneCurrent) {
  for (const wchar_t *name : {L"blank", L"game", L"home", L"homeIntro", L"levelComplete"})
    EXPECT_TRUE(screens().hasScreen(Symbol::intern(name)));
  EXPECT_EQ(screens().currentScreen(), nullptr);
  // A second registration replaces them all.
  screens().switchScreen(SYM(L"game"));
  screen::registerGameScreens();
  EXPECT_EQ(screens().currentScreen(), nullptr);
}

TEST_F(GameScreensTest, EachScreenOpensItsPagesAndClosesTheRest) {
  GUI::Page *game = addPage(L"game");
  GUI::Page *home = addPage(L"home");
  GUI::Page *intro = addPage(L"homeIntro");
  testing::internal::CaptureStderr();
  screens().switchScreen(SYM(L"home"));
  EXPECT_EQ(home->state(), uint32_t(GUI::Page::ACTIVE));
  intro->enter();
  screens().switchScreen(SYM(L"game"));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(game->state(), uint32_t(GUI::Page::ACTIVE));
  EXPECT_EQ(home->state(), uint32_t(GUI::Page::INACTIVE));
  EXPECT_EQ(intro->state(), uint32_t(GUI::Page::INACTIVE));
  screens().switchScreen(SYM(L"blank"));
  EXPECT_EQ(game->state(), uint32_t(GUI::Page::INACTIVE));
}

TEST_F(GameScreensTest, LeavingHomeGivesBackTheTitlePicture) {
  int title = 0, other = 0;
  TextureManager &textures = corvaneDatabase()->textureManager();
  textures.addTexture(new CountedTexture(L"titleSplat", title));
  textures.addTexture(new CountedTexture(L"other", other));
  testing::internal::CaptureStderr();
  screens().switchScreen(SYM(L"game"));
  screens().switchScreen(SYM(L"blank"));
  EXPECT_EQ(title, 0);
  screens().switchScreen(SYM(L"home"));
  screens().switchScreen(SYM(L"game"));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(title, 1);
  EXPECT_EQ(other, 0);
}

TEST_F(GameScreensTest, TheIntroGoesToPlayWithTheLevelTheProgramWasGiven) {
  struct Case {
    uint32_t level;
    uint32_t current;
    const char *logged;
  };
  const Case cases[] = {{5, 5, nullptr}, {70, 0, "No level 70: the game has 70 levels"}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.level);
    UserProfile::destroy();
    screen::HomeIntroScreen::setFirstLevel(c.level);
    screens().switchScreen(SYM(L"blank"));
    testing::internal::CaptureStderr();
    screens().switchScreen(SYM(L"homeIntro"));
    EXPECT_EQ(screens().currentScreenName(), SYM(L"homeIntro"));
    screens().update(0.03f);
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(screens().currentScreenName(), SYM(L"game"));
    EXPECT_EQ(UserProfile::instance().m_currentLevel, c.current);
    if (c.logged) {
      EXPECT_NE(log.find(c.logged), std::string::npos) << log;
    }
  }
  // The level is selected once only.
  UserProfile::instance().selectLevel(2);
  screens().switchScreen(SYM(L"homeIntro"));
  screens().update(0.03f);
  EXPECT_EQ(UserProfile::instance().m_currentLevel, 2u);
}
