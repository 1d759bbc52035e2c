// Oscillators: their wave, its decay and end, and what each target does to
// the canvas.

#include "particle/OscillatorDefinition.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "quip/Token.h"
#include "support/NullCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

OscillatorDefinition oscillator(const wchar_t *text) {
  quip::ScriptManager reader(Symbol::intern(L"oscillatorTest"));
  quip::Array code = quip::translate(String(text), String(L"test"));
  OscillatorDefinition out;
  out.read(reader.finish(reader.spawn(code)).dictionary());
  return out;
}

} // namespace

TEST(Oscillator, TheWaveAndItsDecay) {
  struct Case {
    const wchar_t *definition;
    float t, value;
  };
  const Case cases[] = {
      // Defaults: the scale swings between 0 and 2 as 1 + sin t, for ever.
      {L"()", 0.0f, 1.0f},
      {L"()", float(M_PI / 2), 2.0f},
      {L"()", 4.0f, float(1 + std::sin(4.0))},
      {L"()", 1000.0f, float(1 + std::sin(1000.0))},
      // The swing shrinks to nothing at t = 2 and stays there.
      {L"(magnitudeDecay: 0.5)", 1.0f, float(1 + 0.5 * std::sin(1.0))},
      {L"(magnitudeDecay: 0.5)", 2.0f, 1.0f},
      {L"(magnitudeDecay: 0.5)", 3.0f, 1.0f},
      // The phase speed drops to 0 at t = 2.
      {L"(frequency: 2 frequencyDecay: 1)", 1.0f, float(1 + std::sin(1.0))},
      {L"(frequency: 2 frequencyDecay: 1)", 3.0f, 1.0f},
      {L"(initialValue: 5 magnitude: 2 offset: 1 frequency: 0)", 7.0f,
       float(5 + 2 * std::sin(1.0))},
  };
  for (const Case &c : cases)
    EXPECT_NEAR(oscillator(c.definition).value(c.t), c.value, 1e-5f)
        << std::wstring(c.definition) << " at " << c.t;
}

TEST(Oscillator, ItFinishesPastItsLifespanOrWithoutMagnitude) {
  struct Case {
    const wchar_t *definition;
    float t;
    bool finished;
  };
  const Case cases[] = {
      {L"(lifespan: 1)", 1.0f, false},
      {L"(lifespan: 1)", 1.001f, true},
      {L"()", 1e6f, false},
      // It tests the stored magnitude, not the decayed one.
      {L"(magnitudeDecay: 0.5)", 2.0f, false},
      {L"(magnitudeDecay: 0.5)", 10.0f, false},
      {L"(magnitude: 0)", 0.0f, true},
  };
  for (const Case &c : cases)
    EXPECT_EQ(oscillator(c.definition).isFinished(c.t), c.finished)
        << std::wstring(c.definition) << " at " << c.t;
}

TEST(Oscillator, EachTargetChangesItsPartOfTheCanvas) {
  struct Case {
    const wchar_t *definition;
    float color[4];
    math::Vector2 point; // where (1, 1) goes
  };
  // All at rest at value 0.5.
  const Case cases[] = {
      {L"(target: color:)", {0.5f, 0.5f, 0.5f, 0.5f}, {1, 1}},
      {L"(target: r:)", {0.5f, 1, 1, 1}, {1, 1}},
      {L"(target: g:)", {1, 0.5f, 1, 1}, {1, 1}},
      {L"(target: b:)", {1, 1, 0.5f, 1}, {1, 1}},
      {L"(target: a:)", {1, 1, 1, 0.5f}, {1, 1}},
      {L"(target: scale:)", {1, 1, 1, 1}, {0.5f, 0.5f}},
      {L"(target: x:)", {1, 1, 1, 1}, {0.5f, 1}},
      {L"(target: y:)", {1, 1, 1, 1}, {1, 0.5f}},
      // Degrees, clockwise.
      {L"(target: rotation: initialValue: 90)", {1, 1, 1, 1}, {1, -1}},
      // A word outside the table does nothing.
      {L"(target: alpha:)", {1, 1, 1, 1}, {1, 1}},
  };
  for (const Case &c : cases) {
    OscillatorDefinition o = oscillator(c.definition);
    if (o.initialValue == 1.0f)
      o.initialValue = 0.5f;
    o.frequency = 0.0f;
    testing_support::NullCanvas canvas;
    o.apply(canvas, 1.0f);
    const math::Color &color = canvas.colorStackTop();
    EXPECT_FLOAT_EQ(color.r, c.color[0]) << std::wstring(c.definition);
    EXPECT_FLOAT_EQ(color.g, c.color[1]) << std::wstring(c.definition);
    EXPECT_FLOAT_EQ(color.b, c.color[2]) << std::wstring(c.definition);
    EXPECT_FLOAT_EQ(color.a, c.color[3]) << std::wstring(c.definition);
    math::Vector2 p = canvas.matrix(video::Canvas::MODEL).transformPoint(math::Vector2(1, 1));
    EXPECT_NEAR(p.x, c.point.x, 1e-5f) << std::wstring(c.definition);
    EXPECT_NEAR(p.y, c.point.y, 1e-5f) << std::wstring(c.definition);
    o.unapply(canvas);
    EXPECT_EQ(canvas.colorStackSize(), 0u);
    EXPECT_EQ(canvas.currentMatrixStack().size(), 1u);
  }
  EXPECT_EQ(oscillator(L"(target: alpha:)").target, OscillatorDefinition::NONE);
}
