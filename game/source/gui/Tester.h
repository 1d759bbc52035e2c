#pragma once
// The automatic play-through driver, owned by the application and updated
// once per frame. It starts switched off and stays so until the tester
// options page exists to switch it on; while off it does nothing.

class Tester {
public:
  // The "active" switch comes first: the tester options page writes it.
  bool enabled = false;

  void update(float dt) { (void)dt; }
  bool isEnabled() const { return enabled; }
};
