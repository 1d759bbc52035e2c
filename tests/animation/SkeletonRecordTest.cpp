// The binary record of a skeleton: it reads back what the dictionary form
// gave, and a record that is cut short, nests too deeply or holds more than
// the format allows is refused without harm.

#include "SkeletonTestSupport.h"

#include "animation/SkeletonEvent.h"
#include "file/BinaryPrimitives.h"
#include "file/TextBinary.h"

#include <gtest/gtest.h>

#include <string>

using namespace skeletontest;
using animation::Node;
using animation::Skeleton;

namespace {

// Every track and every kind of event.
const wchar_t *Full =
    L"(name: full: boundsHint: [-10 -20 30 40] renderList: [tip: base:]"
    L" root: (name: base:"
    L"  animation: (initialColor: [1 0.5 0.5 1] initialTranslation: [3 4]"
    L"   channels: (rotation: (frames: [(time: 0 value: 0) (time: 2 value: 90)])))"
    L"  billboardChannel: (loop: true: frames: [(billboard: (prototype: red:))"
    L"   (time: 1 billboard: (prototype: blue: size: [4 6]))])"
    L"  skeletonChannel: (loop: true: frames: [(skeleton: inner: skeletonAge: 0.5)"
    L"   (time: 1 skeleton: inner: continueAge: true:) (time: 3)])"
    L"  eventChannel: (loop: true: events: [(type: sound: sound: beep: volume: 0.5)"
    L"   (type: particleSystem: time: 0.5 system: spark: color: [1 0 0 1])"
    L"   (type: generic: time: 0.7 key: k:) (type: final: time: 1)])"
    L"  children: [(name: tip: animation: (initialScale: [2 2]))]))";

std::wstring form(const Skeleton &skeleton) {
  quip::Dictionary d;
  skeleton.save(d);
  return quip::Token(d).toSortedString().c_str();
}

// A node record of that name with no tracks and the given children count.
void writeBareNode(file::BufferBinary &out, uint8_t children) {
  file::write(Symbol::intern(L"n"), out);
  file::write(uint8_t(0), out);
  file::write(children, out);
}

} // namespace

TEST_F(SkeletonWorld, TheRecordReadsBackTheDictionaryForm) {
  auto skeleton = make(Full);
  file::BufferBinary record;
  ASSERT_TRUE(skeleton->writeBinary(database, record));
  record.seek(0);
  Skeleton back;
  ASSERT_TRUE(back.readBinary(database, record));
  EXPECT_EQ(record.bytesRemaining(), 0u);
  EXPECT_EQ(form(back), form(*skeleton));
  EXPECT_EQ(back.renderList().size(), 2u);
  EXPECT_EQ(back.root().skeletonChannel.frame(1).skeletonAge, 1.5f);
  EXPECT_EQ(back.root().skeletonChannel.frame(1).database, database);
}

TEST_F(SkeletonWorld, EveryCutOfARecordIsRefused) {
  auto skeleton = make(Full);
  file::BufferBinary record;
  ASSERT_TRUE(skeleton->writeBinary(database, record));
  testing::internal::CaptureStderr();
  for (uint32_t size = 0; size < record.size(); ++size) {
    file::BufferBinary cut;
    cut.receiveBytes(record.data(), size);
    cut.seek(0);
    Skeleton partial;
    EXPECT_FALSE(partial.readBinary(database, cut)) << size;
    // Nothing of a broken record stays.
    EXPECT_EQ(partial.root().childCount(), 0u) << size;
    EXPECT_TRUE(partial.renderList().isEmpty()) << size;
  }
  testing::internal::GetCapturedStderr();
}

TEST_F(SkeletonWorld, RecordsBeyondTheFormatAreRefused) {
  // A render list of 256 names.
  file::BufferBinary longList;
  file::write(sym(L"long"), longList);
  writeBareNode(longList, 0);
  longList.receiveBytes(std::string(16, '\0').data(), 16);
  file::write(uint32_t(256), longList);
  for (int i = 0; i < 256; ++i)
    file::write(sym(L"n"), longList);
  longList.seek(0);
  Skeleton skeleton;
  EXPECT_FALSE(skeleton.readBinary(database, longList));

  // Nodes nested deeper than a tree may be.
  file::BufferBinary deep;
  file::write(sym(L"deep"), deep);
  for (int i = 0; i < 100000; ++i)
    writeBareNode(deep, 1);
  deep.seek(0);
  EXPECT_FALSE(skeleton.readBinary(database, deep));

  // A writer refuses what a record cannot hold.
  auto wide = make(L"(name: wide:)");
  for (int i = 0; i < 256; ++i)
    wide->root().addChild(new Node);
  file::BufferBinary out;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(wide->writeBinary(database, out));
  wide->fillRenderList();
  EXPECT_FALSE(wide->writeBinary(database, out));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("more than 255"), std::string::npos) << log;
}

TEST_F(SkeletonWorld, TheDictionaryFormStopsAtTheDepthLimit) {
  // Built as text: a chain of nodes deeper than a tree may be.
  std::wstring text = L"(name: chain: root: ";
  const int depth = Node::MaxDepth + 10;
  for (int i = 0; i < depth; ++i)
    text += L"(children: [";
  for (int i = 0; i < depth; ++i)
    text += L"])";
  text += L")";
  Skeleton skeleton;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(skeleton.load(database, dictionary(text.c_str())));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("nested too deeply"), std::string::npos) << log;
  EXPECT_EQ(skeleton.renderList().size(), uint32_t(Node::MaxDepth));
}
