#include "QuipTestSupport.h"

#include "quip/ScriptFile.h"
#include "quip/Serializer.h"

using namespace quip;
using testing_support::TempFolder;

namespace {

namespace fs = std::filesystem;

class ScriptFileTest : public testing::Test {
protected:
  TempFolder dir;
  String source = dir.wide("script.!");
  std::string sourcePath = dir.path("script.!");
  std::string compiledPath = dir.path("script.!.bin");

  void writeSource() { dir.write("script.!", "'fromSource'"); }
  void writeCompiled() {
    ASSERT_TRUE(Serializer(source + L".bin")
                    .write(Token(translate(String(L"'fromBinary'"), String(L"t")), false)));
  }
  // The loaded procedure and the log line that chose it.
  std::pair<std::string, std::string> load() {
    testing::internal::CaptureStderr();
    Array code = loadScript(source);
    std::string log = testing::internal::GetCapturedStderr();
    std::string chosen = log.find("loading binary: ") != std::string::npos   ? "binary"
                         : log.find("loading source: ") != std::string::npos ? "source"
                                                                             : "none";
    return {quiptest::utf8(Token(code, false).toString()), chosen};
  }
};

TEST_F(ScriptFileTest, EqualTimesUseTheCompiledFile) {
  writeSource();
  writeCompiled();
  fs::last_write_time(compiledPath, fs::last_write_time(sourcePath));
  EXPECT_EQ(load(), std::make_pair(std::string("['fromBinary']"), std::string("binary")));
}

TEST_F(ScriptFileTest, NewerSourceIsTranslated) {
  writeSource();
  writeCompiled();
  fs::last_write_time(sourcePath, fs::last_write_time(compiledPath) + std::chrono::seconds(10));
  EXPECT_EQ(load(), std::make_pair(std::string("['fromSource']"), std::string("source")));
}

TEST_F(ScriptFileTest, OnlyOneOfThem) {
  writeCompiled();
  EXPECT_EQ(load(), std::make_pair(std::string("['fromBinary']"), std::string("binary")));
  fs::remove(compiledPath);
  writeSource();
  EXPECT_EQ(load(), std::make_pair(std::string("['fromSource']"), std::string("source")));
  fs::remove(sourcePath);
  EXPECT_EQ(load().first, "[]");
}

TEST_F(ScriptFileTest, DamagedCompiledFileLoadsNothing) {
  writeSource();
  dir.write("script.!.bin", std::string("!\x01\x02\x00\x05\x00", 6));
  fs::last_write_time(sourcePath, fs::last_write_time(compiledPath) - std::chrono::seconds(10));
  EXPECT_EQ(load(), std::make_pair(std::string("[]"), std::string("binary")));
}

} // namespace
