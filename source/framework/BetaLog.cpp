#include "framework/BetaLog.h"

#include "error/Log.h"
#include "error/Report.h"
#include "file/Path.h"
#include "framework/Framework.h"
#include "xstring/Print.h"

namespace framework {

namespace {

BetaLog *theLog = nullptr;

// Reports reach the log this way; each one closes the file behind it, so
// that what was written survives the program ending right after.
void recordReport(Symbol title, const String &text) {
  if (!theLog || !theLog->enabled())
    return;
  theLog->addRecord(title, quip::Token(text));
  theLog->shutdown();
}

String documentsFolder() {
  if (Framework::exists())
    return Framework::instance()->documentsFolder();
  return String(L".");
}

} // namespace

BetaLog &BetaLog::instance() {
  if (!theLog)
    theLog = new BetaLog;
  return *theLog;
}

void BetaLog::destroy() {
  delete theLog;
  theLog = nullptr;
}

bool BetaLog::exists() { return theLog != nullptr; }

BetaLog::BetaLog() { setReportSink(recordReport); }

BetaLog::~BetaLog() {
  setReportSink(nullptr);
  if (m_file)
    fclose(m_file);
}

FILE *BetaLog::file() {
  if (!m_file)
    m_file = file::openFile(documentsFolder() + L"/beta.txt", String(L"a"));
  return m_file;
}

String BetaLog::recordText(float time, Symbol event, const quip::Token &data) {
  String text(L"(time: ");
  text += quip::Token(time).toString();
  text += L" event: ";
  text += quip::Token(event, false).toString();
  if (!(data.isSymbol() && data.symbol() == Symbol::emptySymbol())) {
    text += L" data: ";
    text += data.toString();
  }
  text += L")\n";
  return text;
}

void BetaLog::addRecord(Symbol event, const quip::Token &data) {
  if (!m_enabled)
    return;
  FILE *out = file();
  if (!out)
    return;
  float time = Framework::exists() ? Framework::instance()->totalTime() : 0.0f;
  xstring::write(out, recordText(time, event, data));
  fflush(out);
}

void BetaLog::logEvent(const String &event, const String &data) {
  addRecord(Symbol::intern(event), quip::Token(data));
  logFormat(L"%S: %S", event.c_str(), data.c_str());
}

void BetaLog::shutdown() {
  if (!m_enabled || !m_file)
    return;
  fclose(m_file);
  m_file = nullptr;
}

} // namespace framework
