// A whole script of literal arrays and dictionaries, def, if, a tail-recursive
// walk and the array, dictionary and list builtins, run to its end.

#include "QuipTestSupport.h"

#include "file/Buffer.h"

using namespace quiptest;

namespace {

TEST(InventoryScript, RunsToTheEnd) {
  file::Buffer source;
  ASSERT_TRUE(source.open(String(CORVANE_SOURCE_DIR "/tests/quip/scripts/inventory.!")));
  quip::ScriptManager manager(Symbol::intern(L"inventory"));
  quip::Array code = quip::translate(source.wholeText(), String(L"inventory.!"));
  ASSERT_GT(code.count(), 0u);
  quip::Interpreter *interpreter = nullptr;
  std::string printed = captureOutput([&] {
    Diagnostics on; // any error report would show in the output
    interpreter = manager.spawn(Symbol::intern(L"inventory"), code);
    interpreter->run(0, 0);
  });
  EXPECT_TRUE(interpreter->isFinished());
  EXPECT_EQ(interpreter->stackSize(), 0u);
  EXPECT_EQ(printed, "[\"apple\" \"fig\"]\n"
                     "15\n"
                     "\"2 of 3 kinds in stock, 15 pieces\"\n"
                     "['colour' 'count' 'name' 'tags']\n"
                     "\"green\"\n"
                     "0\n"
                     "'false'\n"
                     "1\n"
                     "['dried']\n"
                     "1\n"
                     "[/]\n");
}

} // namespace
