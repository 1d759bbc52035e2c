#pragma once
// Records of short-lived things (splashes, tar dots) kept in one list and
// reused once inactive, so that the list stops growing once it is as long
// as the most that live at once.

#include "container/Vector.h"

// The first inactive record, else a new one appended (appended says so).
template <typename T> T &reuseRecord(container::Vector<T> &records, bool &appended) {
  appended = false;
  for (T &record : records)
    if (!record.active)
      return record;
  records.push(T());
  appended = true;
  return records.last();
}
