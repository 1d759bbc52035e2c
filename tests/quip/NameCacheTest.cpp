// Cached name resolutions never show a stale binding.

#include "QuipTestSupport.h"

using namespace quiptest;

namespace {

class NameCache : public ScriptTest {};

TEST_F(NameCache, RedefinitionsAreSeenAtOnce) {
  // A builtin redefined in the local dictionary, then the local taken away.
  EXPECT_EQ(eval(L"1 2 + +: { pop pop 42 } def 1 2 + "), "3 42");
  EXPECT_EQ(eval(L"x: 1 def x begin x: 2 def x end x"), "1 2 1");
  // A stored value replaced in place, and a key removed behind the cache.
  manager.globals().set(Symbol::intern(L"x"), quip::Token(1.0f));
  quip::Interpreter *in = start(L"x 5 wait x 5 wait x");
  manager.globals().set(Symbol::intern(L"x"), quip::Token(7.0f));
  in->run(0, 10);
  manager.globals().remove(Symbol::intern(L"x"));
  in->run(0, 10);
  EXPECT_EQ(stack(in), "1 7");
}

TEST_F(NameCache, GlobalsCanRedefineBuiltins) {
  quip::Interpreter *in = start(L"1 2 + 1 wait 1 2 +");
  manager.globals().set(Symbol::intern(L"+"), quip::Token(L"shadow"));
  in->run(0, 10);
  EXPECT_EQ(stack(in), "3 1 2 \"shadow\"");
}

} // namespace
