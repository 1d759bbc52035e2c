#pragma once
// The event log: named events with data, one script dictionary per record,
// appended to "/beta.txt" in the documents folder. It is off unless someone
// switches it on; while off it ignores every record.

#include "quip/Token.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdio>

namespace framework {

class BetaLog {
public:
  static BetaLog &instance();
  static void destroy();
  static bool exists();

  BetaLog(const BetaLog &) = delete;
  BetaLog &operator=(const BetaLog &) = delete;

  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled) { m_enabled = enabled; }

  // documents path + "/beta.txt", opened for appending on first need.
  FILE *file();
  // (time: <total time> event: '<event>' data: <data>), data left out when it
  // is the empty symbol; written and flushed. Nothing while disabled.
  void addRecord(Symbol event, const quip::Token &data);
  // Records the event with its data as a string, and always logs "event: data".
  void logEvent(const String &event, const String &data);
  // Closes the file; a later record opens it again.
  void shutdown();

  // The text of one record.
  static String recordText(float time, Symbol event, const quip::Token &data);

private:
  BetaLog();
  ~BetaLog();

  bool m_enabled = false;
  FILE *m_file = nullptr;
};

} // namespace framework
