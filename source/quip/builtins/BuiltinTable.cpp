#include "quip/builtins/BuiltinTable.h"

#include "quip/InlineBuiltins.h"
#include "quip/builtins/ArrayBuiltins.h"
#include "quip/builtins/CollectionBuiltins.h"
#include "quip/builtins/ControlBuiltins.h"
#include "quip/builtins/FileQueryBuiltins.h"
#include "quip/builtins/NumberBuiltins.h"
#include "quip/builtins/PathBuiltins.h"
#include "quip/builtins/PlatformBuiltins.h"
#include "quip/builtins/ScriptControlBuiltins.h"
#include "quip/builtins/SpawnBuiltins.h"
#include "quip/builtins/StackBuiltins.h"
#include "quip/builtins/StringBuiltins.h"
#include "quip/builtins/VectorBuiltins.h"

namespace quip {

namespace {

struct Row {
  const wchar_t *name;
  Builtin function;
};

// Registered in this order.
const Row kTable[] = {
    {L"pop", builtin_pop},
    {L"dup", builtin_dup},
    {L"swap", builtin_swap},
    {L"==", builtin_eq},
    {L"!=", builtin_not_eq},
    {L"ifelse", builtin_ifelse},
    {L"if", builtin_if},
    {L"switch", builtin_switch},
    {L"neg", builtin_neg},
    {L"+", builtin_add},
    {L"-", builtin_subtract},
    {L"*", builtin_multiply},
    {L"/", builtin_divide},
    {L"+=", builtin_plusEquals},
    {L"-=", builtin_minusEquals},
    {L"*=", builtin_timesEquals},
    {L"/=", builtin_divideEquals},
    {L"max", builtin_max},
    {L"min", builtin_min},
    {L"vectorAdd", builtin_vectorAdd},
    {L"vectorScale", builtin_vectorScale},
    {L"vectorDivide", builtin_vectorDivide},
    {L"modulus", builtin_modulus},
    {L"<", builtin_lessthan},
    {L">", builtin_greaterthan},
    {L"<=", builtin_lessorequal},
    {L">=", builtin_greaterorequal},
    {L"not", builtin_not},
    {L"and", builtin_and},
    {L"or", builtin_or},
    {L"def", builtin_def},
    {L"begin", builtin_begin},
    {L"end", builtin_end},
    {L"load", builtin_load},
    {L"bind", builtin_bind},
    {L"replace", builtin_replace},
    {L"count", builtin_count},
    {L"clearstack", builtin_clearstack},
    {L"index", builtin_index},
    {L"putIndex", builtin_putIndex},
    {L"round", builtin_round},
    {L"floor", builtin_floor},
    {L"ceil", builtin_ceil},
    {L"abs", builtin_abs},
    {L"random", builtin_random},
    {L"rotate2D", builtin_rotate2D},
    {L"constructRandomVector2D", builtin_constructRandomVector2D},
    {L"distance2D", builtin_distance2D},
    {L"distance3D", builtin_distance3D},
    {L"]", builtin_makearray},
    {L"array", builtin_array},
    {L"unpack", builtin_unpack},
    {L"fill", builtin_fill},
    {L"size", builtin_size},
    {L"at", builtin_at},
    {L"atRandom", builtin_atRandom},
    {L"put", builtin_put},
    {L"append", builtin_append},
    {L"appendArray", builtin_appendArray},
    {L"firstIndexOf", builtin_firstIndexOf},
    {L"removeByIndex", builtin_removeByIndex},
    {L")", builtin_makedict},
    {L"hasKey", builtin_hasKey},
    {L"lookup", builtin_lookup},
    {L"lookupRequired", builtin_lookupRequired},
    {L"lookupElse", builtin_lookupElse},
    {L"insert", builtin_insert},
    {L"removeKey", builtin_removeKey},
    {L"keys", builtin_keys},
    {L"sortedKeys", builtin_sortedKeys},
    {L"mergeDictionary", builtin_mergeDictionary},
    {L"defDictArgs", builtin_defDictArgs},
    {L"type", builtin_type},
    {L"eval", builtin_eval},
    {L"return", builtin_return},
    {L"fileExists", builtin_fileExists},
    {L"quipFileExists", builtin_quipFileExists},
    {L"read", builtin_read},
    {L"parse", builtin_parse},
    {L"deserialize", builtin_deserialize},
    {L"spawn", builtin_spawn},
    {L"spawnToCompletion", builtin_spawnToCompletion},
    {L"spawnNamed", builtin_spawnNamed},
    {L"spawnRemote", builtin_spawnRemote},
    {L"spawnRemoteNamed", builtin_spawnRemoteNamed},
    {L"wait", builtin_wait},
    {L"select", builtin_select},
    {L"sendMessage", builtin_sendMessage},
    {L"sendRemoteMessage", builtin_sendRemoteMessage},
    {L"halt", builtin_halt},
    {L"haltAll", builtin_haltAll},
    {L"beginAtomic", builtin_beginAtomic},
    {L"endAtomic", builtin_endAtomic},
    {L"currentScriptManager", builtin_currentScriptManager},
    {L"print", builtin_print},
    {L"println", builtin_println},
    {L"dump", builtin_dump},
    {L"break", builtin_break},
    {L"toString", builtin_toString},
    {L"symbolToString", builtin_symbolToString},
    {L"stringToSymbol", builtin_stringToSymbol},
    {L"toNumber", builtin_toNumber},
    {L"literalMode", builtin_literalMode},
    {L"executableMode", builtin_executableMode},
    {L"concat", builtin_concat},
    {L"stringLength", builtin_stringLength},
    {L"capitalize", builtin_capitalize},
    {L"humanize", builtin_humanize},
    {L"substring", builtin_substring},
    {L"split", builtin_split},
    {L"sprintf", builtin_sprintf},
    {L"commaString", builtin_commaString},
    {L"isEmpty", builtin_isEmpty},
    {L"empty", builtin_empty},
    {L"listDrives", builtin_listDrives},
    {L"listFiles", builtin_listFiles},
    {L"listSubdirectories", builtin_listSubdirectories},
    {L"absolutePath", builtin_absolutePath},
    {L"driveFromPath", builtin_driveFromPath},
    {L"pathSeparator", builtin_pathSeparator},
    {L"defaultDatabase", builtin_defaultDatabase},
    {L"databasePath", builtin_databasePath},
    {L"operatingSystem", builtin_operatingSystem},
    {L"isShippingBuild", builtin_isShippingBuild},
    {L"compileDate", builtin_compileDate},
    {L"compileDateAndTime", builtin_compileDateAndTime},
    {L"nameFilter", builtin_nameFilter},
    {L"nameFilterBig", builtin_nameFilterBig},
    {L"filenameFilter", builtin_filenameFilter},
    {L"numberFilter", builtin_numberFilter},
    {L"latin1Filter", builtin_latin1Filter},
    {L"latin1FilterWithSpace", builtin_latin1FilterWithSpace},
    {L"emailAddressFilter", builtin_emailAddressFilter},
    {L"emailBodyFilter", builtin_emailBodyFilter},
};

static_assert(sizeof kTable / sizeof kTable[0] == 134);

} // namespace

void registerBuiltins(Dictionary &dictionary, bool remove) {
  for (const Row &row : kTable) {
    if (remove)
      unregisterBuiltin(dictionary, row.name);
    else
      registerBuiltin(dictionary, row.name, row.function);
  }
}

void registerInlineBuiltins() {
  setInlineBuiltin(INLINE_IF, builtin_if);
  setInlineBuiltin(INLINE_IFELSE, builtin_ifelse);
  setInlineBuiltin(INLINE_ADD, builtin_add);
  setInlineBuiltin(INLINE_SUBTRACT, builtin_subtract);
  setInlineBuiltin(INLINE_MULTIPLY, builtin_multiply);
  setInlineBuiltin(INLINE_DIVIDE, builtin_divide);
  setInlineBuiltin(INLINE_LESS, builtin_lessthan);
  setInlineBuiltin(INLINE_GREATER, builtin_greaterthan);
  setInlineBuiltin(INLINE_LESS_OR_EQUAL, builtin_lessorequal);
  setInlineBuiltin(INLINE_GREATER_OR_EQUAL, builtin_greaterorequal);
  setInlineBuiltin(INLINE_PLUS_EQUALS, builtin_plusEquals);
  setInlineBuiltin(INLINE_MINUS_EQUALS, builtin_minusEquals);
  setInlineBuiltin(INLINE_DUP, builtin_dup);
  setInlineBuiltin(INLINE_SWAP, builtin_swap);
  setInlineBuiltin(INLINE_POP, builtin_pop);
  setInlineBuiltin(INLINE_EQUAL, builtin_eq);
  setInlineBuiltin(INLINE_NOT_EQUAL, builtin_not_eq);
  setInlineBuiltin(INLINE_NOT, builtin_not);
  setInlineBuiltin(INLINE_AND, builtin_and);
  setInlineBuiltin(INLINE_OR, builtin_or);
  setInlineBuiltin(INLINE_MODULUS, builtin_modulus);
  setInlineBuiltin(INLINE_MIN, builtin_min);
  setInlineBuiltin(INLINE_MAX, builtin_max);
  setInlineBuiltin(INLINE_NEG, builtin_neg);
  setInlineBuiltin(INLINE_ABS, builtin_abs);
  setInlineBuiltin(INLINE_TIMES_EQUALS, builtin_timesEquals);
  setInlineBuiltin(INLINE_DIVIDE_EQUALS, builtin_divideEquals);
  setInlineBuiltin(INLINE_INDEX, builtin_index);
  setInlineBuiltin(INLINE_PUT_INDEX, builtin_putIndex);
  setInlineBuiltin(INLINE_DEF, builtin_def);
  setInlineBuiltin(INLINE_AT, builtin_at);
  setInlineBuiltin(INLINE_PUT, builtin_put);
  setInlineBuiltin(INLINE_SIZE, builtin_size);
  setInlineBuiltin(INLINE_LOOKUP, builtin_lookup);
  setInlineBuiltin(INLINE_INSERT, builtin_insert);
  setInlineBuiltin(INLINE_STRING_LENGTH, builtin_stringLength);
  setInlineBuiltin(INLINE_LOOKUP_ELSE, builtin_lookupElse);
}

void installBuiltins() {
  // The inline ops are named first, so that every builtin token made through
  // the registrar carries its op.
  registerInlineBuiltins();
  setBuiltinRegistrar(registerBuiltins);
}

uint32_t builtinCount() { return sizeof kTable / sizeof kTable[0]; }
const wchar_t *builtinName(uint32_t index) { return kTable[index].name; }

} // namespace quip
