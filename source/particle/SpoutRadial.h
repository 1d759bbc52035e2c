#pragma once
// What the circle and sphere spouts share: a radius drawn between radiusMin
// and radiusMax, then scaled per axis (a 2-D or 3-D scale). A radiusMax of 0
// places every particle at the position and draws nothing.

#include "particle/Spout.h"

template <typename Scale> class SpoutRadial : public Spout {
public:
  void read(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void readBinary(file::ByteProducer &in) override;
  void writeBinary(file::ByteReceiver &out) const override;

  float radiusMin = 0.0f;
  float radiusMax = 0.0f;
  Scale scale = unitScale();

  static Scale unitScale();
};
