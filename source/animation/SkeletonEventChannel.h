#pragma once
// The timed events of a skeleton node, in the order given (not sorted). A
// channel answers which events lie between two ages, wrapping the window on
// a looping channel, and hands out copies of them sorted by kind.

#include "container/Vector.h"

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

class SkeletonEvent;
class SkeletonEventSound;
class SkeletonEventParticleSystem;
class SkeletonEventGeneric;

// The copies a collection hands out; their receiver owns them.
struct CollectedEvents {
  container::Vector<SkeletonEventSound *> sounds;
  container::Vector<SkeletonEventParticleSystem *> particleSystems;
  container::Vector<SkeletonEventGeneric *> generic;

  CollectedEvents() = default;
  CollectedEvents(const CollectedEvents &) = delete;
  CollectedEvents &operator=(const CollectedEvents &) = delete;
  ~CollectedEvents() { clear(); }
  // Deletes every copy.
  void clear();
};

class SkeletonEventChannel {
public:
  SkeletonEventChannel() = default;
  SkeletonEventChannel(const SkeletonEventChannel &) = delete;
  SkeletonEventChannel &operator=(const SkeletonEventChannel &) = delete;
  ~SkeletonEventChannel() { clear(); }

  // "loop" where present; "events" replaces the events, each element made
  // by parseEvent (those it refuses are skipped).
  void read(Database *database, const quip::Dictionary &dictionary);
  // "loop" when set, "events" when there are any.
  void write(quip::Dictionary &dictionary) const;
  // Loop byte, u32 count, the event records. False when the record runs
  // short or holds a kind that does not exist; the events before it stay.
  bool deserialize(Database *database, file::ByteProducer &in);
  void serialize(file::ByteReceiver &out) const;

  // The time of the last event; 0 without events.
  float length() const;
  bool isEmpty() const { return m_events.isEmpty() && !loop; }
  void touch(Database *database);

  // Copies of the events between two ages into their kinds' lists (final
  // events never fire). Forward from <= to fires [from, to), backward fires
  // (to, from]; on a looping channel the window is wrapped into the length,
  // and a window that wrapped past the end (or from equal to to) fires
  // around it.
  void collect(float from, float to, CollectedEvents &out) const;

  // Each takes the event over.
  void add(SkeletonEvent *event) { m_events.push(event); }
  void insert(uint32_t index, SkeletonEvent *event);
  void remove(uint32_t index);
  // Deletes every event.
  void clear();
  // Loop clear, events deleted.
  void reset();

  uint32_t count() const { return m_events.size(); }
  SkeletonEvent &event(uint32_t index) const { return *m_events[index]; }

  bool loop = false;

private:
  container::Vector<SkeletonEvent *> m_events;
};

} // namespace animation
