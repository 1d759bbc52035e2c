#pragma once
// The process-wide table of user-visible texts: each text marked for
// translation in a script, under its context, with its translation and every
// source location where it occurs. It is read from and written to the
// localization file, an XML file with the root "ulv_localization_data".
// Also home to the thousands separator of number texts and to the character
// sets that text-entry fields accept.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/String.h"

namespace xstring {

class Localization {
public:
  struct Info {
    String text;
    String translation;
    String context;
    // "source line L character C", one per occurrence.
    container::Vector<String> locations;
  };
  using Table = container::HashTable<String, Info>;

  // Made on first use; keyed by text + "&" + context.
  static Table &table();
  static void release();

  // Appends the location to an existing entry, else adds a new one.
  static void record(const String &text, const String &translation, const String &context,
                     const String &location);
  // The translation, or the text itself when it has no entry.
  static String lookup(const String &text, const String &context);

  // Replaces the table with the file's entries; false when it cannot be read.
  static bool load(const String &path);
  // False when the file cannot be created.
  static bool write(const String &path);

  // A value file holding the dictionary { thousandSeparator: "c" }. These two
  // are built with the value files, in the scripting library.
  static bool writeThousandSeparator(const String &path);
  static bool readThousandSeparator(const String &path);

  static wchar_t thousandSeparator() { return String::thousandSeparator(); }
  static void setThousandSeparator(wchar_t c) { String::setThousandSeparator(c); }

  // Character sets of the text-entry filters, built once.
  static const String &nameFilter();
  static const String &nameFilterBig();
  static const String &filenameFilter();
  static const String &numberFilter();
  static const String &emailAddressFilter();
  static const String &latin1Filter();
  static const String &latin1FilterWithSpace();
  static const String &emailBodyFilter();

private:
  // The entries in file order: by the first location's source name (without
  // case), then its line; equal entries keep table order.
  static container::Vector<const Info *> sortedEntries();
};

} // namespace xstring
