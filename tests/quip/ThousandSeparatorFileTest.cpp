#include "QuipTestSupport.h"

#include "file/Localization.h"
#include "quip/Serializer.h"

using xstring::Localization;

namespace {

struct ThousandSeparatorFile : testing::Test {
  testing_support::TempFolder dir;
  void TearDown() override { Localization::setThousandSeparator(L','); }
};

TEST_F(ThousandSeparatorFile, WrittenAndReadBack) {
  Localization::setThousandSeparator(L'.');
  ASSERT_TRUE(Localization::writeThousandSeparator(dir.wide("separator.bin")));

  // The file holds the dictionary { thousandSeparator: "." }.
  quip::Token value = quip::readValueFile(dir.wide("separator.bin"));
  ASSERT_TRUE(value.isDictionary());
  quip::Token *separator = value.dictionary().lookup(Symbol::intern(L"thousandSeparator"));
  ASSERT_NE(separator, nullptr);
  ASSERT_TRUE(separator->isString());
  EXPECT_EQ(separator->string(), String(L"."));
  EXPECT_EQ(value.dictionary().count(), 1u);

  Localization::setThousandSeparator(L',');
  ASSERT_TRUE(Localization::readThousandSeparator(dir.wide("separator.bin")));
  EXPECT_EQ(Localization::thousandSeparator(), L'.');
  EXPECT_EQ(String::toStringWithSeparators(1234567), String(L"1.234.567"));
}

TEST_F(ThousandSeparatorFile, MissingOrUnfitFilesLeaveTheSeparator) {
  EXPECT_FALSE(Localization::readThousandSeparator(dir.wide("missing.bin")));
  EXPECT_FALSE(Localization::readThousandSeparator(
      String(dir.write("junk.bin", "not a value file").c_str())));

  quip::Dictionary other;
  other.set(Symbol::intern(L"thousandSeparator"), quip::Token(3.0f));
  quip::Serializer(dir.wide("number.bin")).write(quip::Token(other));
  EXPECT_FALSE(Localization::readThousandSeparator(dir.wide("number.bin")));

  quip::Dictionary empty;
  quip::Serializer(dir.wide("empty.bin")).write(quip::Token(empty));
  EXPECT_FALSE(Localization::readThousandSeparator(dir.wide("empty.bin")));
  EXPECT_EQ(Localization::thousandSeparator(), L',');
}

} // namespace
