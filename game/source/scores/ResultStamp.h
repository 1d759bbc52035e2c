#pragma once
// Whether a held answer or location is known, and whether it came in during
// this run recently enough to count as fresh.

struct ResultStamp {
  bool known = false;
  bool live = false;
  // The framework's total update time when it came in.
  float time = 0.0f;
  float maxAge = 1200.0f;

  // Restored from a file: known, not live.
  void markKnown() {
    known = true;
    live = false;
  }
  void clear() {
    known = false;
    live = false;
  }
  void markLive();
  bool isLive() const;
};
