// The animated container: playing forwards and backwards, showing itself for
// a while and ignoring events meanwhile, and its saved state.

#include "GuiTestSupport.h"
#include "TestSkeletons.h"

#include "file/BufferBinary.h"
#include "gui/AnimatedContainer.h"

using namespace guitest;
using framework::InputEvent;

namespace {

class AnimatedContainerTest : public GuiTest {
protected:
  AnimatedContainerTest() {
    // Four seconds long.
    skeletons.add(L"fade", dictionaryOf(L"( root: ( name: n: animation: ( channels: ( colorA: "
                                        L"( frames: [ ( time: 0 value: 1 ) ( time: 4 value: 0 ) "
                                        L"] ) ) ) ) )"));
    page = shownPage();
    container = new GUI::AnimatedContainer;
    probe = new Probe("probe", rect(-10, -10, 20, 20), true);
    container->addChild(probe);
    container->setPosition(math::Vector2(100, 100));
    page->addChild(container);
  }
  bool press() { return page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 100, 100)); }

  TestSkeletons skeletons{database};
  GUI::Page *page;
  GUI::AnimatedContainer *container;
  Probe *probe;
};

TEST_F(AnimatedContainerTest, PlayAndHideBackwardsRunsFromTheEndAndHidesIgnoringEvents) {
  container->playAndHide(SYM(L"fade"), -2.0f);
  EXPECT_EQ(container->time(), 4.0f);
  EXPECT_TRUE(container->visible());
  EXPECT_TRUE(container->timedShow());
  EXPECT_EQ(container->remaining(), 2.0f);

  container->update(1.5f);
  EXPECT_EQ(container->time(), 1.0f);
  EXPECT_TRUE(container->visible());
  g_log.clear();
  EXPECT_FALSE(press());
  EXPECT_EQ(g_log, "");

  container->update(0.5f);
  EXPECT_EQ(container->time(), 0.0f);
  EXPECT_FALSE(container->visible());
  EXPECT_FALSE(container->timedShow());

  // Played without a limit it shows, stays and passes events on.
  container->play(SYM(L"fade"), 1.0f);
  EXPECT_EQ(container->time(), 0.0f);
  container->update(10.0f);
  EXPECT_TRUE(container->visible());
  g_log.clear();
  EXPECT_TRUE(press());
  EXPECT_EQ(g_log, "probe.down ");
}

TEST_F(AnimatedContainerTest, PlaybackHelpers) {
  container->setAnimation(SYM(L"fade"));
  EXPECT_TRUE(container->hasAnimation());
  container->rewindToEnd();
  EXPECT_EQ(container->time(), 4.0f);
  // The same name keeps the time; another starts again at speed 1.
  container->setAnimation(SYM(L"fade"));
  EXPECT_EQ(container->time(), 4.0f);
  container->play(SYM(L"fade"), 3.0f);
  container->setAnimation(SYM(L"other"));
  EXPECT_EQ(container->time(), 0.0f);
  EXPECT_EQ(container->speed(), 1.0f);

  container->showFor(0.0f);
  EXPECT_FALSE(container->visible());
  // Without an animation the end is at 0, and hiding after it is at once.
  container->setAnimation(Symbol::emptySymbol());
  container->rewindToEnd();
  EXPECT_EQ(container->time(), 0.0f);
  container->play(Symbol::emptySymbol(), 1.0f);
  container->playAndHide(Symbol::emptySymbol(), 1.0f);
  EXPECT_FALSE(container->visible());
}

TEST_F(AnimatedContainerTest, ItsStateIsSavedAfterTheWidgetsAndReadBack) {
  container->playAndHide(SYM(L"fade"), 2.0f);
  container->update(0.5f);
  file::BufferBinary saved;
  container->serialize(saved);

  GUI::AnimatedContainer copy;
  copy.addChild(new Probe("other"));
  saved.seek(0);
  copy.deserialize(saved);
  EXPECT_EQ(saved.bytesRemaining(), 0u);
  EXPECT_EQ(copy.animation(), SYM(L"fade"));
  EXPECT_EQ(copy.time(), 1.0f);
  EXPECT_EQ(copy.speed(), 2.0f);
  EXPECT_TRUE(copy.timedShow());
  EXPECT_EQ(copy.remaining(), 1.5f);
  EXPECT_EQ(xy(copy.position()), xy(math::Vector2(100, 100)));
}

} // namespace
