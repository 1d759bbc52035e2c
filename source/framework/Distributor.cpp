#include "framework/Distributor.h"

#include "file/AtomicSave.h"
#include "file/Buffer.h"
#include "framework/Framework.h"

#include <cstdio>

namespace distributor {

String Distributor::fullScreenPath() {
  String folder = Framework::exists() ? Framework::instance()->documentsFolder() : String(L".");
  return folder + L"/fullScreen.txt";
}

bool Distributor::isFullScreen() {
  file::Buffer text;
  if (!text.open(fullScreenPath()))
    return true;
  wchar_t first = 0;
  return text.next(first) && first == L'1';
}

void Distributor::setFullScreen(bool fullScreen) {
  // A place that cannot be written is skipped without a report.
  file::AtomicSave out(fullScreenPath(), false);
  if (out.file())
    fputc(fullScreen ? '1' : '0', out.file());
  out.commit();
}

} // namespace distributor
