#pragma once
// Number and vector builtins: rounding, random numbers and two- and three-dimensional vectors.

#include "quip/Builtin.h"

namespace quip {

void builtin_vectorAdd(Interpreter *interpreter, int *error);    // "vectorAdd"
void builtin_vectorScale(Interpreter *interpreter, int *error);  // "vectorScale"
void builtin_vectorDivide(Interpreter *interpreter, int *error); // "vectorDivide"
void builtin_round(Interpreter *interpreter, int *error);        // "round"
void builtin_floor(Interpreter *interpreter, int *error);        // "floor"
void builtin_ceil(Interpreter *interpreter, int *error);         // "ceil"
void builtin_random(Interpreter *interpreter, int *error);       // "random"
void builtin_rotate2D(Interpreter *interpreter, int *error);     // "rotate2D"
void builtin_constructRandomVector2D(Interpreter *interpreter,
                                     int *error);              // "constructRandomVector2D"
void builtin_distance2D(Interpreter *interpreter, int *error); // "distance2D"
void builtin_distance3D(Interpreter *interpreter, int *error); // "distance3D"

} // namespace quip
