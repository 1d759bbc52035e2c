// The ball's powers, its shield and the bonus charges it carries.

#include "engine/Ball.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "engine/Tuning.h"
#include "particle/ParticleSystem.h"
#include "particle/ParticleSystemDefinition.h"
#include "particle/ParticleSystemFactory.h"

namespace {

// By colour index, 0 to 5.
Symbol chargeEffectName(unsigned colour) {
  static const Symbol names[COLOR_COUNT] = {SYM(L"bonusChargeBlue"),    SYM(L"bonusChargeGreen"),
                                            SYM(L"bonusChargeMagenta"), SYM(L"bonusChargeOrange"),
                                            SYM(L"bonusChargeRed"),     SYM(L"bonusChargeTeal")};
  return names[colour < COLOR_COUNT ? colour : 0];
}

Symbol dischargeEffectName(unsigned colour) {
  static const Symbol names[COLOR_COUNT] = {
      SYM(L"bonusDischargeBlue"),   SYM(L"bonusDischargeGreen"), SYM(L"bonusDischargeMagenta"),
      SYM(L"bonusDischargeOrange"), SYM(L"bonusDischargeRed"),   SYM(L"bonusDischargeTeal")};
  return names[colour < COLOR_COUNT ? colour : 0];
}

} // namespace

void Ball::setPower(unsigned kind) {
  m_power = kind;
  m_powerTime = tuning::powerTime;
  updateCollisionMasks();
  if (kind == BOMB)
    m_bombAnchor = atomPosition();
  if (kind == LIGHTNING)
    for (LightningOrbiter &orbiter : m_orbiters)
      orbiter.randomize();
  if (m_iceCharge)
    m_iceCharge->setEmitting(kind == ICE);
  queueGameSound(SYM(L"powerUp"));
}

void Ball::clearPower() {
  m_power = NO_POWER;
  updateCollisionMasks();
  if (m_iceCharge)
    m_iceCharge->setEmitting(false);
}

void Ball::losePower() {
  spawnAtBall(SYM(L"ballLoseSuper"), 0.0625f, math::Color::white, Level::objectEffects());
  clearPower();
}

void Ball::loseShield() {
  if (m_power != NO_POWER)
    losePower();
  if (m_owner->hasBonusCharge())
    m_owner->dischargeBonus();
  m_invulnerableTime = 1.0f;
  queueGameSound(SYM(L"loseShield"));
}

void Ball::tar() {
  if (m_owner->hasBonusCharge())
    m_owner->dischargeBonus();
  setState(TARRED);
  queueGameSound(SYM(L"tar"));
}

void Ball::addBonusCharge(unsigned colour) {
  // The level only charges the six colours.
  if (colour >= COLOR_COUNT)
    return;
  ParticleSystemFactory *factory = ParticleSystemFactory::current();
  if (!factory)
    return;
  m_chargeEffects.push(factory->definition(chargeEffectName(colour))->instantiate());
}

void Ball::bonusDischarge(unsigned colour) {
  if (colour >= COLOR_COUNT)
    return;
  spawnAtBall(dischargeEffectName(colour), 0.1f, math::Color::white, Level::objectEffects());
}

void Ball::onSparkArrived(video::Spark &spark) {
  (void)spark;
  math::Color colour = math::Color::white;
  if (m_owner->hasBonusCharge()) {
    colour = colorValue(m_owner->bonusColor());
    colour += math::Color(0.5f, 0.5f, 0.5f, 0.0f);
    colour.clamp();
  }
  spawnAtBall(SYM(L"bonusFlash"), 0.25f, colour, Level::objectEffects());
}
