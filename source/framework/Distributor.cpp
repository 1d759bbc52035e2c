#include "framework/Distributor.h"

#include "file/Buffer.h"
#include "file/Path.h"
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
  FILE *out = file::openFile(fullScreenPath(), String(L"w"));
  if (!out)
    return;
  fputc(fullScreen ? '1' : '0', out);
  fclose(out);
}

} // namespace distributor
