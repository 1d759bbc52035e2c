// The thousands separator of number texts kept in a value file. Declared with
// the localization table; defined here, beside the value files it uses.
#include "file/BufferBinary.h"
#include "file/Localization.h"
#include "quip/Dictionary.h"
#include "quip/Serializer.h"
#include "xstring/Symbol.h"

namespace xstring {

bool Localization::writeThousandSeparator(const String &path) {
  quip::Dictionary dictionary;
  String separator;
  separator.append(thousandSeparator());
  dictionary.set(SYM(L"thousandSeparator"), quip::Token(separator));
  quip::Serializer file(path);
  return file.write(quip::Token(dictionary));
}

bool Localization::readThousandSeparator(const String &path) {
  // A missing or damaged file, or one without the key, leaves the separator as it is.
  file::BufferBinary bytes;
  if (!bytes.open(path))
    return false;
  quip::Token value = quip::Serializer::readBytes(bytes);
  if (!value.isDictionary())
    return false;
  quip::Token *separator = value.dictionary().lookup(SYM(L"thousandSeparator"));
  if (!separator || !separator->isString() || separator->string().isEmpty())
    return false;
  setThousandSeparator(separator->string()[0]);
  return true;
}

} // namespace xstring
