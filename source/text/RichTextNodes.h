#pragma once
// The tree a rich-text mark-up parses into: interior nodes (paragraph,
// format, colour, underline) hold their children in order; leaves (words,
// spaces, line breaks, billboards) are the items that are laid out and drawn.

#include "billboard/Billboard2D.h"
#include "container/Vector.h"
#include "math/Color.h"
#include "text/TextFormat.h"
#include "xstring/String.h"

namespace text {

class RichTextLayout;
struct RichTextDrawContext;

namespace richText {

class Node {
public:
  Node() = default;
  Node(const Node &) = delete;
  Node &operator=(const Node &) = delete;
  virtual ~Node() = default;

  virtual void draw(RichTextDrawContext &context) = 0;
  virtual void update(float dt) { (void)dt; }
  virtual void layout(RichTextLayout &layout) = 0;
  virtual uint32_t childCount() const = 0;
  virtual Node *child(uint32_t index) const = 0;
  // Takes ownership.
  virtual void addChild(Node *node) = 0;
};

class LeafNode : public Node {
public:
  virtual float width(const TextFormat &format) const = 0;
  virtual float height(const TextFormat &format) const = 0;
  // One item of the node's size.
  void layout(RichTextLayout &layout) override;
  uint32_t childCount() const override { return 0; }
  Node *child(uint32_t) const override { return nullptr; }
  // A leaf holds no children: the node is deleted.
  void addChild(Node *node) override { delete node; }
};

class InteriorNode : public Node {
public:
  ~InteriorNode() override;
  void draw(RichTextDrawContext &context) override;
  void update(float dt) override;
  void layout(RichTextLayout &layout) override;
  uint32_t childCount() const override { return m_children.size(); }
  Node *child(uint32_t index) const override {
    return index < m_children.size() ? m_children[index] : nullptr;
  }
  void addChild(Node *node) override { m_children.push(node); }

private:
  container::Vector<Node *> m_children;
};

class NodeParagraph : public InteriorNode {};

// Its children in a format of its own.
class NodeFormat : public InteriorNode {
public:
  explicit NodeFormat(const TextFormat &format) : m_format(format) {}
  void draw(RichTextDrawContext &context) override;
  void layout(RichTextLayout &layout) override;
  const TextFormat &format() const { return m_format; }

private:
  TextFormat m_format;
};

// Its children in the current format with another colour.
class NodeColor : public InteriorNode {
public:
  explicit NodeColor(const math::Color &color) : m_color(color) {}
  void draw(RichTextDrawContext &context) override;
  const math::Color &color() const { return m_color; }

private:
  math::Color m_color;
};

// Its children in the current format, underlined.
class NodeUnderline : public InteriorNode {
public:
  void draw(RichTextDrawContext &context) override;

private:
  float m_width = 1.0f;
};

// One word.
class NodeText : public LeafNode {
public:
  explicit NodeText(const String &word) : m_word(word) {}
  void draw(RichTextDrawContext &context) override;
  float width(const TextFormat &format) const override { return format.stringWidth(m_word); }
  float height(const TextFormat &format) const override { return format.height(); }
  const String &word() const { return m_word; }

private:
  String m_word;
};

// A run of blanks: the width of one space.
class NodeSpace : public LeafNode {
public:
  void draw(RichTextDrawContext &context) override;
  void layout(RichTextLayout &layout) override;
  float width(const TextFormat &format) const override;
  float height(const TextFormat &format) const override { return format.height(); }
};

class NodeLineBreak : public LeafNode {
public:
  void draw(RichTextDrawContext &context) override;
  void layout(RichTextLayout &layout) override;
  float width(const TextFormat &) const override { return 0.0f; }
  float height(const TextFormat &) const override { return 0.0f; }
};

// An inline picture standing on the line.
class NodeBillboard2D : public LeafNode {
public:
  explicit NodeBillboard2D(const Billboard2D &billboard) { m_billboard.copyFrom(billboard); }
  void draw(RichTextDrawContext &context) override;
  float width(const TextFormat &) const override {
    return m_billboard.size.x * m_billboard.initialScale.x;
  }
  float height(const TextFormat &) const override {
    return m_billboard.size.y * m_billboard.initialScale.y;
  }
  const Billboard2D &billboard() const { return m_billboard; }

private:
  Billboard2D m_billboard;
};

} // namespace richText
} // namespace text
