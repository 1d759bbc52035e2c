// Stack, type, mode and output builtins:
// "pop", "dup", "swap", "clearstack", "count", "type", "literalMode",
// "executableMode", "empty", "break", "print", "println", "dump".

#include "quip/builtins/StackBuiltins.h"

#include "quip/InlineBuiltins.h"

#include "xstring/Print.h"

namespace quip {

void builtin_pop(Interpreter *interpreter, int *error) {
  inlined::Operands stack(interpreter);
  if (!inlined::pop(stack))
    builtinError(interpreter, error, __func__, L"stack underflow");
}

void builtin_dup(Interpreter *interpreter, int *error) {
  inlined::Operands stack(interpreter);
  if (inlined::dup(stack))
    return;
  Token x;
  if (!popArgument(interpreter, error, __func__, x))
    return;
  interpreter->push(x);
  interpreter->push(x);
}

void builtin_swap(Interpreter *interpreter, int *error) {
  inlined::Operands stack(interpreter);
  if (!inlined::swap(stack))
    builtinError(interpreter, error, __func__, L"Too few arguments.");
}

void builtin_clearstack(Interpreter *interpreter, int *) {
  Token x;
  while (interpreter->stackSize() != 0) {
    interpreter->pop(x);
    x.release();
  }
}

void builtin_count(Interpreter *interpreter, int *) {
  interpreter->push(Token(float(interpreter->stackSize())));
}

void builtin_type(Interpreter *interpreter, int *error) {
  Token x;
  if (!popArgument(interpreter, error, __func__, x))
    return;
  // One interned symbol per type, made once.
  static const Symbol names[] = {
      Symbol::intern(typeName(TYPE_ERROR)),   Symbol::intern(typeName(TYPE_NUMBER)),
      Symbol::intern(typeName(TYPE_STRING)),  Symbol::intern(typeName(TYPE_SYMBOL)),
      Symbol::intern(typeName(TYPE_ARRAY)),   Symbol::intern(typeName(TYPE_DICTIONARY)),
      Symbol::intern(typeName(TYPE_BUILTIN)),
  };
  Symbol name = x.type() <= TYPE_BUILTIN ? names[x.type()] : Symbol::intern(typeName(x.type()));
  interpreter->push(Token(name, true));
}

void builtin_literalMode(Interpreter *interpreter, int *error) {
  Token x;
  if (!popArgument(interpreter, error, __func__, x))
    return;
  x.setExecutable(false);
  interpreter->push(x);
}

void builtin_executableMode(Interpreter *interpreter, int *error) {
  Token x;
  if (!popArgument(interpreter, error, __func__, x))
    return;
  x.setExecutable(true);
  interpreter->push(x);
}

void builtin_empty(Interpreter *interpreter, int *) {
  interpreter->push(Token(Symbol::emptySymbol(), true));
}

void builtin_break(Interpreter *, int *) {}

void builtin_print(Interpreter *interpreter, int *error) {
  Token x;
  if (!popArgument(interpreter, error, __func__, x))
    return;
  xstring::write(stdout, x.toString());
}

void builtin_println(Interpreter *interpreter, int *error) {
  Token x;
  if (!popArgument(interpreter, error, __func__, x))
    return;
  String text = x.toString();
  text += L'\n';
  xstring::write(stdout, text);
}

void builtin_dump(Interpreter *interpreter, int *) {
  for (uint32_t depth = 0; depth < interpreter->stackSize(); ++depth) {
    String text = interpreter->peek(depth)->toString();
    text += L'\n';
    xstring::write(stdout, text);
  }
}

} // namespace quip
