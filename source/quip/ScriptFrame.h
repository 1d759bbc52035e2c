#pragma once
// A timeline of script code: key frames, each a time and a procedure, fired
// as an owner's clock crosses their times. Firing runs the code at once, to
// completion, in the script manager named "framework".

#include "container/Vector.h"
#include "quip/Token.h"

namespace quip {

class ScriptFrame {
public:
  ScriptFrame() : m_code(0) {}
  virtual ~ScriptFrame() = default;

  virtual Symbol typeSymbol() const;
  virtual void fire();
  virtual void load(const Dictionary &dictionary);
  virtual void save(Dictionary &dictionary) const;

  const Array &code() const { return m_code; }
  void setCode(const Array &code) { m_code = code; }
  float time() const { return m_time; }
  void setTime(float time) { m_time = time; }

private:
  Array m_code;
  float m_time = 0;
};

class FinalScriptFrame : public ScriptFrame {
public:
  Symbol typeSymbol() const override;
};

class ScriptFrameTrack {
public:
  ScriptFrameTrack() = default;
  ScriptFrameTrack(const ScriptFrameTrack &) = delete;
  ScriptFrameTrack &operator=(const ScriptFrameTrack &) = delete;
  ~ScriptFrameTrack();

  // "loop" and "frames"; frames of an unknown type are skipped.
  void read(const Dictionary &dictionary);
  void save(Dictionary &dictionary) const;
  // Fires the frames whose times lie in [from, to), or, when the time ran
  // backwards or wrapped, those at or after from and before to.
  void fire(float from, float to);

  bool loops() const { return m_loop != 0; }
  void setLoop(bool loop) { m_loop = loop ? 1 : 0; }
  // Takes the frame over.
  void append(ScriptFrame *frame) { m_frames.push(frame); }
  uint32_t frameCount() const { return m_frames.size(); }
  ScriptFrame *frameAt(uint32_t index) const { return m_frames[index]; }
  float length() const { return m_frames.isEmpty() ? 0 : m_frames.last()->time(); }

private:
  container::Vector<ScriptFrame *> m_frames;
  uint8_t m_loop = 0;
};

} // namespace quip
