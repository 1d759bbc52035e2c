#pragma once
// Shared steps of the math types' script forms: reading a fixed number of
// numbers from an array token with every tag tested, and making a literal
// array of numbers.

#include "math/Vector3.h"
#include "quip/Token.h"

namespace math {

// True, with out filled, when the token is an array of at least count
// numbers; otherwise false and out untouched.
bool readNumbers(const quip::Token &token, float *out, unsigned int count);
// A new literal array holding the numbers.
void numbersToken(const float *values, unsigned int count, quip::Token &out);

} // namespace math

namespace quip {
// Optional-key reader: false, out untouched, when the key is absent or its
// value is not an array of three numbers.
bool lookupVector3(const Dictionary &dictionary, Symbol key, Type expected, math::Vector3 &out);
} // namespace quip
