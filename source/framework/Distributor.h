#pragma once
// Settings kept for the user between runs: the full-screen preference, one
// character in "/fullScreen.txt" of the documents folder ("1" full screen).

#include "xstring/String.h"

namespace distributor {

class Distributor {
public:
  virtual ~Distributor() = default;
  // True when the file cannot be read; else whether it begins with "1".
  virtual bool isFullScreen();
  // Writes "1" or "0"; a file that cannot be opened is skipped.
  virtual void setFullScreen(bool fullScreen);

  static String fullScreenPath();
};

} // namespace distributor
