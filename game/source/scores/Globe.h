#pragma once
// The rotating globe that shows where the online scores were made. For now
// only its life: made on first use, told when the window changes, deleted at
// the end of the run.

namespace video {

class Globe {
public:
  static Globe &instance();
  static bool exists();
  static void destroy();

  Globe(const Globe &) = delete;
  Globe &operator=(const Globe &) = delete;

  // The camera's field of view follows the window's size.
  void resetFieldOfView() {}

private:
  Globe() = default;
  ~Globe() = default;
};

} // namespace video
