#pragma once
// The calling convention of builtins. A builtin takes its arguments from the
// operand stack, top first, testing each before the next is popped; on a
// failure it reports "<function>: <text>" through the interpreter, stores 1
// in the error flag and returns without pushing (what it popped is lost).

#include "quip/Interpreter.h"

namespace quip {

// Binds (or, with remove, unbinds) the language's builtins in a dictionary.
using BuiltinRegistrar = void (*)(Dictionary &dictionary, bool remove);
// Managers register the language's builtins through this hook, which the
// builtins library installs when a program calls quip::installBuiltins();
// without it a manager starts with no builtins.
void setBuiltinRegistrar(BuiltinRegistrar registrar);
BuiltinRegistrar builtinRegistrar();

void registerBuiltin(Dictionary &dictionary, const wchar_t *name, Builtin function);
void unregisterBuiltin(Dictionary &dictionary, const wchar_t *name);

// Reports "<function>: <text>" and sets the error flag.
void builtinError(Interpreter *interpreter, int *error, const char *function, const String &text);
void builtinError(Interpreter *interpreter, int *error, const char *function, const wchar_t *text);

// Pops one argument: "stack underflow" when there is none.
inline bool popArgument(Interpreter *interpreter, int *error, const char *function, Token &out) {
  if (interpreter->stackSize() == 0) {
    builtinError(interpreter, error, function, L"stack underflow");
    return false;
  }
  interpreter->pop(out);
  return true;
}

// Reports the type-check message for an argument of the wrong type.
void typeCheckFailed(Interpreter *interpreter, int *error, const char *function,
                     const wchar_t *argumentName, const Token &token, Type expected);

// Pops one argument of a given type: the type-check message (naming the
// argument) when its tag differs.
inline bool popArgument(Interpreter *interpreter, int *error, const char *function,
                        const wchar_t *argumentName, Type expected, Token &out) {
  if (!popArgument(interpreter, error, function, out))
    return false;
  if (out.type() == expected)
    return true;
  typeCheckFailed(interpreter, error, function, argumentName, out, expected);
  return false;
}

} // namespace quip
