// The character sets that text-entry fields accept.
#include "file/Localization.h"

namespace xstring {

namespace {

void appendRange(String &out, wchar_t first, wchar_t last) {
  for (wchar_t c = first; c <= last; ++c)
    out.append(c);
}

String alphanumeric() {
  String out;
  appendRange(out, L'A', L'Z');
  appendRange(out, L'a', L'z');
  appendRange(out, L'0', L'9');
  return out;
}

// Letters, digits and the visible ASCII punctuation except backslash and bar.
String printable() { return alphanumeric() + L"~`!@#$%^&*()-_=+[]{};:'\",<.>/?"; }

String upperLatin1() {
  String out;
  out.append(wchar_t(161));
  appendRange(out, 191, 221);
  appendRange(out, 223, 246);
  appendRange(out, 249, 253);
  out.append(wchar_t(255));
  return out;
}

} // namespace

const String &Localization::nameFilter() {
  static const String set = alphanumeric() + L"@_.";
  return set;
}

const String &Localization::nameFilterBig() {
  static const String set = nameFilter() + L" ',?!#";
  return set;
}

const String &Localization::filenameFilter() {
  static const String set = alphanumeric() + L"@_./!";
  return set;
}

const String &Localization::numberFilter() {
  static const String set(L"0123456789.-");
  return set;
}

const String &Localization::emailAddressFilter() {
  static const String set = alphanumeric() + L"@.!#$%&'*+-/=?^_`{}~";
  return set;
}

const String &Localization::latin1Filter() {
  static const String set = printable() + upperLatin1();
  return set;
}

const String &Localization::latin1FilterWithSpace() {
  static const String set = latin1Filter() + L" ";
  return set;
}

const String &Localization::emailBodyFilter() {
  static const String set = printable() + upperLatin1() + L" \n";
  return set;
}

} // namespace xstring
