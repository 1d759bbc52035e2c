#pragma once
// The skeleton store as the asset database's manager of skeletons, and the
// start-up wiring that lets skeletons find a database's store and lets their
// events load sounds and particle systems.

#include "animation/SkeletonStore.h"
#include "framework/AssetManager.h"

class CorvaneDatabase;

class SkeletonAssets : public AssetManager {
public:
  // The store starts in the database's form of skeleton files.
  explicit SkeletonAssets(CorvaneDatabase *database);
  bool contains(Symbol name) const override { return m_store.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const override {
    return m_store.names(filter);
  }
  SkeletonStore &store() { return m_store; }

private:
  SkeletonStore m_store;
};

// Installs the store maker, its load step, the finder and the event
// touchers. Called by the framework at start.
void installSkeletonAssets();
// The load step of skeletons: the store reads the form "/database.!" chose.
bool loadSkeletonsOf(CorvaneDatabase &database);
