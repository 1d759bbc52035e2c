#include "gui/Popup.h"

#include "gui/Accelerator.h"
#include "gui/Border.h"
#include "gui/Box.h"
#include "gui/DictionaryRead.h"
#include "gui/GeneralButton.h"
#include "gui/Label.h"
#include "gui/Page.h"
#include "gui/Spacer.h"
#include "gui/TitleBar.h"
#include "input/Key.h"
#include "math/Color.h"
#include "video/Window.h"

#include <algorithm>

namespace GUI {

namespace {

// How a widget places its children on one axis.
enum : uint32_t { NONE = 0, CENTER = 3, PACK = 4 };

const math::Color transparent(0.0f, 0.0f, 0.0f, 0.0f);

Box *transparentBox(Widget *parent, uint32_t hLayout, uint32_t vLayout) {
  auto *box = new Box;
  box->setColor(transparent);
  box->setLayout(hLayout, vLayout);
  parent->addChild(box);
  return box;
}

} // namespace

void Popup::createDefaultChildren() {
  setLayout(CENTER, CENTER);

  m_frame = new Border;
  m_frame->setWidth(4.0f);
  m_frame->setColors(math::Color(0.1f, 0.5f, 1.0f, 1.0f), math::Color(0.0f, 0.4f, 0.95f, 1.0f),
                     math::Color(0.0f, 0.3f, 0.8f, 1.0f));
  m_frame->setDraggable(true);
  m_frame->dropShadow().enabled = true;
  addChild(m_frame);

  Box *panel = transparentBox(m_frame, CENTER, PACK);
  panel->setConsumeEvents(true);

  m_titleBox = new Box;
  m_titleBox->setGradient(math::Color(0.1f, 0.5f, 1.0f, 1.0f), math::Color(0.0f, 0.4f, 0.95f, 1.0f),
                          math::Color(0.1f, 0.5f, 1.0f, 1.0f),
                          math::Color(0.0f, 0.4f, 0.95f, 1.0f));
  m_titleBox->setHExpand(true);
  m_titleBox->setLayout(NONE, CENTER);
  panel->addChild(m_titleBox);

  m_titleBar = new TitleBar;
  m_titleBar->setSize(math::Vector2(0.0f, 20.0f));
  m_titleBar->setLayout(PACK, CENTER);
  m_titleBar->setHExpand(true);
  m_titleBox->addChild(m_titleBar);

  m_titleLabel = new Label;
  m_titleLabel->text().format().setFont(SYM(L"font"));
  m_titleLabel->text().format().color = math::Color(1.0f, 1.0f, 1.0f, 1.0f);
  m_titleLabel->setHMargin(10.0f);
  m_titleBar->addChild(m_titleLabel);
  auto *filler = new Widget;
  filler->setHExpand(true);
  m_titleBar->addChild(filler);

  // Shows "x" in the title's font; its hit area is its 14-pixel-wide size.
  auto *close = new GeneralButton;
  close->setLabel(String(L"x"));
  close->labelFormat().setFont(SYM(L"font"));
  close->labelFormat().color = math::Color(1.0f, 1.0f, 1.0f, 1.0f);
  close->setFrameSize(math::Vector2(14.0f, close->frameSize().y));
  m_closeButton = close;
  m_closeButton->setHitArea(new math::Rectangle(14.0f, 18.0f, true));
  m_closeButton->addListener(this);
  m_closeButton->setAccelerator(new Accelerator(framework::KEY_ESCAPE, 0));
  m_closeButton->setTooltip(String(L"Close"));
  m_closeButton->setKeyboardFocusable(false);
  m_titleBar->addChild(m_closeButton);

  m_background = new Box;
  m_background->setColor(math::Color(0.94f, 0.93f, 0.87f, 1.0f));
  m_background->setLayout(CENTER, PACK);
  m_background->setExpand(true, true);
  panel->addChild(m_background);

  math::Vector2 screen = video::Window::screenSize();
  m_bodyContainer = new Spacer(
      math::Vector2(std::min(350.0f, screen.x / 2.0f), std::min(150.0f, screen.y / 2.0f)));
  m_bodyContainer->setLayout(CENTER, CENTER);
  m_bodyContainer->setExpand(true, true);
  m_background->addChild(m_bodyContainer);

  m_body = transparentBox(m_bodyContainer, CENTER, PACK);
  m_body->setVSpacing(10.0f);
  m_body->setMargin(10.0f, 10.0f);

  m_bottomBar = transparentBox(m_background, PACK, CENTER);
  m_bottomBar->setHSpacing(50.0f);
  m_bottomBar->setMargin(10.0f, 10.0f);
}

void Popup::clicked(Button *) {
  if (hasPage())
    page()->exit();
}

void Popup::load(const quip::Dictionary &d) {
  Widget::load(d);
  if (m_titleLabel)
    if (const quip::Token *title = typedValue(d, SYM(L"title"), quip::TYPE_STRING))
      m_titleLabel->setText(title->string());
  if (m_closeButton)
    if (const quip::Token *showX = d.lookup(SYM(L"showX")))
      m_closeButton->setVisible(showX->toBool());
  Widget *const parts[] = {m_background, m_body, m_bodyContainer, m_bottomBar};
  static const Symbol keys[] = {SYM(L"background"), SYM(L"body"), SYM(L"bodyContainer"),
                                SYM(L"bottomBar")};
  for (int i = 0; i < 4; ++i)
    if (parts[i])
      if (const quip::Token *part = typedValue(d, keys[i], quip::TYPE_DICTIONARY))
        parts[i]->load(part->dictionary());
}

} // namespace GUI
