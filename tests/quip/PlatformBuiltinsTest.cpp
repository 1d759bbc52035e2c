#include "BuiltinCases.h"

#include "file/BuildDate.h"
#include "file/Localization.h"

using namespace quiptest;

namespace {

class PlatformBuiltins : public BuiltinTest {};

TEST_F(PlatformBuiltins, ConstantsOfTheProgram) {
  const BuiltinCase cases[] = {
      {L"operatingSystem type nameFilter type isShippingBuild", "symbol string 'true'", ""},
      {L"isShippingBuild type isShippingBuild executableMode type", "symbol symbol", ""},
      {L"numberFilter dup stringLength", "\"0123456789.-\" 12", ""},
      {L"nameFilter stringLength nameFilterBig stringLength filenameFilter stringLength",
       "65 71 67", ""},
      {L"latin1Filter stringLength latin1FilterWithSpace stringLength", "154 155", ""},
      {L"emailAddressFilter stringLength emailBodyFilter stringLength", "82 156", ""},
      // Extra values on the stack are left alone.
      {L"1 compileDate pop", "1", ""},
  };
  CHECK_CASES(cases);
}

TEST_F(PlatformBuiltins, PushedValues) {
  quip::Interpreter *in = start(L"operatingSystem operatingSystem compileDate compileDateAndTime "
                                L"latin1Filter nameFilter");
  quip::Array &s = in->operands();
  ASSERT_EQ(s.count(), 6u);
  // Interned: the two answers are the same symbol, pushed literal.
  EXPECT_EQ(s[0].symbol(), s[1].symbol());
  EXPECT_FALSE(s[0].isExecutable());
  EXPECT_TRUE(String(s[0].symbol().text()).startsWith(L"Palm - "));

  const String &date = s[2].string();
  const String &dateAndTime = s[3].string();
  EXPECT_EQ(date, compileDate());
  EXPECT_TRUE(dateAndTime.startsWith(date));
  EXPECT_EQ(dateAndTime.length(), date.length() + 9); // a blank and "hh:mm:ss"
  EXPECT_EQ(dateAndTime[date.length()], L' ');

  EXPECT_EQ(s[4].string(), xstring::Localization::latin1Filter());
  // A script's copy is its own: changing it leaves the set alone.
  s[5].string().append(L'%');
  EXPECT_EQ(xstring::Localization::nameFilter().length(), 65u);
}

} // namespace
