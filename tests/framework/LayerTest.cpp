#include "support/NullCanvas.h"

#include "framework/GameEngine.h"
#include "input/InputEvent.h"
#include "video/Layer.h"
#include "video/LayerManager.h"
#include "video/RenderGroup.h"

#include <gtest/gtest.h>

#include <string>

using video::Layer;
using video::LayerManager;

namespace {

std::string trace;

struct Handler : framework::EventHandler {
  std::string name;
  bool consumes = false;
  Handler(std::string name, bool consumes = false) : name(std::move(name)), consumes(consumes) {}
  bool handleEvent(const framework::InputEvent &) override {
    trace += name + " ";
    return consumes;
  }
};

struct Drawable : video::RenderableObject {
  std::string name;
  int updates = 0;
  int finishAfter = -1;
  explicit Drawable(std::string name, int finishAfter = -1)
      : name(std::move(name)), finishAfter(finishAfter) {}
  ~Drawable() override { trace += "~" + name + " "; }
  void update(float) override {
    ++updates;
    trace += "u" + name + " ";
    if (updates == finishAfter)
      finish();
  }
  void render(video::Canvas &) override { trace += "r" + name + " "; }
};

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

class LayerTest : public ::testing::Test {
protected:
  void SetUp() override {
    trace.clear();
    for (const wchar_t *name : {L"bottom", L"middle", L"top"})
      LayerManager::instance().addLayer(new Layer(sym(name)));
  }
  void TearDown() override {
    LayerManager::destroyInstance();
    video::RenderGroupTable::destroyInstance();
  }
  Layer &layer(const wchar_t *name) { return LayerManager::instance().getLayer(sym(name)); }

  testing_support::NullCanvas canvas;
  framework::InputEvent event;
};

} // namespace

TEST_F(LayerTest, LookUpByNameFallsBackToTheBottomLayer) {
  LayerManager &layers = LayerManager::instance();
  EXPECT_EQ(layers.getLayerIndex(sym(L"top")), 2u);
  EXPECT_EQ(layers.getLayer(sym(L"middle")).name(), sym(L"middle"));
  EXPECT_EQ(layers.getLayerIndex(sym(L"nowhere")), 0u);
  EXPECT_EQ(&layers.getLayer(sym(L"nowhere")), &layers.getLayerAt(0));

  Layer *stray = new Layer(sym(L"stray"));
  EXPECT_FALSE(layers.insertLayerAfter(stray, sym(L"nowhere")));
  delete stray;
  EXPECT_EQ(layers.layerCount(), 3u);
  EXPECT_TRUE(layers.insertLayerAfter(new Layer(sym(L"over")), sym(L"middle")));
  layers.insertLayerAt(new Layer(sym(L"under")), 0);
  layers.insertLayerAt(new Layer(sym(L"last")), layers.layerCount());
  const wchar_t *order[] = {L"under", L"bottom", L"middle", L"over", L"top", L"last"};
  ASSERT_EQ(layers.layerCount(), 6u);
  for (unsigned i = 0; i < 6; ++i)
    EXPECT_EQ(layers.getLayerAt(i).name(), sym(order[i]));
}

// Top layer first, last added handler first, until one consumes the event.
TEST_F(LayerTest, EventsGoTopLayerFirstAndLastHandlerFirst) {
  Handler a("a"), b("b"), c("c"), d("d");
  layer(L"bottom").addEventHandler(&a);
  layer(L"bottom").addEventHandler(&b);
  layer(L"top").addEventHandler(&c);
  layer(L"top").addEventHandler(&d);
  EXPECT_FALSE(LayerManager::instance().handleEvent(event));
  EXPECT_EQ(trace, "d c b a ");

  trace.clear();
  c.consumes = true;
  EXPECT_TRUE(LayerManager::instance().handleEvent(event));
  EXPECT_EQ(trace, "d c ");

  trace.clear();
  layer(L"top").setEnabled(false);
  EXPECT_FALSE(LayerManager::instance().handleEvent(event));
  EXPECT_EQ(trace, "b a ");
}

TEST_F(LayerTest, RemovingAHandlerMovesTheLastIntoItsPlace) {
  Handler first("first"), second("second"), third("third");
  Layer &l = layer(L"middle");
  l.addEventHandler(&first);
  l.addEventHandler(&second);
  l.addEventHandler(&third);
  EXPECT_TRUE(l.removeEventHandler(&first));
  EXPECT_FALSE(l.removeEventHandler(&first));
  ASSERT_EQ(l.eventHandlers().size(), 2u);
  EXPECT_EQ(l.eventHandlers()[0], &third);
  EXPECT_EQ(l.eventHandlers()[1], &second);
}

TEST_F(LayerTest, PendingMovesGoToTheFrontWhenApplied) {
  Layer &l = layer(L"middle");
  Drawable a("a"), b("b"), c("c");
  Handler h1("1"), h2("2"), h3("3");
  l.addRenderable(&a);
  l.addRenderable(&b);
  l.addRenderable(&c);
  for (Handler *h : {&h1, &h2, &h3})
    l.addEventHandler(h);

  l.moveRenderableToFront(&b);
  l.moveRenderableToFront(&a); // replaces the earlier request
  l.moveEventHandlerToFront(&h1);
  l.render(canvas);
  EXPECT_EQ(trace, "ra rb rc ");

  // Applied even on a disabled layer when the manager applies them.
  l.setEnabled(false);
  LayerManager::instance().applyPendingMoves();
  l.setEnabled(true);
  trace.clear();
  l.render(canvas);
  EXPECT_EQ(trace, "rb rc ra ");
  trace.clear();
  l.handleEvent(event);
  EXPECT_EQ(trace, "1 3 2 ");

  // Something in neither array only clears the request.
  Drawable stranger("s");
  l.moveRenderableToFront(&stranger);
  l.applyPendingMoves();
  trace.clear();
  l.render(canvas);
  EXPECT_EQ(trace, "rb rc ra ");
  trace.clear();
}

TEST_F(LayerTest, DisabledLayersNeitherUpdateNorDraw) {
  auto *group = new video::RenderGroup(sym(L"middle"));
  group->addRenderable(new Drawable("g"));
  Drawable page("p");
  layer(L"middle").addRenderable(&page);
  layer(L"middle").addRenderGroup(group);
  LayerManager::instance().update(0.1f);
  LayerManager::instance().render(canvas);
  // Drawables are updated by their owners, groups by the layer.
  EXPECT_EQ(trace, "ug rp rg ");
  trace.clear();
  layer(L"middle").setEnabled(false);
  LayerManager::instance().update(0.1f);
  LayerManager::instance().render(canvas);
  EXPECT_EQ(trace, "");
  // The layer deletes its groups, and the groups their children.
  LayerManager::destroyInstance();
  EXPECT_EQ(trace, "~g ");
  trace.clear();
}

TEST_F(LayerTest, TheGameEngineDrawsFirstOnEveryEnabledLayer) {
  struct Engine : framework::GameEngine {
    Engine() : GameEngine(Symbol::intern(L"testEngine")) {}
    void renderLayer(video::Canvas &, Symbol layerName) override {
      container::Vector<char> name;
      layerName.toString().toUtf8(name);
      trace += std::string("E:") + name.data() + " ";
    }
  };
  auto *engine = new Engine;
  framework::GameEngine::setCurrent(engine);
  Drawable d("d");
  layer(L"middle").addRenderable(&d);
  layer(L"top").setEnabled(false);
  LayerManager::instance().render(canvas);
  EXPECT_EQ(trace, "E:bottom E:middle rd ");
  framework::GameEngine::deleteCurrent();
  EXPECT_EQ(framework::GameEngine::current(), nullptr);
  trace.clear();
}

TEST_F(LayerTest, EveryLayerGetsARenderGroupOfItsName) {
  LayerManager::instance().createRenderGroups();
  for (const wchar_t *name : {L"bottom", L"middle", L"top"}) {
    video::RenderGroup *group = video::RenderGroupTable::instance().find(sym(name));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(layer(name).renderGroups().size(), 1u);
    EXPECT_EQ(layer(name).renderGroups()[0], group);
  }
  // A group deleted with its layer leaves the table.
  LayerManager::destroyInstance();
  EXPECT_EQ(video::RenderGroupTable::instance().find(sym(L"middle")), nullptr);
}

// A child is updated once more in the frame it finishes, then deleted before
// it could be drawn; the others keep their order.
TEST(RenderGroup, FinishedChildrenGoInTheirLastUpdate) {
  trace.clear();
  testing_support::NullCanvas canvas;
  video::RenderGroup group(Symbol::intern(L"effects"));
  group.addRenderable(new Drawable("a"));
  group.addRenderable(new Drawable("b", 1));
  group.addRenderable(new Drawable("c", 1));
  group.addRenderable(new Drawable("d", 2));
  group.update(0.1f);
  EXPECT_EQ(trace, "ua ub ~b uc ~c ud ");
  trace.clear();
  group.render(canvas);
  EXPECT_EQ(trace, "ra rd ");
  trace.clear();
  group.update(0.1f);
  EXPECT_EQ(trace, "ua ud ~d ");
  trace.clear();
  group.clear();
  EXPECT_EQ(trace, "~a ");
  trace.clear();
  group.render(canvas);
  EXPECT_EQ(trace, "");
}

TEST(RenderGroupTable, ANewGroupOfTheSameNameReplacesTheEntry) {
  video::RenderGroup first(Symbol::intern(L"sparkles")), second(Symbol::intern(L"sparkles"));
  video::RenderGroupTable &table = video::RenderGroupTable::instance();
  table.add(&first);
  table.add(&second);
  EXPECT_EQ(table.find(Symbol::intern(L"sparkles")), &second);
  EXPECT_EQ(table.find(Symbol::intern(L"absent")), nullptr);
  EXPECT_TRUE(table.remove(&first)); // by name
  EXPECT_FALSE(table.remove(&second));
  video::RenderGroupTable::destroyInstance();
}

// A handler may take itself and others off the layer while it handles.
TEST_F(LayerTest, HandlersMayLeaveWhileAnEventIsOffered) {
  struct Leaving : framework::EventHandler {
    Layer *layer = nullptr;
    std::vector<framework::EventHandler *> others;
    bool handleEvent(const framework::InputEvent &) override {
      trace += "leave ";
      layer->removeEventHandler(this);
      for (framework::EventHandler *other : others)
        layer->removeEventHandler(other);
      return false;
    }
  };
  Layer &l = layer(L"middle");
  Handler a("a"), b("b");
  Leaving leaving;
  leaving.layer = &l;
  leaving.others = {&a, &b};
  l.addEventHandler(&a);
  l.addEventHandler(&b);
  l.addEventHandler(&leaving);
  EXPECT_FALSE(l.handleEvent(event));
  EXPECT_EQ(trace, "leave ");
  EXPECT_EQ(l.eventHandlers().size(), 0u);
  trace.clear();
}
