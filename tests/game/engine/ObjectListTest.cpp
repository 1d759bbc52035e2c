#include "engine/ObjectList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Notes its updates and resets by name; dies or spawns a follower when told.
struct Probe : GameObject {
  int name;
  std::vector<int> *log;
  bool diesOnUpdate = false;
  ObjectList<Probe> *spawnInto = nullptr;
  int *destroyed = nullptr;

  Probe(int name, std::vector<int> *log) : GameObject(nullptr), name(name), log(log) {}
  ~Probe() override {
    if (destroyed)
      ++*destroyed;
  }
  math::Vector3 getPosition() const override { return math::Vector3(); }
  void update(float) override {
    log->push_back(name);
    if (diesOnUpdate)
      setDead();
    if (spawnInto) {
      spawnInto->append(new Probe(name * 10, log));
      spawnInto = nullptr;
    }
  }
  void reset() override { log->push_back(-name); }
};

// A kind whose game-object side is its second base, as for the debris built
// on a physics body.
struct Body {
  virtual ~Body() = default;
  float payload[3] = {1, 2, 3};
};
struct SecondBase : Body, GameObject {
  int *destroyed;
  explicit SecondBase(int *destroyed) : GameObject(nullptr), destroyed(destroyed) {}
  ~SecondBase() override { ++*destroyed; }
  math::Vector3 getPosition() const override { return math::Vector3(); }
  void update(float) override { setDead(); }
};

} // namespace

TEST(ObjectList, UpdateDropsTheDeadInPlace) {
  struct Case {
    const char *what;
    std::vector<bool> dies;
    std::vector<int> updated;
    std::vector<int> left;
  };
  const Case cases[] = {
      {"every object dies", {true, true, true}, {1, 2, 3}, {}},
      {"the middle one dies", {false, true, false}, {1, 2, 3}, {1, 3}},
      {"the first dies", {true, false, false}, {1, 2, 3}, {2, 3}},
      {"none dies", {false, false, false}, {1, 2, 3}, {1, 2, 3}},
  };
  for (const Case &c : cases) {
    std::vector<int> log;
    int destroyed = 0;
    ObjectList<Probe> list;
    for (size_t i = 0; i < c.dies.size(); ++i) {
      Probe *p = new Probe(int(i) + 1, &log);
      p->diesOnUpdate = c.dies[i];
      p->destroyed = &destroyed;
      list.append(p);
    }
    list.update(0.1f);
    EXPECT_EQ(log, c.updated) << c.what;
    std::vector<int> left;
    for (Probe *p : list)
      left.push_back(p->name);
    EXPECT_EQ(left, c.left) << c.what;
    EXPECT_EQ(destroyed, int(c.updated.size() - c.left.size())) << c.what;
  }
}

TEST(ObjectList, AnObjectAppendedDuringTheUpdateIsReached) {
  std::vector<int> log;
  ObjectList<Probe> list;
  list.append(new Probe(1, &log));
  list.append(new Probe(2, &log));
  list.at(0)->spawnInto = &list;
  list.at(0)->diesOnUpdate = true;
  list.update(0.1f);
  EXPECT_EQ(log, (std::vector<int>{1, 2, 10}));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list.last()->name, 10);
}

TEST(ObjectList, RemovingKeepsTheOrder) {
  std::vector<int> log;
  ObjectList<Probe> list;
  Probe *a = new Probe(1, &log), *b = new Probe(2, &log), *c = new Probe(3, &log);
  list.append(a);
  list.append(b);
  list.append(c);
  Probe *removed = list.removeAt(0);
  EXPECT_EQ(removed, a);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], b);
  EXPECT_EQ(list[1], c);
  EXPECT_EQ(list.pop(), c);
  EXPECT_EQ(list.size(), 1u);
  delete removed;
  delete c;
}

TEST(ObjectList, ResetEveryObjectInOrder) {
  std::vector<int> log;
  ObjectList<Probe> list;
  for (int i = 1; i <= 3; ++i)
    list.append(new Probe(i, &log));
  list.resetAll();
  EXPECT_EQ(log, (std::vector<int>{-1, -2, -3}));
}

TEST(ObjectList, RandomElementFollowsTheGlobalStream) {
  std::vector<int> log;
  ObjectList<Probe> list;
  for (int i = 0; i < 5; ++i)
    list.append(new Probe(i, &log));
  Random::globalSeed(7);
  std::vector<int> expected;
  for (int i = 0; i < 8; ++i)
    expected.push_back(Random::globalNext() % 5);
  Random::globalSeed(7);
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(list.randomElement()->name, expected[size_t(i)]);
}

TEST(ObjectList, AKindWithItsGameObjectSecondIsDeletedWhole) {
  int destroyed = 0;
  ObjectList<SecondBase> list;
  list.append(new SecondBase(&destroyed));
  list.append(new SecondBase(&destroyed));
  list.update(0.1f);
  EXPECT_TRUE(list.isEmpty());
  EXPECT_EQ(destroyed, 2);
}
