#include "threads/HttpResponse.h"

#include "file/BufferBinary.h"
#include "xstring/String.h"

#include <cctype>
#include <climits>

namespace http {

namespace {

// Decimal digits only, no sign, and a value that fits an int.
bool readLength(const String &text, int &out) {
  if (text.isEmpty())
    return false;
  long long value = 0;
  for (uint32_t i = 0; i < text.length(); ++i) {
    wchar_t c = text[i];
    if (c < L'0' || c > L'9')
      return false;
    value = value * 10 + (c - L'0');
    if (value > INT_MAX)
      return false;
  }
  out = int(value);
  return true;
}

} // namespace

const wchar_t *const LineEnd = L"\r\n";
const wchar_t *const HeaderEnd = L"\r\n\r\n";

void readStatusLine(const file::BufferBinary &response, int &status, int &statusClass) {
  status = 303;
  statusClass = 501;

  const unsigned char *bytes = response.data();
  unsigned int size = response.size();
  String line;
  for (unsigned int i = 0; i < size && bytes[i] != '\n' && bytes[i] != '\r'; ++i)
    line.append(wchar_t(bytes[i]));

  container::Vector<String> parts;
  line.split(String(L" \r\n"), parts);
  if (parts.size() < 2 || parts[1].length() < 3)
    return;

  if (parts[1] == L"200")
    status = 200;
  else if (parts[1] == L"302")
    status = 302;

  wchar_t digit = parts[1][0];
  if (digit >= L'1' && digit <= L'5')
    statusClass = (digit - L'0') * 100;
}

bool readContentLength(const file::BufferBinary &response, unsigned int &headerLength,
                       int &contentLength) {
  const unsigned char *bytes = response.data();
  unsigned int size = response.size();
  if (size == 0)
    return false;

  String header;
  bool complete = false;
  for (unsigned int i = 0; i < size && !complete; ++i) {
    header.append(wchar_t(std::tolower(bytes[i])));
    complete = i >= 3 && bytes[i - 3] == '\r' && bytes[i - 2] == '\n' && bytes[i - 1] == '\r' &&
               bytes[i] == '\n';
  }
  // Without its blank line the header may still be arriving.
  if (!complete)
    return false;

  const String separators(L": ");
  uint32_t start = 0;
  while (start < header.length()) {
    uint32_t end = start;
    while (end < header.length() && !(header[end] == L'\r' && header[end + 1] == L'\n'))
      ++end;
    String line = header.substring(start, end - start);
    start = end + 2;

    container::Vector<String> parts;
    line.split(separators, parts);
    if (parts.size() == 2 && parts[0] == L"content-length") {
      if (!readLength(parts[1], contentLength))
        return false;
      headerLength = header.length();
      return true;
    }
  }
  return false;
}

int statusClass(int code) {
  if (code >= 600 || code <= 99)
    return 501;
  if (code >= 500)
    return 500;
  if (code >= 400)
    return 400;
  if (code >= 300)
    return 300;
  if (code < 200)
    return 100;
  return 200;
}

bool findSecondLineEnd(const file::BufferBinary &response, unsigned int &limit) {
  const unsigned char *bytes = response.data();
  // Never look past the bytes actually held.
  unsigned int end = limit < response.size() ? limit : response.size();
  int pairs = 0;
  for (unsigned int i = 0; i + 1 < end; ++i) {
    if (bytes[i] == '\r' && bytes[i + 1] == '\n') {
      if (++pairs == 2) {
        limit = i + 2;
        return true;
      }
      ++i;
    }
  }
  return false;
}

} // namespace http
