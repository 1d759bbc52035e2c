#include "gui/WidgetMakers.h"

#include "billboard/Billboard2D.h"
#include "file/Database.h"
#include "gui/Border.h"
#include "gui/Box.h"
#include "gui/CheckButton.h"
#include "gui/GeneralButton.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Layout.h"
#include "gui/Popup.h"
#include "gui/ScrolledWindow.h"
#include "gui/Slider.h"
#include "gui/SliderArrow.h"
#include "gui/SliderHandle.h"
#include "gui/Spacer.h"
#include "gui/TextEntry.h"
#include "gui/Widget.h"
#include "math/Rectangle.h"
#include "video/Window.h"

namespace GUI {

namespace {

enum : uint32_t { NONE = 0, LEFT = 1, PACK_LEFT = 4, PACK_TOP = 4, PACK_RIGHT = 5 };
const math::Color FRAME_DARK(0.2f, 0.2f, 0.2f, 1.0f);
const math::Color PANEL(0.94f, 0.93f, 0.87f, 1.0f);

float packingSpacing(uint32_t layout) {
  return layout == PACK_LEFT || layout == PACK_RIGHT ? 10.0f : 0.0f;
}

template <typename T> T *added(Widget *parent, T *widget) {
  parent->addChild(widget);
  return widget;
}

Slider *newSlider() { return new Slider(new SliderHandle, new SliderArrow, new SliderArrow); }

} // namespace

Widget *addContainer(Widget *parent, uint32_t hLayout, uint32_t vLayout) {
  return addContainer(parent, hLayout, vLayout, packingSpacing(hLayout), packingSpacing(vLayout));
}

Widget *addContainer(Widget *parent, uint32_t hLayout, uint32_t vLayout, float hSpacing,
                     float vSpacing) {
  auto *container = new Widget;
  container->setLayout(hLayout, vLayout);
  container->setSpacing(hSpacing, vSpacing);
  return added(parent, container);
}

Widget *addPlainContainer(Widget *parent) { return added(parent, new Widget); }

Box *addBox(Widget *parent, const math::Color &color) {
  auto *box = new Box;
  box->setColor(color);
  return added(parent, box);
}

Box *addScreenBox(Widget *parent, const math::Color &color) {
  Box *box = addBox(parent, color);
  box->setPosition(video::Window::screenSize() * 0.5f);
  box->setSize(video::Window::screenSize());
  return box;
}

Box *addBorderedBox(float x, float y, float width, float height, const math::Color &color,
                    bool pressed) {
  auto *box = new Box;
  box->setColor(color);
  box->setPosition(math::Vector2(x, y));
  box->setSize(math::Vector2(width, height));
  auto *frame = new Border;
  frame->setSize(math::Vector2(width, height));
  frame->setWidth(2.0f);
  frame->setColors(pressed ? FRAME_DARK : math::Color::white, color,
                   pressed ? math::Color::white : FRAME_DARK);
  box->addChild(frame);
  return box;
}

ScrolledWindow *addScrolledWindow(Widget *parent, const quip::Dictionary &dictionary) {
  auto *window = new ScrolledWindow(newSlider(), newSlider());
  window->load(dictionary);
  return added(parent, window);
}

Spacer *addSpacer(Widget *parent, math::Vector2 size) { return added(parent, new Spacer(size)); }

Box *addFramedBox(Widget *parent, const math::Color &frameColor, const String &title) {
  Widget *column = addContainer(parent, LEFT, PACK_TOP, 10.0f, 10.0f);
  if (!title.isEmpty())
    addLabel(column, 0, 0, SYM(L"fontSystem"), math::Color::black, title);
  Box *box = addBox(column, PANEL);
  box->setBorder(true);
  box->setBorderWidth(1.0f);
  box->setBorderBevel(false);
  box->setBorderUp(false);
  box->setCentered(false);
  box->setBorderColors(frameColor, frameColor, frameColor);
  box->setMargin(10.0f, 10.0f);
  return box;
}

TextEntry *addLabeledField(Widget *parent, float x, float y, const String &text) {
  Widget *row = addContainer(parent, PACK_LEFT, NONE);
  row->setPosition(math::Vector2(x, y));
  row->setHExpand(true);
  addLabel(row, 0, 0, SYM(L"fontSystem"), math::Color::black, text);
  addSpacer(row, math::Vector2(10.0f, 0.0f))->setHExpand(true);
  auto *field = new TextEntry;
  field->formattedText().format().setFont(SYM(L"fontSystem"));
  return added(row, field);
}

Popup *addPopup(Widget *parent, const String &title) {
  auto *popup = new Popup;
  popup->createDefaultChildren();
  if (Label *label = popup->titleLabel())
    label->setText(title);
  return added(parent, popup);
}

void setPushButtonLooks(PushButton *button) {
  button->setUp(addBorderedBox(0, 0, 10, 13, math::Color(0.75f, 0.75f, 0.75f, 1.0f)));
  button->setHighlight(addBorderedBox(0, 0, 10, 13, math::Color(0.95f, 0.95f, 0.95f, 1.0f)));
  button->setDown(addBorderedBox(0, 0, 10, 13, math::Color(1.0f, 0.2f, 0.1f, 1.0f), true));
  button->setDim(addBorderedBox(0, 0, 10, 13, math::Color(0.5f, 0.5f, 0.5f, 1.0f)));
}

Label *addLabel(Widget *parent, float x, float y, Symbol font, const math::Color &color) {
  auto *label = new Label;
  label->setPosition(math::Vector2(x, y));
  label->text().format().setFont(font);
  label->text().format().color = color;
  return added(parent, label);
}

Label *addLabel(Widget *parent, float x, float y, Symbol font, const math::Color &color,
                const String &text) {
  Label *label = addLabel(parent, x, y, font, color);
  label->setText(text);
  return label;
}

void formatNumber(Label *label, float value, bool separators) {
  String text = String::toString(value);
  if (separators)
    text.insertThousandSeparators();
  label->setText(text);
}

void formatNumber(Label *label, int value, bool separators) {
  String text = String::toString(value);
  if (separators)
    text.insertThousandSeparators();
  label->setText(text);
}

Image *addImage(Widget *parent, float x, float y, Symbol billboard) {
  auto *image = new Image;
  image->setPosition(math::Vector2(x, y));
  image->setBillboard(new Billboard2D(Database::current(), billboard));
  return added(parent, image);
}

GeneralButton *addTextButton(Widget *parent, float x, float y, const String &text) {
  auto *button = new GeneralButton;
  button->setPosition(math::Vector2(x, y));
  button->setLabel(text);
  button->labelFormat().setFont(SYM(L"fontSystem"));
  button->labelFormat().color = math::Color::black;
  return added(parent, button);
}

CheckButton *addCheckBox(Widget *parent, float x, float y, const String &text) {
  auto *check = new CheckButton;
  check->setPosition(math::Vector2(x, y));
  check->setUp(addBorderedBox(0, 0, 12, 12, math::Color::white));
  check->setHighlight(addBorderedBox(0, 0, 12, 12, math::Color::white));
  check->setDown(addBorderedBox(0, 0, 12, 12, math::Color(0.8f, 0.8f, 0.8f, 1.0f), true));
  auto *mark = new Image;
  mark->setBillboard(new Billboard2D(Database::current(), SYM(L"iconCheck")));
  check->setIcon(mark);
  if (!text.isEmpty()) {
    auto *label = new Label;
    label->setPosition(math::Vector2(15.0f, 0.0f));
    label->text().format().setFont(SYM(L"font"));
    label->text().format().color = math::Color::black;
    label->text().format().alignment = math::Vector2(0.0f, 0.5f);
    label->setText(text);
    check->setLabel(label);
  }
  parent->addChild(check);
  applyLayout(*check);
  check->setHitArea(new math::Rectangle(check->naturalRect()));
  return check;
}

} // namespace GUI
