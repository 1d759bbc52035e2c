#include "quip/Builtin.h"

namespace quip {

namespace {
BuiltinRegistrar g_registrar = nullptr;
} // namespace

void setBuiltinRegistrar(BuiltinRegistrar registrar) { g_registrar = registrar; }
BuiltinRegistrar builtinRegistrar() { return g_registrar; }

void registerBuiltin(Dictionary &dictionary, const wchar_t *name, Builtin function) {
  dictionary.set(Symbol::intern(name), Token(function));
}

void unregisterBuiltin(Dictionary &dictionary, const wchar_t *name) {
  dictionary.remove(Symbol::intern(name));
}

void builtinError(Interpreter *interpreter, int *error, const char *function, const String &text) {
  String message(function);
  message += L": ";
  message += text;
  interpreter->reportError(message);
  if (error)
    *error = 1;
}

void builtinError(Interpreter *interpreter, int *error, const char *function, const wchar_t *text) {
  builtinError(interpreter, error, function, String(text));
}

void typeCheckFailed(Interpreter *interpreter, int *error, const char *function,
                     const wchar_t *argumentName, const Token &token, Type expected) {
  // The message prints the value: built only when it will be shown.
  if (!diagnostics()) {
    if (error)
      *error = 1;
    return;
  }
  builtinError(interpreter, error, function, typeCheckMessage(argumentName, token, expected));
}

} // namespace quip
