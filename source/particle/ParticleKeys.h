#pragma once
// The dictionary keys and symbols of particle systems, emitters, movers,
// spouts and 3-D effects, made once.

#include "xstring/Symbol.h"

namespace quip {
class Dictionary;
}

struct ParticleKeys {
  // Systems and emitters.
  Symbol name = Symbol::intern(L"name");
  Symbol emitters = Symbol::intern(L"emitters");
  Symbol billboard = Symbol::intern(L"billboard");
  Symbol spout = Symbol::intern(L"spout");
  Symbol mover = Symbol::intern(L"mover");
  Symbol lifespan = Symbol::intern(L"lifespan");
  Symbol particleLifespan = Symbol::intern(L"particleLifespan");
  Symbol align = Symbol::intern(L"align");
  Symbol none = Symbol::intern(L"none");
  Symbol toVelocity = Symbol::intern(L"toVelocity");
  Symbol angleVariance = Symbol::intern(L"angleVariance");
  Symbol angleIncrement = Symbol::intern(L"angleIncrement");
  Symbol scaleVariance = Symbol::intern(L"scaleVariance");
  Symbol velocityScalar = Symbol::intern(L"velocityScalar");
  Symbol initialVelocity = Symbol::intern(L"initialVelocity");
  Symbol randomInitialVelocity = Symbol::intern(L"randomInitialVelocity");
  Symbol maxParticles = Symbol::intern(L"maxParticles");
  Symbol initialParticles = Symbol::intern(L"initialParticles");
  Symbol chargeThreshold = Symbol::intern(L"chargeThreshold");
  Symbol particlesPerCharge = Symbol::intern(L"particlesPerCharge");
  Symbol initialColor = Symbol::intern(L"initialColor");
  Symbol initialScale = Symbol::intern(L"initialScale");
  Symbol initialRotation = Symbol::intern(L"initialRotation");
  Symbol pointSpritesEnabled = Symbol::intern(L"pointSpritesEnabled");
  Symbol pointSpriteAttenuation = Symbol::intern(L"pointSpriteAttenuation");
  Symbol pointSpritesIn2D = Symbol::intern(L"pointSpritesIn2D");
  Symbol channels = Symbol::intern(L"channels");

  // Channel names.
  Symbol rotation = Symbol::intern(L"rotation");
  Symbol scale = Symbol::intern(L"scale");
  Symbol scaleX = Symbol::intern(L"scaleX");
  Symbol scaleY = Symbol::intern(L"scaleY");
  Symbol colorR = Symbol::intern(L"colorR");
  Symbol colorG = Symbol::intern(L"colorG");
  Symbol colorB = Symbol::intern(L"colorB");
  Symbol colorA = Symbol::intern(L"colorA");

  // Movers and spouts.
  Symbol type = Symbol::intern(L"type");
  Symbol linear = Symbol::intern(L"linear");
  Symbol angular = Symbol::intern(L"angular");
  Symbol point = Symbol::intern(L"point");
  Symbol circle = Symbol::intern(L"circle");
  Symbol sphere = Symbol::intern(L"sphere");
  Symbol box = Symbol::intern(L"box");
  Symbol drag = Symbol::intern(L"drag");
  Symbol acceleration = Symbol::intern(L"acceleration");
  Symbol expansion = Symbol::intern(L"expansion");
  Symbol extents = Symbol::intern(L"extents");
  Symbol centered = Symbol::intern(L"centered");
  Symbol radiusMin = Symbol::intern(L"radiusMin");
  Symbol radiusMax = Symbol::intern(L"radiusMax");

  // 3-D effects (their placement keys are the billboards').
  Symbol velocity = Symbol::intern(L"velocity");
  Symbol angle = Symbol::intern(L"angle");
  Symbol color = Symbol::intern(L"color");
};

const ParticleKeys &particleKeys();

// The dictionary under the key, or null when absent or of another type.
const quip::Dictionary *dictionaryAt(const quip::Dictionary &d, Symbol key);
