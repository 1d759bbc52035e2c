#pragma once
// Skeletons for widget tests: while it lives, the current database's
// skeleton store is its own, and add() puts a skeleton made from dictionary
// text under a name.

#include "animation/Skeleton.h"
#include "animation/SkeletonStore.h"
#include "file/Database.h"
#include "framework/SkeletonAssets.h"
#include "quip/Dictionary.h"

namespace guitest {

class TestSkeletons {
public:
  explicit TestSkeletons(Database *database) : m_database(database), m_store(database) {
    m_store.warnPlaceholder = false;
    s_store = &m_store;
    SkeletonStore::setFinder([](const Database &) { return s_store; });
  }
  ~TestSkeletons() {
    // The framework's own finder again.
    installSkeletonAssets();
    s_store = nullptr;
  }
  TestSkeletons(const TestSkeletons &) = delete;
  TestSkeletons &operator=(const TestSkeletons &) = delete;

  animation::Skeleton *add(const wchar_t *name, const quip::Dictionary &definition) {
    animation::Skeleton *skeleton = m_store.skeleton(Symbol::intern(name));
    skeleton->load(m_database, definition);
    skeleton->name = Symbol::intern(name);
    skeleton->placeholder = false;
    return skeleton;
  }

private:
  Database *m_database;
  SkeletonStore m_store;
  static inline SkeletonStore *s_store = nullptr;
};

} // namespace guitest
