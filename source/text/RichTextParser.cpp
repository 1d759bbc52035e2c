#include "text/RichTextParser.h"

#include "billboard/Billboard2D.h"
#include "file/Database.h"
#include "quip/FrameworkManager.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "text/RichTextNodes.h"
#include "xstring/TextCursor.h"

#include <cwctype>

namespace text::richText {

namespace {

Symbol contextName() {
  static const Symbol name = Symbol::intern(L"richTextContext");
  return name;
}

bool isTagBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

bool isNameCharacter(wchar_t c) {
  return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
         c == L'_';
}

class Parser {
public:
  Parser(const String &text, Database *database, container::Vector<String> &messages)
      : m_cursor(&text, String(L"<richtext source>")), m_database(database), m_messages(messages) {}

  NodeParagraph *parse();

private:
  // An open tag and the literal that closes it.
  struct Open {
    Node *node;
    const wchar_t *closing;
  };

  void error(const String &text) {
    m_messages.push(String(L"parse error at line ") + String::toString(m_cursor.line()) + L": " +
                    text);
  }
  void skipBlanks() {
    while (isTagBlank(m_cursor.peek()))
      m_cursor.next();
  }
  // Character by character, each consumed; false at the first mismatch.
  bool expect(const wchar_t *literal);
  void readText(Node &into);
  void readTag(container::Vector<Open> &open);
  // False when no attribute could be read; else the value its script left
  // (an error token when it left none).
  bool attribute(quip::Token &value);

  TextCursor m_cursor;
  Database *m_database;
  container::Vector<String> &m_messages;
};

bool Parser::expect(const wchar_t *literal) {
  for (const wchar_t *c = literal; *c; ++c) {
    if (m_cursor.next() != *c) {
      error(String(L"expected '") + literal + L"' at this point");
      return false;
    }
  }
  return true;
}

void Parser::readText(Node &into) {
  String run;
  bool blanks = false;
  auto flush = [&] {
    if (run.isEmpty())
      return;
    if (blanks)
      into.addChild(new NodeSpace);
    else
      into.addChild(new NodeText(run));
    run = String();
  };
  while (!m_cursor.atEnd() && m_cursor.peek() != L'<') {
    wchar_t c = m_cursor.next();
    bool blank = std::iswspace(wint_t(c)) != 0;
    if (blank != blanks)
      flush();
    blanks = blank;
    run += c;
  }
  flush();
}

bool Parser::attribute(quip::Token &value) {
  skipBlanks();
  quip::Token code = quip::readToken(m_cursor);
  if (code.isError()) {
    error(L"parse failed in attribute");
    return false;
  }
  if (!code.isArray()) {
    error(L"parse failed in attribute (expected array)");
    return false;
  }
  quip::ScriptManager *framework = quip::frameworkManager(m_database);
  if (framework) {
    value = framework->finish(framework->spawn(contextName(), code));
  } else {
    quip::ScriptManager own(Symbol::intern(L"framework"));
    value = own.finish(own.spawn(contextName(), code));
  }
  return true;
}

void Parser::readTag(container::Vector<Open> &open) {
  Node &current = *open.last().node;
  m_cursor.next(); // "<"
  String nameText;
  while (isNameCharacter(m_cursor.peek()))
    nameText += m_cursor.next();
  // Compared as text: names from the mark-up are never interned.

  if (nameText == L"format") {
    skipBlanks();
    quip::Token value;
    TextFormat format;
    format.alignment = math::Vector2(0.0f, 0.0f);
    if (attribute(value)) {
      if (value.isDictionary())
        format.read(m_database, value.dictionary());
      else
        error(L"the format attribute gave no dictionary");
    }
    skipBlanks();
    expect(L">");
    auto *node = new NodeFormat(format);
    current.addChild(node);
    open.push(Open{node, L"</format>"});
  } else if (nameText == L"color") {
    quip::Token value;
    math::Color color(1.0f, 0.0f, 0.0f, 1.0f);
    if (attribute(value) && !color.fromToken(value))
      error(L"the color attribute gave no colour");
    skipBlanks();
    expect(L">");
    auto *node = new NodeColor(color);
    current.addChild(node);
    open.push(Open{node, L"</color>"});
  } else if (nameText == L"underline") {
    skipBlanks();
    expect(L">");
    auto *node = new NodeUnderline;
    current.addChild(node);
    open.push(Open{node, L"</underline>"});
  } else if (nameText == L"billboard2D") {
    quip::Token value;
    Billboard2D billboard;
    if (attribute(value)) {
      if (value.isDictionary())
        billboard.read(m_database, value.dictionary());
      else
        error(L"the billboard2D attribute gave no dictionary");
    }
    skipBlanks();
    expect(L"/>");
    current.addChild(new NodeBillboard2D(billboard));
  } else if (nameText == L"br") {
    skipBlanks();
    expect(L"/>");
    current.addChild(new NodeLineBreak);
  } else {
    // The rest of the tag is read as text.
    error(String(L"unrecognized tag: ") + nameText);
  }
}

NodeParagraph *Parser::parse() {
  auto *root = new NodeParagraph;
  container::Vector<Open> open;
  open.push(Open{root, nullptr});
  while (!m_cursor.atEnd()) {
    if (m_cursor.peek() != L'<') {
      readText(*open.last().node);
      continue;
    }
    if (m_cursor.peek(1) == L'/') {
      // At the top level a closing tag ends the text.
      if (open.size() == 1)
        break;
      expect(open.last().closing);
      open.pop();
      continue;
    }
    readTag(open);
  }
  // Tags still open at the end of the text miss their closing tags.
  while (open.size() > 1 && m_cursor.atEnd()) {
    error(String(L"expected '") + open.last().closing + L"' at this point");
    open.pop();
  }
  return root;
}

} // namespace

NodeParagraph *parseRichText(const String &text, Database *database,
                             container::Vector<String> &messages) {
  Parser parser(text, database, messages);
  return parser.parse();
}

} // namespace text::richText
