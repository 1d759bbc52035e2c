// Skeleton events: which events a window of ages fires, their dictionary and
// binary forms, and the events a reader refuses.

#include "animation/SkeletonEvent.h"
#include "animation/SkeletonEventChannel.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace animation;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

quip::Dictionary dictionary(const wchar_t *text) {
  quip::ScriptManager reader(Symbol::intern(L"eventTest"));
  quip::Array code = quip::translate(String(text), String(L"test"));
  return reader.finish(reader.spawn(code)).dictionary();
}

// Generic events keyed by their times, ended by a final event at the end.
void fill(SkeletonEventChannel &channel, std::initializer_list<float> times, float end) {
  for (float t : times) {
    auto *e = new SkeletonEventGeneric;
    e->time = t;
    channel.add(e);
  }
  auto *final = new SkeletonEventFinal;
  final->time = end;
  channel.add(final);
}

// The printed form, keys sorted.
std::wstring form(const quip::Dictionary &d) { return quip::Token(d).toSortedString().c_str(); }

std::vector<float> fired(const SkeletonEventChannel &channel, float from, float to) {
  CollectedEvents out;
  channel.collect(from, to, out);
  std::vector<float> times;
  for (SkeletonEventGeneric *e : out.generic)
    times.push_back(e->time);
  return times;
}

} // namespace

TEST(SkeletonEvents, AWindowOfAgesFiresTheEventsItCrosses) {
  struct Case {
    bool loop;
    float from, to;
    std::vector<float> times;
  };
  const Case cases[] = {
      // Wrapped to 1.8 .. 0.6: round the end of the loop.
      {true, 1.8f, 2.6f, {0.5f}},
      {false, 1.0f, 1.0f, {0.5f, 1.5f}}, // from equal to to: every event but the final
      {false, 1.0f, 1.6f, {1.5f}},
      {false, 0.5f, 1.5f, {0.5f}},      // forward: from included, to not
      {false, 1.5f, 0.5f, {1.5f}},      // backward: from included, to not
      {true, 5.0f, 5.0f, {0.5f, 1.5f}}, // a whole loop
      {true, 0.4f, 0.6f, {0.5f}},
  };
  for (const Case &c : cases) {
    SkeletonEventChannel channel;
    fill(channel, {0.5f, 1.5f}, 2.0f);
    channel.loop = c.loop;
    EXPECT_EQ(fired(channel, c.from, c.to), c.times) << c.loop << " " << c.from << " " << c.to;
  }
}

TEST(SkeletonEvents, CopiesAreSortedByKind) {
  SkeletonEventChannel channel;
  channel.read(nullptr, dictionary(L"(events: [(type: sound: sound: beep:)"
                                   L" (type: particleSystem: system: sparkRing: scale: 2)"
                                   L" (type: generic: key: flash:) (type: final: time: 0)])"));
  CollectedEvents out;
  channel.collect(0.0f, 0.0f, out);
  ASSERT_EQ(out.sounds.size(), 1u);
  ASSERT_EQ(out.particleSystems.size(), 1u);
  ASSERT_EQ(out.generic.size(), 1u);
  EXPECT_EQ(out.sounds[0]->sound, sym(L"beep"));
  EXPECT_EQ(out.particleSystems[0]->scale, 2.0f);
  EXPECT_EQ(out.generic[0]->key, sym(L"flash"));
  // Copies, not the channel's own events.
  EXPECT_NE(static_cast<SkeletonEvent *>(out.generic[0]), &channel.event(2));
}

TEST(SkeletonEvents, TheDictionaryFormWritesOnlyWhatDiffers) {
  struct Case {
    const wchar_t *source;
    std::vector<const wchar_t *> keys;
  };
  const Case cases[] = {
      {L"(type: sound: sound: beep: volume: 1 frequency: 1)", {L"type", L"sound"}},
      {L"(type: sound: time: 2 sound: beep: volume: 0.5)", {L"type", L"time", L"sound", L"volume"}},
      {L"(type: particleSystem: system: sparkRing:)", {L"type", L"system"}},
      {L"(type: particleSystem: system: s: scale: 3 color: [1 0 0 1])",
       {L"type", L"system", L"scale", L"color"}},
      {L"(type: generic:)", {L"type"}},
      {L"(type: final: time: 4)", {L"type", L"time"}},
  };
  for (const Case &c : cases) {
    std::unique_ptr<SkeletonEvent> event(parseEvent(nullptr, dictionary(c.source)));
    ASSERT_NE(event, nullptr);
    quip::Dictionary out;
    event->write(out);
    EXPECT_EQ(out.count(), c.keys.size()) << out.lookup(sym(L"type"))->symbol().text();
    for (const wchar_t *key : c.keys)
      EXPECT_NE(out.lookup(sym(key)), nullptr) << key;
    // And reads back the same.
    std::unique_ptr<SkeletonEvent> back(parseEvent(nullptr, out));
    quip::Dictionary again;
    back->write(again);
    EXPECT_EQ(form(again), form(out));
  }
}

TEST(SkeletonEvents, EventsWithoutAKnownTypeAreSkippedWithAWarning) {
  SkeletonEventChannel channel;
  testing::internal::CaptureStderr();
  channel.read(nullptr, dictionary(L"(loop: true: events: [(time: 1 sound: beep:)"
                                   L" (type: explosion: time: 2) (type: generic: key: kept:)"
                                   L" (type: \"sound\")])"));
  std::string log = testing::internal::GetCapturedStderr();
  ASSERT_EQ(channel.count(), 1u);
  EXPECT_EQ(channel.event(0).kind(), SkeletonEvent::GENERIC);
  EXPECT_TRUE(channel.loop);
  EXPECT_NE(log.find("A skeleton event without a type is skipped."), std::string::npos) << log;
  EXPECT_NE(log.find("unknown type is skipped: explosion"), std::string::npos) << log;
}

TEST(SkeletonEvents, TheBinaryFormReadsBackAndRefusesWhatDoesNotExist) {
  SkeletonEventChannel channel;
  channel.read(nullptr, dictionary(L"(loop: true: events: [(type: sound: sound: beep: volume: 0.5"
                                   L" frequency: 2) (type: particleSystem: time: 0.5 system: s:"
                                   L" scale: 2 color: [1 0.5 0 1]) (type: generic: time: 0.75"
                                   L" key: k:) (type: final: time: 1)])"));
  file::BufferBinary bytes;
  channel.serialize(bytes);
  bytes.seek(0);
  SkeletonEventChannel back;
  ASSERT_TRUE(back.deserialize(nullptr, bytes));
  quip::Dictionary a, b;
  channel.write(a);
  back.write(b);
  EXPECT_EQ(form(a), form(b));
  EXPECT_EQ(back.length(), 1.0f);

  // Every cut of the record fails cleanly.
  for (uint32_t size = 0; size < bytes.size(); ++size) {
    file::BufferBinary cut;
    cut.receiveBytes(bytes.data(), size);
    cut.seek(0);
    SkeletonEventChannel partial;
    EXPECT_FALSE(partial.deserialize(nullptr, cut)) << size;
  }
  // A kind byte of no kind stops the read.
  file::BufferBinary unknown;
  file::write(uint8_t(0), unknown);
  file::write(uint32_t(1), unknown);
  file::write(uint8_t(4), unknown);
  file::write(0.0f, unknown);
  unknown.seek(0);
  EXPECT_FALSE(back.deserialize(nullptr, unknown));
  EXPECT_EQ(back.count(), 0u);
  // A count far beyond the data allocates nothing for it.
  file::BufferBinary huge;
  file::write(uint8_t(0), huge);
  file::write(uint32_t(0xffffffffu), huge);
  huge.seek(0);
  EXPECT_FALSE(back.deserialize(nullptr, huge));
}
