// Cached name resolutions never show a stale binding.

#include "QuipTestSupport.h"

using namespace quiptest;

namespace {

class NameCache : public ScriptTest {};

TEST_F(NameCache, RedefinitionsAreSeenAtOnce) {
  // A builtin redefined in the local dictionary, then the local taken away.
  EXPECT_EQ(eval(L"1 2 + +: { pop pop 42 } def 1 2 + "), "3 42");
  EXPECT_EQ(eval(L"x: 1 def x begin x: 2 def x end x"), "1 2 1");
  // "def" stores over a cached slot only when the top dictionary holds it.
  EXPECT_EQ(eval(L"x: 1 def x begin x x: 2 def x: 3 def x end x x: 4 def x"), "1 1 3 1 4");
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

TEST_F(NameCache, RememberedBuiltinsFollowEveryChangeOfBinding) {
  // The same three tokens of p run after each change of what "op" is bound to:
  // a builtin, another builtin put in place of it, a procedure in place of
  // that, a builtin again, a shadowing binding, and the shadow gone.
  EXPECT_EQ(eval(L"p: { 6 3 op } def "
                 L"op: +: load def p "
                 L"op: -: load def p "
                 L"op: { pop pop 42 } def p "
                 L"op: *: load def p "
                 L"begin op: /: load def p end p"),
            "9 3 42 18 2 18");
  // A remembered "if" whose arguments are not its common case still runs the
  // whole builtin, which reports.
  std::string printed = output(L"q: { if } def 0 { 1 } q 1 2 q");
  EXPECT_NE(printed.find("builtin_if: Type-check failed.  Argument 'trueBody'"), std::string::npos)
      << printed;
}

TEST_F(NameCache, InterpretersSharingAProcedureKeepTheirOwnBindings) {
  // p lives in the globals; each script binds "op" in a dictionary of its own.
  // They take turns a step at a time, so each runs p's tokens right after the
  // other has, with no binding changed in between.
  quip::Array p = quip::translate(String(L"{ 6 3 op }"), String(L"p"));
  manager.globals().set(Symbol::intern(L"p"), p[0]);
  auto spawn = [&](const wchar_t *text) {
    return manager.spawn(Symbol::intern(L"script"), quip::translate(String(text), String(L"t")));
  };
  quip::Interpreter *adding = spawn(L"begin op: +: load def p p p end");
  quip::Interpreter *subtracting = spawn(L"begin op: -: load def p p p end");
  for (int step = 0; step < 40; ++step) {
    adding->run(1, 0);
    subtracting->run(1, 0);
  }
  EXPECT_EQ(stack(adding), "9 9 9");
  EXPECT_EQ(stack(subtracting), "3 3 3");
}

} // namespace
