// The level's frame and its states: the tutorial, the ball's intro, play,
// shaking off tar, a lost ball, completion and failure.

#include "engine/Ball.h"
#include "engine/FrontEnd.h"
#include "engine/GameProfile.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "engine/PageCalls.h"
#include "engine/Tumblix.h"
#include "engine/Tuning.h"

namespace {

Symbol tutorialPage() { return SYM(L"tutorial"); }

math::Vector3 applicationGravity() {
  return Tumblix::exists() ? Tumblix::instance()->gravity() : math::Vector3();
}

// The device's latest reading, which drifts the lava.
math::Vector3 applicationAcceleration() {
  return Tumblix::exists() ? Tumblix::instance()->smoothedAcceleration() : math::Vector3();
}

// Where the camera closes in on the ball to shake off tar and to watch it
// finish the level.
constexpr float closeHeight = 27.5f;

} // namespace

void Level::begin() {
  const GameProfile *profile = FrontEnd::currentProfile();
  const bool tutorial = profile && profile->currentLevel() == 0 && profile->showsTutorial();
  setState(tutorial ? TUTORIAL : BALL_INTRO);
  exitPage(SYM(L"bonusCharge"));
}

void Level::update(float dt) {
  m_stateTime += dt;
  if ((m_state == PLAYING || m_state == SHAKE_OFF) && m_ball->state() > Ball::APPEARING)
    m_playTime += dt;

  const math::Vector3 gravity = applicationGravity();
  m_previousTilt = m_tiltSeen ? m_tilt : gravity;
  m_tilt = gravity;
  m_tiltSeen = true;
  const math::Vector3 force = m_tilt * tuning::tiltScale;
  m_ball->structure().pendingAcceleration += force;
  for (ChunkNormal *chunk : m_chunksNormal)
    chunk->structure().pendingAcceleration += force;
  for (ChunkExplosion *chunk : m_chunksExplosion)
    chunk->structure().pendingAcceleration += force;

  stepPhysics(dt);
  neutronHits();
  if (m_state == PLAYING)
    m_tubes.update(dt);
  m_ball->update(dt);
  updateBlocks(dt);
  updateGroupTimers(dt);
  Lava::updateDrift(applicationAcceleration(), dt);
  if (m_state == PLAYING) {
    m_chomps.update(dt);
    if (m_ball->state() > Ball::APPEARING)
      m_tarBalls.update(dt);
    m_gates.update(dt);
    m_secrets.update(dt);
  } else if (m_state == SHAKE_OFF) {
    updateStuckTarBalls(dt);
  }
  if (m_state == PLAYING)
    m_lavas.update(dt);
  if (m_state == PLAYING) {
    m_fires.update(dt);
    m_moneyBugs.update(dt);
    m_worms.update(dt);
  }

  if (m_state == PLAYING)
    m_coins.update(dt);
  if (m_state == PLAYING) {
    m_doors.update(dt);
    m_switches.update(dt);
  }
  if (m_state == PLAYING || m_state == COMPLETING || m_state == COMPLETE) {
    m_chunksNormal.update(dt);
    m_chunksExplosion.update(dt);
    m_neutrons.update(dt);
    m_explosions.update(dt);
    m_blockLightnings.update(dt);
    m_scoreDrops.update(dt);
    updateGroupScoreDrops(dt);
  }

  stepCameraMove(dt);
  trackCamera();
  chargePower(dt);
  m_starDisplay.update(dt);
  m_tarDots.update(dt);
  m_splatter.update(dt);
  m_coinMeter.update(dt);

  while (m_pendingCoins > 0 && !m_ballEarned) {
    coinCollected();
    --m_pendingCoins;
  }
  stepState();
  LevelBase::update(dt);
}

void Level::updateGroupScoreDrops(float dt) {
  uint32_t i = 0;
  while (i < m_groupScoreDrops.size()) {
    GroupScoreDrop *drop = m_groupScoreDrops[i];
    drop->update(dt);
    if (!drop->isDead()) {
      ++i;
      continue;
    }
    // Only the drop the table holds for the id leaves it: a second drop of
    // one id (a hostile saved game) must not take the live drop's entry.
    if (m_groupScoreDropTable.get(drop->id()) == drop)
      m_groupScoreDropTable.remove(drop->id());
    delete m_groupScoreDrops.removeAt(i);
  }
}

void Level::stepState() {
  switch (m_state) {
  case TUTORIAL:
    if (!pageShown(tutorialPage()))
      setState(BALL_INTRO);
    break;
  case BALL_INTRO:
    if (m_stateTime >= 1.0f)
      m_ball->setState(Ball::APPEARING);
    if (m_stateTime > 3.0f) {
      m_camera.setPosition(cameraHome());
      refreshVisibleRectangle();
      refreshSpriteSize();
      m_ball->setState(Ball::PLAYING);
      setState(PLAYING);
    }
    break;
  case PLAYING:
  case SHAKE_OFF:
    if (m_ball->state() == Ball::DYING) {
      setState(m_balls == 0 ? FAILED : BALL_LOST);
    } else if (m_state == PLAYING && m_ball->state() == Ball::TARRED) {
      // Tar holds the ball until it is shaken off.
      setState(SHAKE_OFF);
    } else if (m_state == PLAYING) {
      const uint32_t coloured = m_blockGrid.colouredCount();
      if (coloured != 0 && m_blocksBroken >= coloured)
        setState(COMPLETING);
    } else {
      m_shake += (m_tilt - m_previousTilt).length();
      if (m_shake >= 1.0f) {
        shakeOffTarBalls();
        m_ball->shakeOffTar();
        cameraBack();
        setState(PLAYING);
      }
    }
    break;
  case BALL_LOST:
    if (m_stateTime > 2.0f) {
      // Only a reserve ball is lost; a restored game may come here with none.
      if (m_balls > 0)
        --m_balls;
      setState(BALL_INTRO);
    }
    break;
  case COMPLETING:
    if (m_stateTime > 1.0f)
      setState(COMPLETE);
    break;
  default:
    break;
  }
}

void Level::setState(int32_t state) {
  if (state == m_state)
    return;
  if (m_state == BALL_INTRO)
    exitPage(SYM(L"ballIntro"));
  else if (m_state == SHAKE_OFF)
    exitPage(SYM(L"shakeIt"));
  m_state = state;
  m_stateTime = 0.0f;
  const math::Vector3 ball = m_ball->atomPosition();
  switch (state) {
  case TUTORIAL:
    enterPage(tutorialPage());
    break;
  case BALL_INTRO: {
    enterPage(SYM(L"ballIntro"));
    const math::Vector3 start(m_ballStart.x, m_ballStart.y, 0.0f);
    m_ball->setPosition(start);
    m_ball->setRegionIndex(int(floorAreaAt(start)));
    m_ball->setState(Ball::WAITING);
    resetBonusCharge();
    moveCamera(m_camera.position(), cameraHome(), 1.5f, true);
    m_chomps.resetAll();
    m_tarBalls.resetAll();
    m_fires.resetAll();
    break;
  }
  case SHAKE_OFF:
    moveCamera(m_camera.position(), math::Vector3(ball.x, ball.y, closeHeight), 1.0f, true);
    enterPage(SYM(L"shakeIt"));
    m_shake = 0.0f;
    break;
  case BALL_LOST:
    for (TarBall *tar : m_tarBalls)
      tar->deactivate();
    break;
  case COMPLETING:
    m_ball->complete();
    moveCamera(m_camera.position(), math::Vector3(ball.x, ball.y - 8.5f, closeHeight), 1.0f, true);
    break;
  case COMPLETE:
    enterPage(SYM(L"levelCompleteOverlay"));
    queueGameSound(SYM(L"levelComplete"));
    break;
  default:
    break;
  }
}
