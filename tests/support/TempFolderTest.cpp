#include "support/TempFolder.h"

#include <gtest/gtest-spi.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using testing_support::TempFolder;

namespace {

// Points TMPDIR elsewhere for one scope.
struct TemporaryBase {
  std::string saved;
  bool had;
  explicit TemporaryBase(const std::string &base) {
    const char *now = getenv("TMPDIR");
    had = now != nullptr;
    if (had)
      saved = now;
    setenv("TMPDIR", base.c_str(), 1);
  }
  ~TemporaryBase() {
    if (had)
      setenv("TMPDIR", saved.c_str(), 1);
    else
      unsetenv("TMPDIR");
  }
};

} // namespace

TEST(TempFolder, RemovesWhatItMadeAndNothingBeside) {
  TempFolder outer;
  std::string inner;
  {
    TemporaryBase base(outer.path());
    TempFolder folder;
    inner = folder.path();
    EXPECT_EQ(inner.rfind(outer.path() + "/", 0), 0u) << inner;
    folder.write("deep/er/file.txt", "bytes");
    EXPECT_EQ(folder.read("deep/er/file.txt"), "bytes");
    EXPECT_TRUE(folder.exists("deep/er"));
    EXPECT_FALSE(folder.exists("missing"));
    outer.write("neighbour.txt", "kept");
  }
  EXPECT_FALSE(std::filesystem::exists(inner));
  EXPECT_EQ(outer.read("neighbour.txt"), "kept");
}

TEST(TempFolder, FailsTheTestWhenItCannotBeMade) {
  TempFolder outer;
  std::string plainFile = outer.write("not-a-folder", "");
  for (const std::string &base : {outer.path("missing"), plainFile}) {
    TemporaryBase scope(base);
    EXPECT_NONFATAL_FAILURE(
        {
          try {
            TempFolder folder;
          } catch (const std::runtime_error &) {
          }
        },
        "no temporary folder");
    // And the test goes no further.
    testing::TestPartResultArray failures;
    {
      testing::ScopedFakeTestPartResultReporter quiet(&failures);
      EXPECT_THROW(TempFolder(), std::runtime_error);
    }
    EXPECT_EQ(failures.size(), 1);
  }
  EXPECT_EQ(outer.read("not-a-folder"), "");
}
