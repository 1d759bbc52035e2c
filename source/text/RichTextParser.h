#pragma once
// Rich-text mark-up into a node tree: words and blanks, and the tags
// <format ATTR>...</format>, <color ATTR>...</color>, <underline>...</underline>,
// <billboard2D ATTR/> and <br/>. An attribute is one script value, an array
// that runs in an interpreter named "richTextContext"; what it leaves on top
// of its stack is the attribute's value. A malformed tag does not stop the
// parse: each problem becomes a message and parsing goes on.

#include "container/Vector.h"
#include "xstring/String.h"

class Database;

namespace text::richText {

class NodeParagraph;

// Never null. Messages ("parse error at line N: ...") are appended.
NodeParagraph *parseRichText(const String &text, Database *database,
                             container::Vector<String> &messages);

} // namespace text::richText
