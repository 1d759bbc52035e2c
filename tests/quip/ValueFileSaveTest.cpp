#include "QuipTestSupport.h"

#include "file/SaveUnderLimit.h"
#include "quip/Serializer.h"
#include "support/TempFolder.h"

using namespace quip;

// A compiled file cut short by a full disk must not replace the good one.
TEST(ValueFile, SaveCutShortKeepsTheOldFile) {
  testing_support::TempFolder dir;
  Array texts(0);
  for (int i = 0; i < 300; ++i)
    texts.append(Token(String::format(L"text number %d", i)));
  Token value(texts, false);
  testing_support::expectSaveFailsWhole(dir.path(), dir.path("code.!.bin"), "!\x01\x02", [&] {
    return Serializer(dir.wide("code.!.bin")).write(value);
  });
}
