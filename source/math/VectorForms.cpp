// Script and binary forms of the vectors and the quaternion.

#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "math/Quaternion.h"
#include "math/ScriptForms.h"
#include "math/Vector2.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"

#include <cmath>

namespace math {

quip::Token Vector2::toToken() const {
  quip::Token out;
  quip::toToken(*this, out);
  return out;
}

bool Vector2::fromToken(const quip::Token &token) {
  float v[2];
  if (!readNumbers(token, v, 2))
    return false;
  set(v[0], v[1]);
  return true;
}

bool readToken(const quip::Token &token, Vector2 &out) { return out.fromToken(token); }

quip::Token Vector3::toToken() const {
  quip::Token out;
  quip::toToken(*this, out);
  return out;
}

bool Vector3::fromToken(const quip::Token &token) {
  float v[3];
  if (!readNumbers(token, v, 3))
    return false;
  set(v[0], v[1], v[2]);
  return true;
}

bool readToken(const quip::Token &token, Vector3 &out) { return out.fromToken(token); }

quip::Token Vector2i::toToken() const {
  quip::Token out;
  quip::toToken(*this, out);
  return out;
}

bool Vector2i::fromToken(const quip::Token &token) {
  float v[2];
  if (!readNumbers(token, v, 2))
    return false;
  // Numbers beyond the int range are refused rather than converted (undefined).
  for (float f : v)
    if (!(f > -2147483904.0f && f < 2147483648.0f))
      return false;
  set(int(v[0]), int(v[1]));
  return true;
}

bool readToken(const quip::Token &token, Vector2i &out) { return out.fromToken(token); }

void Vector2i::read(file::ByteProducer &in) { in.produceBytes(this, 8); }

void Vector2i::write(file::ByteReceiver &out) const { out.receiveBytes(this, 8); }

void Quaternion::read(file::ByteProducer &in) { in.produceBytes(this, 16); }

void Quaternion::write(file::ByteReceiver &out) const { out.receiveBytes(this, 16); }

} // namespace math

namespace quip {

void toToken(const math::Vector2 &value, Token &out) {
  float v[2] = {value.x, value.y};
  math::numbersToken(v, 2, out);
}

void toToken(const math::Vector3 &value, Token &out) {
  float v[3] = {value.x, value.y, value.z};
  math::numbersToken(v, 3, out);
}

Token toToken(const math::Vector3 &value) {
  Token out;
  toToken(value, out);
  return out;
}

void toToken(const math::Vector2i &value, Token &out) {
  float v[2] = {float(value.x), float(value.y)};
  math::numbersToken(v, 2, out);
}

} // namespace quip

namespace file {

void write(const math::Vector2 &value, ByteReceiver &out) { out.receiveBytes(&value, 8); }

void read(math::Vector2 &value, ByteProducer &in) { in.produceBytes(&value, 8); }

void write(const math::Vector3 &value, ByteReceiver &out) { out.receiveBytes(&value, 12); }

void read(math::Vector3 &value, ByteProducer &in) { in.produceBytes(&value, 12); }

} // namespace file

namespace quip {

bool lookupVector2(const Dictionary &dictionary, Symbol key, Type expected, math::Vector2 &out) {
  const Token *token = dictionary.lookupTyped(key, expected);
  if (!token)
    return false;
  out.fromToken(*token);
  return true;
}

} // namespace quip
