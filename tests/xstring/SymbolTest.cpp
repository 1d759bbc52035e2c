#include "xstring/Symbol.h"
#include "xstring/TextCursor.h"

#include <gtest/gtest.h>

TEST(Symbol, Identity) {
  Symbol a = Symbol::intern(L"alpha");
  Symbol b = Symbol::intern(String(L"alpha"));
  EXPECT_EQ(a, b);
  EXPECT_EQ(a.identity(), b.identity());
  EXPECT_NE(a, Symbol::intern(L"beta"));
  EXPECT_EQ(Symbol::emptySymbol(), Symbol::intern(L""));
  EXPECT_EQ(Symbol(), Symbol::emptySymbol());
  EXPECT_EQ(SYM(L"alpha"), a);
}

TEST(Symbol, FilterAndSort) {
  container::Vector<Symbol> list;
  for (const wchar_t *t : {L"RedBlock", L"blueBlock", L"redBall", L"green"})
    list.push(Symbol::intern(t));
  container::Vector<Symbol> same = list;
  filterSymbols(same, String(L" , ,"));
  EXPECT_EQ(same.size(), 4u);

  filterSymbols(list, String(L"RED block"));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0], Symbol::intern(L"RedBlock"));

  container::Vector<Symbol> sorted;
  for (const wchar_t *t : {L"c", L"a", L"b", L"a"})
    sorted.push(Symbol::intern(t));
  sortSymbols(sorted);
  EXPECT_STREQ(sorted[0].text(), L"a");
  EXPECT_STREQ(sorted[1].text(), L"a");
  EXPECT_STREQ(sorted[2].text(), L"b");
  EXPECT_STREQ(sorted[3].text(), L"c");
}

TEST(TextCursor, ColumnsAndLines) {
  String text(L"ab\tc\nd");
  TextCursor cursor(&text, String(L"src"));
  cursor.next();
  EXPECT_EQ(cursor.column(), 1u);
  cursor.next();
  cursor.next();
  EXPECT_EQ(cursor.column(), 10u);
  cursor.next();
  cursor.next();
  EXPECT_EQ(cursor.line(), 2u);
  EXPECT_EQ(cursor.column(), 0u);
  cursor.next();
  EXPECT_EQ(cursor.column(), 1u);
  EXPECT_EQ(cursor.next(), 0);
  EXPECT_EQ(cursor.next(), 0);
  EXPECT_EQ(cursor.position(), text.length());
  EXPECT_EQ(cursor.locationText(), String(L"src line 2 character 2"));
}

TEST(TextCursor, Context) {
  String text(L"first\nabcdef\n");
  TextCursor cursor(&text, String(L"src"));
  for (int i = 0; i < 9; ++i)
    cursor.next(); // "first\n" + "abc"
  EXPECT_EQ(cursor.contextText(), String(L"line 2\n> abcdef\n    ^\n"));
}
