#pragma once
// Particle systems built by hand for the tests: emitters with a plain
// billboard and a point spout, a canvas that records point-sprite draws, and
// the seeded random stream.

#include "billboard/Billboard3D.h"
#include "math/Matrix4.h"
#include "math/Random.h"
#include "particle/Emitter.h"
#include "particle/EmitterDefinition.h"
#include "particle/ParticleSystem.h"
#include "particle/ParticleSystemDefinition.h"
#include "particle/SpoutPoint.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "quip/Token.h"
#include "support/NullCanvas.h"

#include <memory>
#include <vector>

namespace particletest {

// The value of a script text.
inline quip::Token evaluate(const wchar_t *text) {
  quip::ScriptManager reader(Symbol::intern(L"particleTest"));
  quip::Array code = quip::translate(String(text), String(L"test"));
  return reader.finish(reader.spawn(code));
}

inline quip::Dictionary dictionary(const wchar_t *text) { return evaluate(text).dictionary(); }

// A complete emitter: an untextured billboard and a point spout.
inline EmitterDefinition *plainEmitter() {
  auto *emitter = new EmitterDefinition;
  emitter->billboard = new Billboard3D;
  emitter->spout = new SpoutPoint;
  return emitter;
}

// A definition of one plain emitter, and systems made from it.
struct OneEmitter {
  ParticleSystemDefinition definition{Symbol::intern(L"test")};
  EmitterDefinition *emitter = plainEmitter();

  OneEmitter() {
    definition.emitters.push(emitter);
    Random::globalSeed(1234);
  }
  std::unique_ptr<ParticleSystem> make(const math::Vector3 &at = math::Vector3()) {
    return std::unique_ptr<ParticleSystem>(definition.instantiate(at, 0.0f));
  }
};

inline std::vector<float> rotations(const Emitter &emitter) {
  std::vector<float> out;
  for (uint32_t i = 0; i < Emitter::PoolSize; ++i)
    if (emitter.particle(i).alive)
      out.push_back(emitter.particle(i).rotation);
  return out;
}

// What one point-sprite draw was handed.
struct PointDraw {
  std::vector<float> positions;
  int count = 0;
  int components = 0;
  bool colorArray = false;
  std::vector<uint8_t> colors;
  float size = 0.0f;
  math::Color color;
  math::Matrix4 model;
};

class RecordingCanvas : public testing_support::NullCanvas {
public:
  std::vector<PointDraw> draws;

  void drawPoints(const float *positions, int count, int components, const uint8_t *colors,
                  const float *sizes, int, float, const float[3], video::RenderPass &) override {
    PointDraw d;
    d.positions.assign(positions, positions + count * components);
    d.count = count;
    d.components = components;
    d.colorArray = colors != nullptr;
    if (colors)
      d.colors.assign(colors, colors + 4 * count);
    d.size = sizes[0];
    d.color = color();
    d.model = matrix(MODEL);
    draws.push_back(d);
  }
};

} // namespace particletest
