// Number and vector builtins: rounding, random numbers and two- and three-dimensional vectors:
// "vectorAdd", "vectorScale", "vectorDivide", "round", "floor", "ceil", "random", "rotate2D",
// "constructRandomVector2D", "distance2D", "distance3D".
//
// Vectors are arrays of numbers. Arrays that are too short, or that hold
// something other than numbers where a number is read, are reported instead
// of read past their end or misread.

#include "quip/builtins/VectorBuiltins.h"

#include "math/Random.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "quip/Builtin.h"

#include <cmath>

namespace quip {

namespace {

// Pops a vector argument of N numbers; reports it by name when it is not one.
template <typename V, int N>
bool popVector(Interpreter *in, int *error, const char *function, const wchar_t *name, V &out) {
  Token token;
  if (!popArgument(in, error, function, token))
    return false;
  if (out.fromToken(token))
    return true;
  builtinError(in, error, function,
               String::format(L"argument '%S' is not a vector of %d numbers", name, N));
  return false;
}

bool popVector2(Interpreter *in, int *error, const char *function, const wchar_t *name,
                math::Vector2 &out) {
  return popVector<math::Vector2, 2>(in, error, function, name, out);
}

bool popVector3(Interpreter *in, int *error, const char *function, const wchar_t *name,
                math::Vector3 &out) {
  return popVector<math::Vector3, 3>(in, error, function, name, out);
}

bool notANumber(Interpreter *in, int *error, const char *function, const wchar_t *array,
                uint32_t index) {
  builtinError(in, error, function,
               String::format(L"element %u of '%S' is not a number", index, array));
  return false;
}

// Each element of the array combined with the scalar.
template <typename Op> void scaleEach(Interpreter *in, int *error, const char *function, Op op) {
  Token scalar, array;
  if (!popArgument(in, error, function, L"scalar", TYPE_NUMBER, scalar))
    return;
  if (!popArgument(in, error, function, L"array", TYPE_ARRAY, array))
    return;
  const Array &source = array.array();
  Array result(source.count());
  for (uint32_t i = 0; i < source.count(); ++i) {
    if (!source[i].isNumber()) {
      notANumber(in, error, function, L"array", i);
      return;
    }
    result.set(Token(op(source[i].number(), scalar.number())), i);
  }
  in->push(Token(result, false));
}

} // namespace

void builtin_vectorAdd(Interpreter *in, int *error) {
  const char *function = "builtin_vectorAdd";
  Token rhs, lhs;
  if (!popArgument(in, error, function, L"rhs", TYPE_ARRAY, rhs))
    return;
  if (!popArgument(in, error, function, L"lhs", TYPE_ARRAY, lhs))
    return;
  const Array &a = lhs.array();
  const Array &b = rhs.array();
  Array result(a.count());
  for (uint32_t i = 0; i < a.count(); ++i) {
    if (!a[i].isNumber()) {
      notANumber(in, error, function, L"lhs", i);
      return;
    }
    // A shorter rhs adds nothing to the elements it lacks.
    float sum = a[i].number();
    if (i < b.count()) {
      if (!b[i].isNumber()) {
        notANumber(in, error, function, L"rhs", i);
        return;
      }
      sum += b[i].number();
    }
    result.set(Token(sum), i);
  }
  in->push(Token(result, false));
}

void builtin_vectorScale(Interpreter *in, int *error) {
  scaleEach(in, error, "builtin_vectorScale", [](float v, float s) { return v * s; });
}

void builtin_vectorDivide(Interpreter *in, int *error) {
  scaleEach(in, error, "builtin_vectorDivide", [](float v, float s) { return v / s; });
}

void builtin_round(Interpreter *in, int *error) {
  Token n;
  if (!popArgument(in, error, "builtin_round", L"n", TYPE_NUMBER, n))
    return;
  // Halves go down: 2.5 gives 2, -2.5 gives -3.
  float low = std::floor(n.number());
  in->push(Token(n.number() - low > 0.5f ? std::ceil(n.number()) : low));
}

void builtin_floor(Interpreter *in, int *error) {
  Token n;
  if (!popArgument(in, error, "builtin_floor", L"n", TYPE_NUMBER, n))
    return;
  in->push(Token(std::floor(n.number())));
}

void builtin_ceil(Interpreter *in, int *error) {
  Token n;
  if (!popArgument(in, error, "builtin_ceil", L"n", TYPE_NUMBER, n))
    return;
  in->push(Token(std::ceil(n.number())));
}

void builtin_random(Interpreter *in, int *error) {
  const char *function = "builtin_random";
  Token top, bottom;
  if (!popArgument(in, error, function, L"top", TYPE_NUMBER, top))
    return;
  if (!popArgument(in, error, function, L"bottom", TYPE_NUMBER, bottom))
    return;
  float high = top.number(), low = bottom.number();
  if (!(high > low)) {
    in->push(Token(high));
    return;
  }
  float r = float(double(Random::globalNext()) / 2147483648.0);
  float value = low + r * (high - low);
  // Rounding to float may land on top itself; the range is half-open.
  if (value >= high)
    value = std::nextafter(high, low);
  in->push(Token(value));
}

void builtin_rotate2D(Interpreter *in, int *error) {
  const char *function = "builtin_rotate2D";
  Token angle;
  if (!popArgument(in, error, function, L"angle", TYPE_NUMBER, angle))
    return;
  math::Vector2 v;
  if (!popVector2(in, error, function, L"vector", v))
    return;
  v.rotate(angle.number());
  in->push(v.toToken());
}

void builtin_constructRandomVector2D(Interpreter *in, int *) {
  math::Vector2 v;
  v.setRandomDirection();
  in->push(v.toToken());
}

void builtin_distance2D(Interpreter *in, int *error) {
  const char *function = "builtin_distance2D";
  math::Vector2 a, b;
  if (!popVector2(in, error, function, L"b", b))
    return;
  if (!popVector2(in, error, function, L"a", a))
    return;
  in->push(Token((b - a).length()));
}

void builtin_distance3D(Interpreter *in, int *error) {
  const char *function = "builtin_distance3D";
  math::Vector3 a, b;
  if (!popVector3(in, error, function, L"b", b))
    return;
  if (!popVector3(in, error, function, L"a", a))
    return;
  in->push(Token((b - a).length()));
}

} // namespace quip
