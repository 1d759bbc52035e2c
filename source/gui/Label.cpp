#include "gui/Label.h"

#include "file/Database.h"
#include "gui/DictionaryRead.h"
#include "gui/TextFormatRead.h"
#include "text/Font.h"
#include "text/FontFactory.h"
#include "text/TextAnimation.h"
#include "video/RenderKeywords.h"

namespace GUI {

void Label::update(float dt) {
  Widget::update(dt);
  if (visible())
    m_text.update(dt);
}

void Label::draw(video::Canvas &canvas) { m_text.render(canvas); }

math::Rectangle Label::localRectangle() const {
  math::Rectangle r = m_text.getBounds();
  r.normalize();
  return r;
}

void Label::touch() {
  Widget::touch();
  if (Font *font = m_text.format().font())
    font->touch();
}

bool Label::layoutAnimationAction(Symbol method, float time) {
  TextAnimation *animation = m_text.format().animation();
  if (method == SYM(L"setLayoutAnimationTime")) {
    if (animation)
      animation->animationTime = time;
  } else if (method == SYM(L"startLayoutAnimation")) {
    if (animation)
      animation->animate = true;
  } else if (method == SYM(L"restartLayoutAnimation")) {
    if (animation) {
      animation->animate = true;
      animation->animationTime = 0;
    }
  } else if (method == SYM(L"stopLayoutAnimation")) {
    // Stopping freezes the animation where it is.
    if (animation)
      animation->animate = false;
  } else {
    return false;
  }
  return true;
}

// Without a time to set, "setLayoutAnimationTime" sets it back to 0.
bool Label::callNativeMethod(Symbol method) {
  return layoutAnimationAction(method, 0.0f) || Widget::callNativeMethod(method);
}

void Label::serialize(file::ByteReceiver &out) const {
  Widget::serialize(out);
  m_text.write(out);
}

void Label::deserialize(file::ByteProducer &in) {
  Widget::deserialize(in);
  m_text.read(Database::current(), in);
}

void Label::load(const quip::Dictionary &d) {
  Widget::load(d);
  text::TextFormat &format = m_text.format();
  readFontScaleColor(d, format);
  if (const quip::Token *layout = typedValue(d, SYM(L"layout"), quip::TYPE_DICTIONARY)) {
    auto *animation = new TextAnimation;
    animation->read(layout->dictionary());
    format.setAnimation(animation);
  }
  if (const quip::Token *background = typedValue(d, SYM(L"background"), quip::TYPE_SYMBOL)) {
    FontFactory *fonts = FontFactory::current();
    format.setBackground(fonts ? fonts->font(background->symbol()) : nullptr);
  }
  readValue(d, SYM(L"backgroundPosition"), format.backgroundPosition);
  readValue(d, SYM(L"backgroundColor"), format.backgroundColor);
  readTruth(d, SYM(L"renderText"), format.renderText);
  if (const quip::Token *text = typedValue(d, SYM(L"text"), quip::TYPE_STRING))
    m_text.setText(text->string());
  readValue(d, SYM(L"alignment"), format.alignment);
  readValue(d, SYM(L"underline"), format.underline);
  readValue(d, SYM(L"underlineColor"), format.underlineColor);
  readValue(d, SYM(L"strikeout"), format.strikeout);
  readTruth(d, SYM(L"snapToPixel"), format.snapToPixel);
  if (const quip::Token *blend = typedValue(d, SYM(L"blend"), quip::TYPE_SYMBOL))
    format.setBlend(video::blendFromSymbol(blend->symbol()));
  if (const quip::Token *style = typedValue(d, SYM(L"textureStyle"), quip::TYPE_SYMBOL))
    format.textureStyle = video::textureStyleFromSymbol(style->symbol());
  readTruth(d, SYM(L"dropShadow"), format.dropShadow);
  readValue(d, SYM(L"dropShadowColor"), format.dropShadowColor);
  readValue(d, SYM(L"dropShadowPosition"), format.dropShadowPosition);
  if (const quip::Token *action = typedValue(d, SYM(L"action"), quip::TYPE_DICTIONARY)) {
    const quip::Dictionary &call = action->dictionary();
    Symbol method;
    readSymbol(call, SYM(L"method"), method);
    // Without a time the animation keeps its own.
    TextAnimation *animation = format.animation();
    float time = animation ? animation->animationTime : 0.0f;
    readValue(call, SYM(L"animationTime"), time);
    layoutAnimationAction(method, time);
  }
}

void Label::write(quip::Dictionary &d) const {
  Widget::write(d);
  d.set(SYM(L"text"), quip::Token(m_text.text()));
}

} // namespace GUI
