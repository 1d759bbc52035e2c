// Every row of the registration table is a working builtin: called on an
// empty stack each one does its work or reports its own error, never a
// missing body.
#include "QuipTestSupport.h"

using namespace quiptest;

namespace {

TEST_F(ScriptTest, EveryRegisteredBuiltinHasABody) {
  ASSERT_EQ(quip::builtinCount(), 134u);
  for (uint32_t i = 0; i < quip::builtinCount(); ++i) {
    const wchar_t *name = quip::builtinName(i);
    SCOPED_TRACE(utf8(String(name)));
    quip::Token *token = manager.builtins().lookup(Symbol::intern(name));
    ASSERT_NE(token, nullptr);
    ASSERT_TRUE(token->isBuiltin());

    quip::Interpreter *interpreter = start(L"");
    Diagnostics on;
    int error = 0;
    std::string output = captureOutput([&] { token->builtin()(interpreter, &error); });
    EXPECT_EQ(output.find("not available"), std::string::npos) << output;
  }
}

} // namespace
