#include "file/Localization.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using xstring::Localization;

namespace {

std::string readBytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream out;
  out << in.rdbuf();
  return out.str();
}

void writeBytes(const std::string &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

struct FreshTable : ::testing::Test {
  void SetUp() override { Localization::release(); }
  void TearDown() override {
    Localization::release();
    Localization::setThousandSeparator(L',');
  }
};

using LocalizationTable = FreshTable;

} // namespace

TEST_F(LocalizationTable, RecordAndLookUp) {
  Localization::record(String(L"Play"), String(L"Play"), String(L"menu"), String(L"a.! line 1"));
  Localization::record(String(L"Play"), String(L"Play"), String(L"menu"), String(L"b.! line 9"));
  Localization::record(String(L"Play"), String(L"Jouer"), String(L"verb"), String(L"c.! line 2"));

  ASSERT_EQ(Localization::table().count(), 2u);
  const Localization::Info *menu = Localization::table().lookup(String(L"Play&menu"));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->locations.size(), 2u);
  EXPECT_EQ(menu->locations[1], String(L"b.! line 9"));

  EXPECT_EQ(Localization::lookup(String(L"Play"), String(L"verb")), String(L"Jouer"));
  // A text without an entry is its own translation.
  EXPECT_EQ(Localization::lookup(String(L"Quit"), String(L"menu")), String(L"Quit"));
}

TEST_F(LocalizationTable, WritesTheFileByteExactAndReadsItBack) {
  testing_support::TempFolder dir;
  Localization::setThousandSeparator(L'.');
  Localization::record(String(L"Fish & <Chips>"), String(L"\"Poisson\" & 'frites'"),
                       String(L"food"), String(L"Menu.! line 12 character 3"));
  Localization::record(String(L"Fish & <Chips>"), String(L"\"Poisson\" & 'frites'"),
                       String(L"food"), String(L"Menu.! line 40 character 1"));
  Localization::record(String(L"Credits"), String(L"Credits"), String(L""),
                       String(L"credits.! line 99 character 7"));
  Localization::record(String(L"Q&A"), String(L"Q&A"), String(L"help"),
                       String(L"R&D<1>.! line 5 character 2"));

  ASSERT_TRUE(Localization::write(dir.wide("strings.xml")));
  // Sources in order without case (credits before Menu), the text escaped everywhere.
  const std::string expected = "<ulv_localization_data>\n"
                               "  <thousand_separator>.</thousand_separator>\n"
                               "  <user_visible_text>\n"
                               "    <text>Credits</text>\n"
                               "    <translation>Credits</translation>\n"
                               "    <context></context>\n"
                               "    <source>\n"
                               "      <location>credits.! line 99 character 7</location>\n"
                               "    </source>\n"
                               "  </user_visible_text>\n"
                               "  <user_visible_text>\n"
                               "    <text>Fish &amp; &lt;Chips&gt;</text>\n"
                               "    <translation>&quot;Poisson&quot; &amp; &apos;frites&apos;"
                               "</translation>\n"
                               "    <context>food</context>\n"
                               "    <source>\n"
                               "      <location>Menu.! line 12 character 3</location>\n"
                               "      <location>Menu.! line 40 character 1</location>\n"
                               "    </source>\n"
                               "  </user_visible_text>\n"
                               "  <user_visible_text>\n"
                               "    <text>Q&amp;A</text>\n"
                               "    <translation>Q&amp;A</translation>\n"
                               "    <context>help</context>\n"
                               "    <source>\n"
                               "      <location>R&amp;D&lt;1&gt;.! line 5 character 2</location>\n"
                               "    </source>\n"
                               "  </user_visible_text>\n"
                               "</ulv_localization_data>\n";
  EXPECT_EQ(readBytes(dir.path("strings.xml")), expected);

  Localization::setThousandSeparator(L',');
  ASSERT_TRUE(Localization::load(dir.wide("strings.xml")));
  EXPECT_EQ(Localization::thousandSeparator(), L'.');
  EXPECT_EQ(Localization::table().count(), 3u);
  EXPECT_EQ(Localization::lookup(String(L"Fish & <Chips>"), String(L"food")),
            String(L"\"Poisson\" & 'frites'"));
  const Localization::Info *qa = Localization::table().lookup(String(L"Q&A&help"));
  ASSERT_NE(qa, nullptr);
  ASSERT_EQ(qa->locations.size(), 1u);
  EXPECT_EQ(qa->locations[0], String(L"R&D<1>.! line 5 character 2"));

  // Writing what was read gives the same bytes.
  ASSERT_TRUE(Localization::write(dir.wide("again.xml")));
  EXPECT_EQ(readBytes(dir.path("again.xml")), expected);
}

TEST_F(LocalizationTable, OrderByLineAndTextsBeyondAscii) {
  testing_support::TempFolder dir;
  Localization::record(String(L"late"), String(L"late"), String(L""), String(L"a.! line 20"));
  Localization::record(String(L"early"), String(L"früh"), String(L""), String(L"a.! line 3"));
  Localization::record(String(L"snow"), String(L"\u96EA"), String(L""), String(L"A.! line 10"));
  ASSERT_TRUE(Localization::write(dir.wide("order.xml")));
  std::string bytes = readBytes(dir.path("order.xml"));
  size_t early = bytes.find("early"), snow = bytes.find("snow"), late = bytes.find("late");
  EXPECT_LT(early, snow);
  EXPECT_LT(snow, late);

  ASSERT_TRUE(Localization::load(dir.wide("order.xml")));
  EXPECT_EQ(Localization::lookup(String(L"early"), String(L"")), String(L"früh"));
  EXPECT_EQ(Localization::lookup(String(L"snow"), String(L"")), String(L"\u96EA"));
}

TEST_F(LocalizationTable, ReadingSkipsEntriesWithoutLocations) {
  testing_support::TempFolder dir;
  writeBytes(dir.path("in.xml"), "<ulv_localization_data>\n"
                                 "  <thousand_separator> </thousand_separator>\n"
                                 "  <user_visible_text>\n"
                                 "    <text>Lost</text>\n"
                                 "    <translation>Perdu</translation>\n"
                                 "    <context>c</context>\n"
                                 "    <source>\n    </source>\n"
                                 "  </user_visible_text>\n"
                                 "  <user_visible_text>\n"
                                 "    <text>Kept</text>\n"
                                 "    <source>\n"
                                 "      <location>x.! line 1</location>\n"
                                 "      <location>y.! line 2</location>\n"
                                 "    </source>\n"
                                 "  </user_visible_text>\n"
                                 "</ulv_localization_data>\n");
  Localization::record(String(L"Old"), String(L"Old"), String(L""), String(L"z.! line 1"));
  ASSERT_TRUE(Localization::load(dir.wide("in.xml")));
  EXPECT_EQ(Localization::thousandSeparator(), L' ');
  ASSERT_EQ(Localization::table().count(), 1u);
  // Fields not given keep the previous entry's: "Kept" takes "Perdu" and "c".
  const Localization::Info *kept = Localization::table().lookup(String(L"Kept&c"));
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->translation, String(L"Perdu"));
  EXPECT_EQ(kept->locations.size(), 2u);

  EXPECT_FALSE(Localization::load(dir.wide("missing.xml")));
  EXPECT_EQ(Localization::table().count(), 0u);
  EXPECT_FALSE(Localization::write(String(L"/nonexistent-dir/out.xml")));
}

TEST(LocalizationFilters, SetLengthsAndMembers) {
  struct Case {
    const String &set;
    uint32_t length;
    const wchar_t *some;
    const wchar_t *none;
  } cases[] = {
      {Localization::nameFilter(), 65, L"aZ9@_.", L" ',/\\|"},
      {Localization::nameFilterBig(), 71, L"aZ9@_. ',?!#", L"/\\|$"},
      {Localization::filenameFilter(), 67, L"aZ9@_./!", L" \\|?"},
      {Localization::numberFilter(), 12, L"0123456789.-", L"+e, "},
      {Localization::emailAddressFilter(), 82, L"a@.!#$%&'*+-/=?^_`{}~", L" \\|()<>\"[]"},
      {Localization::latin1Filter(), 154,
       L"~`()[]<>\"\u00A1\u00BF\u00DD\u00DF\u00F6\u00F9\u00FD\u00FF",
       L" \\|\n\u00A0\u00DE\u00F7\u00F8\u00FE\u00A2"},
      {Localization::latin1FilterWithSpace(), 155, L" ~\u00FF", L"\\|\n"},
      {Localization::emailBodyFilter(), 156, L" \n~\u00FF", L"\\|\t"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(c.set.length(), c.length) << c.some;
    for (const wchar_t *p = c.some; *p; ++p)
      EXPECT_GE(c.set.find(*p), 0) << int(*p);
    for (const wchar_t *p = c.none; *p; ++p)
      EXPECT_LT(c.set.find(*p), 0) << int(*p);
  }
  EXPECT_EQ(Localization::numberFilter(), String(L"0123456789.-"));
  // Each set is made once.
  EXPECT_EQ(&Localization::nameFilter(), &Localization::nameFilter());
}

// A file with errors loads what it can but says it failed; junk costs a
// bounded number of reports.
TEST_F(LocalizationTable, LoadWithErrorsFails) {
  const std::string entry = "  <user_visible_text>\n"
                            "    <text>Play</text>\n"
                            "    <translation>Jouer</translation>\n"
                            "    <context>menu</context>\n"
                            "    <source>\n      <location>a.! line 1</location>\n    </source>\n"
                            "  </user_visible_text>\n";
  const std::string head = "<ulv_localization_data>\n";
  const std::string tail = "</ulv_localization_data>\n";
  struct Case {
    const char *name;
    std::string bytes;
    bool loads;
    uint32_t entries;
  } cases[] = {
      {"whole", head + entry + tail, true, 1},
      {"cut mid-element", head + entry + entry.substr(0, 60), false, 1},
      {"1 MB outside elements", head + std::string(1 << 20, 'x') + entry + tail, false, 0},
      {"junk between entries", head + entry + std::string(1 << 20, 'x') + tail, false, 1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::TempFolder dir;
    writeBytes(dir.path("in.xml"), c.bytes);
    testing::internal::CaptureStderr();
    bool loaded = Localization::load(dir.wide("in.xml"));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(loaded, c.loads);
    EXPECT_EQ(Localization::table().count(), c.entries);
    EXPECT_LT(err.size(), 64u * 1024) << "reports are not bounded";
  }
}
