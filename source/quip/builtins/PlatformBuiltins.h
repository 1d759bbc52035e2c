#pragma once
// Build, platform and text-entry filter builtins.

#include "quip/Builtin.h"

namespace quip {

void builtin_operatingSystem(Interpreter *interpreter, int *error);       // "operatingSystem"
void builtin_isShippingBuild(Interpreter *interpreter, int *error);       // "isShippingBuild"
void builtin_compileDate(Interpreter *interpreter, int *error);           // "compileDate"
void builtin_compileDateAndTime(Interpreter *interpreter, int *error);    // "compileDateAndTime"
void builtin_nameFilter(Interpreter *interpreter, int *error);            // "nameFilter"
void builtin_nameFilterBig(Interpreter *interpreter, int *error);         // "nameFilterBig"
void builtin_filenameFilter(Interpreter *interpreter, int *error);        // "filenameFilter"
void builtin_numberFilter(Interpreter *interpreter, int *error);          // "numberFilter"
void builtin_latin1Filter(Interpreter *interpreter, int *error);          // "latin1Filter"
void builtin_latin1FilterWithSpace(Interpreter *interpreter, int *error); // "latin1FilterWithSpace"
void builtin_emailAddressFilter(Interpreter *interpreter, int *error);    // "emailAddressFilter"
void builtin_emailBodyFilter(Interpreter *interpreter, int *error);       // "emailBodyFilter"

} // namespace quip
