#pragma once
// A timed event of a skeleton node: a sound to play, a particle system to
// start, a keyed signal for the owner, or the mark that ends a channel (it
// never fires). Stored events sit at (0, 0); the copies a channel hands out
// carry the node's position.

#include "math/Color.h"
#include "math/Vector2.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Database;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace quip {
class Dictionary;
}

namespace animation {

class SkeletonEvent {
public:
  // The binary tag and the index of the "type" name.
  enum Kind : uint8_t { SOUND, PARTICLE_SYSTEM, GENERIC, FINAL, KIND_COUNT };

  SkeletonEvent() = default;
  SkeletonEvent(const SkeletonEvent &) = default;
  SkeletonEvent &operator=(const SkeletonEvent &) = delete;
  virtual ~SkeletonEvent() = default;

  virtual Kind kind() const = 0;
  // "time" where present; the kinds add their own keys.
  virtual void read(Database *database, const quip::Dictionary &dictionary);
  // "type", then "time" when not 0; the kinds add what differs from their
  // defaults.
  virtual void write(quip::Dictionary &dictionary) const;
  // The fields after the kind byte; false when the record runs short.
  virtual bool deserialize(Database *database, file::ByteProducer &in);
  // The kind byte, the time, then the kind's fields.
  virtual void serialize(file::ByteReceiver &out) const;
  virtual SkeletonEvent *clone() const = 0;
  // Loads what the event needs ahead of use.
  virtual void touch(Database *database) { (void)database; }

  // A new event of a kind; null for a number that names none.
  static SkeletonEvent *make(unsigned kind);
  // The kind of a "type" name; KIND_COUNT for none.
  static Kind kindOf(Symbol type);

  math::Vector2 position;
  float time = 0.0f;
};

class SkeletonEventSound : public SkeletonEvent {
public:
  Kind kind() const override { return SOUND; }
  void read(Database *database, const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  bool deserialize(Database *database, file::ByteProducer &in) override;
  void serialize(file::ByteReceiver &out) const override;
  SkeletonEvent *clone() const override { return new SkeletonEventSound(*this); }
  void touch(Database *database) override;

  Symbol sound;
  float volume = 1.0f;
  float frequency = 1.0f;
};

class SkeletonEventParticleSystem : public SkeletonEvent {
public:
  Kind kind() const override { return PARTICLE_SYSTEM; }
  void read(Database *database, const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  bool deserialize(Database *database, file::ByteProducer &in) override;
  void serialize(file::ByteReceiver &out) const override;
  SkeletonEvent *clone() const override { return new SkeletonEventParticleSystem(*this); }
  void touch(Database *database) override;

  Symbol system;
  float scale = 1.0f;
  math::Color color;
};

class SkeletonEventGeneric : public SkeletonEvent {
public:
  Kind kind() const override { return GENERIC; }
  void read(Database *database, const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  bool deserialize(Database *database, file::ByteProducer &in) override;
  void serialize(file::ByteReceiver &out) const override;
  SkeletonEvent *clone() const override { return new SkeletonEventGeneric(*this); }

  Symbol key;
};

class SkeletonEventFinal : public SkeletonEvent {
public:
  Kind kind() const override { return FINAL; }
  SkeletonEvent *clone() const override { return new SkeletonEventFinal(*this); }
};

// A new event of the dictionary's "type", read from it; null, with a
// warning, when "type" is missing or names no kind.
SkeletonEvent *parseEvent(Database *database, const quip::Dictionary &dictionary);

// What touching an event loads lives above animation (the audio library,
// the particle system factory); the framework installs these at start.
// Null ones do nothing.
struct EventTouchers {
  void (*sound)(Database *database, Symbol sound) = nullptr;
  void (*particleSystem)(Database *database, Symbol system) = nullptr;
};
void setEventTouchers(const EventTouchers &touchers);

} // namespace animation
