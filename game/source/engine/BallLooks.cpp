// How the ball is drawn: its trail in two passes, its effects, the look of
// its power or its normal look with the glow of a held charge, its sparks,
// heat and smoke; and the textures its looks need.

#include "engine/Ball.h"
#include "engine/BoardDrawing.h"
#include "engine/Level.h"
#include "engine/SkeletonDrawing.h"
#include "file/Database.h"
#include "framework/Framework.h"
#include "particle/ParticleSystem.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"
#include "video/Canvas.h"

#include <cmath>

namespace {

TextureManager *currentTextures() {
  const Database *database = Database::current();
  return database ? TextureManager::of(*database) : nullptr;
}

float applicationClock() { return Framework::exists() ? Framework::instance()->totalTime() : 0.0f; }

math::Color brightened(const math::Color &colour, float by) {
  math::Color c = colour;
  c += math::Color(by, by, by, 0.0f);
  c.clamp();
  return c;
}

// A particle system drawn at the point at the scale.
void drawSystem(video::Canvas &canvas, ParticleSystem *system, const math::Vector3 &at,
                float scale) {
  if (!system)
    return;
  canvas.pushMatrix();
  canvas.translate(at);
  canvas.scale(scale, scale, scale);
  system->render(canvas);
  canvas.popMatrix();
}

constexpr int keepBlend = -1;

Symbol ballNuclearName(unsigned colour) {
  static const Symbol names[COLOR_COUNT + 1] = {
      SYM(L"ballNuclearBlue"),   SYM(L"ballNuclearGreen"), SYM(L"ballNuclearMagenta"),
      SYM(L"ballNuclearOrange"), SYM(L"ballNuclearRed"),   SYM(L"ballNuclearTeal"),
      SYM(L"ballNuclear")};
  return names[colour < COLOR_COUNT ? colour : COLOR_COUNT];
}

Symbol bombName(unsigned colour) {
  static const Symbol names[COLOR_COUNT + 1] = {
      SYM(L"bombBlue"), SYM(L"bombGreen"), SYM(L"bombMagenta"), SYM(L"bombOrange"),
      SYM(L"bombRed"),  SYM(L"bombTeal"),  SYM(L"bombGrey")};
  return names[colour < COLOR_COUNT ? colour : COLOR_COUNT];
}

Symbol iceBallName(uint32_t frame) {
  static const Symbol names[10] = {SYM(L"iceBall0000"), SYM(L"iceBall0001"), SYM(L"iceBall0002"),
                                   SYM(L"iceBall0003"), SYM(L"iceBall0004"), SYM(L"iceBall0005"),
                                   SYM(L"iceBall0006"), SYM(L"iceBall0007"), SYM(L"iceBall0008"),
                                   SYM(L"iceBall0009")};
  return names[frame < 10 ? frame : 9];
}

Symbol boltName(uint32_t shape) {
  static const Symbol names[3] = {SYM(L"lightningWhole"), SYM(L"lightningWhole2"),
                                  SYM(L"lightningWhole3")};
  return names[shape < 3 ? shape : 0];
}

} // namespace

void Ball::preloadTextures() {
  TextureManager *textures = currentTextures();
  if (!textures)
    return;
  for (Symbol name : {SYM(L"ballNormal"), SYM(L"ballFire"), SYM(L"ballLightning2")})
    textures->getTexture(name)->load();
  for (unsigned colour = 0; colour <= COLOR_COUNT; ++colour)
    textures->getTexture(ballNuclearName(colour))->load();
  for (uint32_t shape = 0; shape < 3; ++shape)
    textures->getTexture(boltName(shape))->load();
  for (uint32_t frame = 0; frame < 10; ++frame)
    textures->getTexture(iceBallName(frame))->load();
  for (unsigned colour = 0; colour <= COLOR_COUNT; ++colour)
    textures->getTexture(bombName(colour))->load();
}

bool Ball::showsPowerLook() const {
  if (m_power == NO_POWER)
    return false;
  if (m_powerTime > 2.0f)
    return true;
  return int64_t(std::lround(m_powerTime * 5.0f)) % 2 != 0;
}

float Ball::appearAlpha() const {
  return m_state == APPEARING ? std::fmin(1.0f, m_stateTime) : 1.0f;
}

float Ball::blinkAlpha() const { return m_invulnerableTime > 0.0f && !m_visible ? 0.2f : 1.0f; }

void Ball::setTrailStyle(bool glow) {
  video::RibbonRenderPass &pass = m_trail.pass();
  const bool fire = m_power == FIRE;
  if (TextureManager *textures = currentTextures())
    pass.texture = textures->getTexture(glow && fire ? SYM(L"tailFire") : SYM(L"tailBall"));
  pass.blend = glow ? video::BLEND_ADDITIVE : video::BLEND_NORMAL;
  const float blink = blinkAlpha();
  if (glow) {
    pass.lineWidthStart = fire ? 4.0f : 3.0f;
    pass.lineWidthEnd = fire ? 2.0f : 1.0f;
    pass.tScale = fire ? 8.0f : 1.0f;
    pass.color = chargeColour();
    pass.color.a = blink * (fire ? 1.0f : 0.6f);
  } else {
    pass.lineWidthStart = fire ? 1.5f : 1.0f;
    pass.lineWidthEnd = fire ? 1.0f : 0.0f;
    pass.tScale = 1.0f;
    pass.color = math::Color(1.0f, 1.0f, 1.0f, blink * 0.6f);
  }
  pass.fadeOutStart = 0.7f;
  pass.fadeOutEnd = 1.0f;
  pass.alignment = video::RIBBON_XY;
}

void Ball::render(video::Canvas &canvas) {
  if (m_state == WAITING)
    return;
  const math::Vector3 at = atomPosition();
  setTrailStyle(true);
  m_trail.render(canvas);
  setTrailStyle(false);
  m_trail.render(canvas);
  drawSystem(canvas, m_iceCharge, at, 1.0f / 15.0f);
  for (ParticleSystem *effect : m_chargeEffects)
    drawSystem(canvas, effect, at, 0.1f);
  if (m_state == DYING) {
    drawSkeleton(canvas, SYM(L"ballDie"), at, m_stateTime, 0.0625f, math::Color::white);
  } else {
    if (showsPowerLook())
      renderPowerLook(canvas);
    else
      renderNormalLook(canvas);
    if (m_state == TARRED)
      drawSkeleton(canvas, SYM(L"tarCoverBall"), at, m_stateTime, 1.0f / 12.0f, math::Color::white);
    else if (m_state == COMPLETE)
      drawSkeleton(canvas, SYM(L"ballComplete"), at, m_stateTime, 1.0f / 14.0f, math::Color::white);
  }
  m_sparks.render(canvas, m_owner->spriteSize());
  drawSystem(canvas, m_heatEffect, at, 0.1f);
  m_smoke.render(canvas);
}

void Ball::renderNormalLook(video::Canvas &canvas) {
  const float alpha = blinkAlpha() * appearAlpha();
  drawBoard(canvas, SYM(L"ballNormal"), atomPosition(),
            {diameter(), 3.0f, math::Color(1.0f, 1.0f, 1.0f, alpha), keepBlend, 0.0f});
  if (m_owner->hasBonusCharge())
    renderGlow(canvas);
}

void Ball::renderGlow(video::Canvas &canvas) {
  math::Color colour = brightened(chargeColour(), 0.25f);
  colour.a = 0.3f * blinkAlpha() * appearAlpha();
  drawBoard(canvas, SYM(L"fuzzyDot"), atomPosition(),
            {diameter(), 5.0f, colour, video::BLEND_ADDITIVE, 0.0f});
}

void Ball::renderPowerLook(video::Canvas &canvas) {
  const math::Vector3 at = atomPosition();
  const float d = diameter();
  const unsigned charge = m_owner->bonusColor();
  const float running = m_owner->totalTime();
  switch (m_power) {
  case BOMB:
    drawSkeleton(canvas, SYM(L"bombRings"), at, applicationClock(), 1.0f / 6.0f, chargeColour());
    drawBoard(canvas, bombName(charge), at, {d, 1.0f, math::Color::white, keepBlend, m_heading});
    break;
  case LIGHTNING: {
    const math::Color colour = brightened(chargeColour(), 0.25f);
    drawBoard(canvas, SYM(L"ballLightning2"), at, {d, 1.0f, colour, keepBlend, 0.0f});
    renderGlow(canvas);
    for (const LightningOrbiter &orbiter : m_orbiters) {
      canvas.pushMatrix();
      canvas.translate(at);
      canvas.rotate(orbiter.yaw, -1.0f, 0.0f, 0.0f);
      canvas.rotate(orbiter.pitch, 0.0f, 0.0f, -1.0f);
      const float grow = orbiter.fade();
      canvas.scale(grow, grow, grow);
      drawBoard(canvas, boltName(orbiter.shape), math::Vector3(),
                {0.0f, 2.0f / 19.0f, colour, video::BLEND_ADDITIVE, 0.0f});
      canvas.popMatrix();
    }
    drawBoard(canvas, SYM(L"lightningGlobe"), at, {d, 3.0f, math::Color::white, keepBlend, 0.0f});
    break;
  }
  case ICE: {
    const float roll = std::fmod(m_rollAngle, 120.0f);
    const auto frame = uint32_t(std::floor((roll < 0.0f ? roll + 120.0f : roll) / 13.333f));
    drawBoard(canvas, iceBallName(frame), at, {d, 1.5f, math::Color::white, keepBlend, m_heading});
    renderGlow(canvas);
    break;
  }
  case FIRE:
    drawBoard(canvas, SYM(L"ballFire"), at,
              {d, 1.2f, math::Color(1.0f, 1.0f, 1.0f, appearAlpha()), keepBlend,
               applicationClock() * 1440.0f});
    renderGlow(canvas);
    drawBoard(
        canvas, SYM(L"fireTwirl"), at,
        {d, 3.0f, math::Color(1.0f, 1.0f, 1.0f, 0.75f), video::BLEND_ADDITIVE, running * 180.0f});
    break;
  case NUCLEAR: {
    drawBoard(canvas, ballNuclearName(charge), at, {d, 1.2f, math::Color::white, keepBlend, 0.0f});
    static const float tilts[3] = {45.0f, -45.0f, 0.0f};
    static const float spins[3] = {120.0f, 150.0f, 180.0f};
    for (int i = 0; i < 3; ++i) {
      canvas.pushMatrix();
      canvas.translate(at);
      canvas.rotate(tilts[i], 0.0f, 0.0f, -1.0f);
      canvas.rotate(running * spins[i], -1.0f, 0.0f, 0.0f);
      drawBoard(canvas, SYM(L"lightRing"), math::Vector3(),
                {d, 4.0f, chargeColour(), video::BLEND_ADDITIVE, 0.0f});
      canvas.popMatrix();
    }
    break;
  }
  default:
    break;
  }
}
