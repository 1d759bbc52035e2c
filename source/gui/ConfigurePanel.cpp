#include "gui/ConfigurePanel.h"

#include "gui/DictionaryRead.h"
#include "gui/Scaler.h"
#include "gui/TextEntry.h"
#include "gui/WidgetMakers.h"

#include <algorithm>

namespace GUI {

namespace {

enum : uint32_t { CENTER = 3, PACK_LEFT = 4 };
constexpr float FIELD_HEIGHT = 17.0f;
constexpr float FIELD_WIDTH = 50.0f;

// A row of a label and a spacer, for the fields that follow; in the parent
// when there is one.
Widget *labeledRow(Widget *parent, const String &text) {
  auto *row = new Widget;
  row->setLayout(PACK_LEFT, CENTER);
  row->setSpacing(10.0f, 0.0f);
  if (parent)
    parent->addChild(row);
  addLabel(row, 0, 0, SYM(L"fontSystem"), math::Color::black, text);
  addSpacer(row, math::Vector2(5.0f, 0.0f));
  return row;
}

TextEntry *addField(Widget *row, float width) {
  auto *field = new TextEntry;
  field->formattedText().format().setFont(SYM(L"fontSystem"));
  field->formattedText().format().color = math::Color::black;
  setTextFieldGeometry(field, math::Vector2(width, FIELD_HEIGHT));
  row->addChild(field);
  return field;
}

// The array's entry i when there is one of that type.
const quip::Token *entry(const quip::Dictionary &d, Symbol key, int i, quip::Type type) {
  const quip::Token *array = typedValue(d, key, quip::TYPE_ARRAY);
  if (!array || uint32_t(i) >= array->array().count())
    return nullptr;
  const quip::Token &value = array->array()[uint32_t(i)];
  return value.type() == type ? &value : nullptr;
}

} // namespace

void setTextFieldGeometry(TextEntry *field, math::Vector2 size) {
  field->formattedText().format().alignment = math::Vector2(0.0f, 0.5f);
  field->setBoxSize(size);
  field->setBoxPosition(math::Vector2(-2.0f, -size.y / 2.0f));
  field->setMaxWidth(int(size.x - 4.0f));
}

void buildConfigureRows(ConfigurePanel &panel, const String &text, int count) {
  panel = ConfigurePanel();
  panel.count = std::clamp(count, 0, ConfigurePanel::MAX_COMPONENTS);
  panel.container = labeledRow(nullptr, text);
  for (int i = 0; i < panel.count; ++i) {
    panel.fields[i] = addField(panel.container, FIELD_WIDTH);
    panel.fields[i]->setFilter(new String(L"0123456789.-"));
    auto *scaler = new Scaler;
    setPushButtonLooks(scaler);
    scaler->setTarget(panel.fields[i]);
    panel.container->addChild(scaler);
    panel.scalers[i] = scaler;
    addSpacer(panel.container, math::Vector2(5.0f, 0.0f));
  }
}

void buildConfigureWidget(ConfigurePanel &panel, const quip::Dictionary &d, int count) {
  Symbol name;
  String tooltip, init, text;
  readSymbol(d, SYM(L"name"), name);
  readString(d, SYM(L"tooltip"), tooltip);
  readString(d, SYM(L"init"), init);
  math::Vector2 position;
  readValue(d, SYM(L"position"), position);
  readString(d, SYM(L"text"), text);
  float scale = 1.0f;
  readValue(d, SYM(L"scale"), scale);
  bool editable = true;
  readTruth(d, SYM(L"editable"), editable);
  const quip::Token *min = typedValue(d, SYM(L"min"), quip::TYPE_NUMBER);
  const quip::Token *max = typedValue(d, SYM(L"max"), quip::TYPE_NUMBER);
  quip::Array onEnter(0), onDown(0);
  readCode(d, SYM(L"do"), onEnter);
  readCode(d, SYM(L"onDown"), onDown);

  buildConfigureRows(panel, text, count);
  panel.container->setPosition(position);
  for (int i = 0; i < panel.count; ++i) {
    TextEntry *field = panel.fields[i];
    const quip::Token *value = entry(d, SYM(L"names"), i, quip::TYPE_SYMBOL);
    // One name names one field: the single name goes to the first.
    field->setName(value ? value->symbol() : i == 0 ? name : Symbol::emptySymbol());
    value = entry(d, SYM(L"inits"), i, quip::TYPE_STRING);
    field->setText(value ? value->string() : init);
    field->setEditable(editable);
    value = entry(d, SYM(L"tooltips"), i, quip::TYPE_STRING);
    field->setTooltip(value ? value->string() : tooltip);
    field->setOnEnter(onEnter);

    Scaler *scaler = panel.scalers[i];
    scaler->setScale(scale);
    if (min)
      scaler->setMin(min->number());
    if (max)
      scaler->setMax(max->number());
    scaler->setOnDown(onDown);
  }
}

void addConfigureWidget(ConfigurePanel &panel, Widget *parent, const quip::Dictionary &d,
                        int count) {
  buildConfigureWidget(panel, d, count);
  parent->addChild(panel.container);
}

TextEntry *addTextFieldRow(Widget *parent, const String &text) {
  return addField(labeledRow(parent, text), FIELD_WIDTH);
}

} // namespace GUI
