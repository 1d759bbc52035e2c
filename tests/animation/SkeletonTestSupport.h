#pragma once
// Skeletons for the tests: a database of three 8-pixel textures (opaque red,
// opaque blue, fully transparent) with a billboard of each, skeletons made
// from script text, and their files written into the database's folder.

#include "framework/FrameworkTestSupport.h"

#include "animation/Skeleton.h"
#include "animation/SkeletonStore.h"
#include "file/BufferBinary.h"
#include "framework/CorvaneDatabase.h"
#include "quip/FrameworkManager.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "quip/Token.h"
#include "texture/TextureFileBuilder.h"

#include <memory>
#include <string>

namespace skeletontest {

inline Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

// The value of a script text.
inline quip::Token evaluate(const wchar_t *text) {
  quip::ScriptManager reader(Symbol::intern(L"skeletonTest"));
  quip::Array code = quip::translate(String(text), String(L"test"));
  return reader.finish(reader.spawn(code));
}

inline quip::Dictionary dictionary(const wchar_t *text) { return evaluate(text).dictionary(); }

struct SkeletonWorld : testing_support::FrameworkTest {
  CorvaneDatabase *database = nullptr;

  void SetUp() override {
    FrameworkTest::SetUp();
    using namespace texturetest;
    TextureFileBuilder file;
    file.simple(L"red", TEXTURE_PNG, 8, png(solid(8, 8, PixelBuffer::RGBA8888, 255, 0, 0)));
    file.simple(L"blue", TEXTURE_PNG, 8, png(solid(8, 8, PixelBuffer::RGBA8888, 0, 0, 255)));
    file.simple(L"clear", TEXTURE_PNG, 8, png(solid(8, 8, PixelBuffer::RGBA8888, 0, 0, 0, 0)));
    folder.write("ship/mediaPalm/textures.dat", file.bytes());
    folder.write("config/billboards.!", "[ red: (texture: red:) blue: (texture: blue:)\n"
                                        "  clear: (texture: clear:) ]\n");
    database = corvaneDatabase();
    testing::internal::CaptureStderr();
    database->loadAll(CorvaneDatabase::LOAD_TEXTURES | CorvaneDatabase::LOAD_BILLBOARDS);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.find("WARNING"), std::string::npos) << err;
  }

  SkeletonStore &store() { return database->skeletonStore(); }

  // A skeleton loaded from its dictionary text.
  std::unique_ptr<animation::Skeleton> make(const wchar_t *text) {
    auto skeleton = std::make_unique<animation::Skeleton>();
    skeleton->load(database, dictionary(text));
    return skeleton;
  }

  // The skeleton's record as its own file in the data folder; its bytes.
  std::string saveOwnFile(const wchar_t *text, const char *fileName) {
    std::unique_ptr<animation::Skeleton> skeleton = make(text);
    file::BufferBinary out;
    EXPECT_TRUE(skeleton->writeBinary(database, out));
    std::string bytes(reinterpret_cast<const char *>(out.data()), out.size());
    folder.write(std::string("config/skeletons/") + fileName + ".bin", bytes);
    return bytes;
  }
};

// A node's name as text.
inline std::string nameOf(const animation::Node *node) {
  if (!node)
    return "(none)";
  std::string out;
  for (const wchar_t *c = node->name.text(); *c; ++c)
    out += char(*c);
  return out;
}

} // namespace skeletontest
