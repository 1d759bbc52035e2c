#pragma once
// The base of every per-kind registry of named assets in the asset database.

#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace file {
class ByteProducer;
}

class AssetManager {
public:
  AssetManager() = default;
  AssetManager(const AssetManager &) = delete;
  AssetManager &operator=(const AssetManager &) = delete;
  virtual ~AssetManager() = default;

  // Loads the kind's definitions from the script at that path.
  virtual void loadSource(const String &path) { (void)path; }
  // Loads the kind's definitions from a binary stream.
  virtual void loadBinary(file::ByteProducer &source) { (void)source; }
  virtual bool contains(Symbol name) const = 0;
  // Every name holding each word of the filter, sorted by text.
  virtual container::Vector<Symbol> findNames(const String &filter) const = 0;
};

// A manager for a kind that nothing has taught the database to make: it holds
// no names.
class EmptyAssetManager : public AssetManager {
public:
  bool contains(Symbol) const override { return false; }
  container::Vector<Symbol> findNames(const String &) const override { return {}; }
};
