#pragma once
// Told when a spark reaches the system it flies to.

namespace video {

class Spark;

class SparkListener {
public:
  virtual ~SparkListener() = default;
  virtual void onSparkArrived(Spark &spark) = 0;
};

} // namespace video
