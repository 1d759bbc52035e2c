#pragma once
// The owner of a structure that walls collide with (the ball, tar balls): it
// carries the index of the floor region that holds the structure, and only
// that region's walls touch it.

#include "physics/Listener.h"

class TumblixStructureOwner : public physics::StructureOwner {
public:
  int regionIndex() const { return m_regionIndex; }
  void setRegionIndex(int index) { m_regionIndex = index; }

protected:
  int m_regionIndex = 0;
};
