#include "gui/PageFactory.h"

#include "error/Assert.h"
#include "error/Log.h"
#include "file/Database.h"
#include "file/TextBinary.h"
#include "gui/Layout.h"
#include "gui/Page.h"
#include "gui/WidgetRegistry.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"
#include "video/Layer.h"
#include "video/LayerManager.h"

namespace GUI {

namespace {

PageFactory *theFactory = nullptr;

// Pages sit on layers only once layers exist (tests run without them).
video::Layer *layerOf(const Page &page) {
  if (!video::LayerManager::exists() || video::LayerManager::instance().layerCount() == 0)
    return nullptr;
  return &video::LayerManager::instance().getLayer(page.layerName());
}

bool isShown(const Page &page) {
  return page.state() == Page::ENTER || page.state() == Page::ACTIVE;
}

} // namespace

PageFactory *PageFactory::instance() {
  if (!theFactory)
    theFactory = new PageFactory;
  return theFactory;
}

void PageFactory::destroyInstance() {
  delete theFactory;
  theFactory = nullptr;
}

PageFactory::~PageFactory() {
  trashAll();
  emptyTrash();
}

void PageFactory::rebuildNames() {
  m_pageNames = m_pages.keys();
  sortSymbols(m_pageNames);
}

void PageFactory::update(float dt) {
  if (!m_trash.isEmpty())
    emptyTrash();
  for (uint32_t i = 0; i < m_pageNames.size(); ++i)
    if (Page *page = m_pages.get(m_pageNames[i]))
      page->update(dt);
}

Page *PageFactory::lookup(Symbol name) const { return m_pages.get(name); }

container::Vector<Symbol> PageFactory::pageNames(const String &filter) const {
  container::Vector<Symbol> names(m_pageNames);
  filterSymbols(names, filter);
  return names;
}

void PageFactory::addPage(Page *page) {
  // A page of the same name goes the way of every retired page rather than
  // staying on its layer unowned.
  Page *old = lookup(page->name());
  if (old && old != page)
    trashPage(old);
  m_pages.put(page->name(), page);
  rebuildNames();
  page->collectFocusable();
  if (video::Layer *layer = layerOf(*page)) {
    layer->addRenderable(page);
    layer->addEventHandler(page);
  }
}

bool PageFactory::loadPages(const String &name, const quip::Token &code) {
  Database *database = Database::current();
  quip::ScriptManager *manager =
      database ? database->scriptManagers().find(SYM(L"framework")) : nullptr;
  if (!manager) {
    logLine(String(L"Load pages: ") + name + L": no framework script manager");
    return false;
  }
  quip::Token answer =
      manager->finish(manager->spawn(Symbol::intern(String(L"Load pages: ") + name), code));
  if (!answer.isDictionary()) {
    logLine(String(L"Load pages: ") + name + L": the script answered no dictionary");
    return false;
  }
  WidgetRegistry *registry = WidgetRegistry::instance();
  answer.dictionary().forEach([&](Symbol, const quip::Token &value) {
    Symbol registered;
    if (!value.get(registered))
      return;
    Widget *widget = registry->take(registered);
    if (!widget)
      return;
    if (Page *page = dynamic_cast<Page *>(widget))
      addPage(page);
    else
      delete widget;
  });
  rebuildNames();
  for (uint32_t i = 0; i < m_pageNames.size(); ++i)
    if (Page *page = m_pages.get(m_pageNames[i]))
      page->setState(int(page->state()));
  return true;
}

bool PageFactory::reloadPages(const quip::Array &oldNames, const String &name,
                              const quip::Token &code) {
  trashPages(oldNames);
  emptyTrash();
  return loadPages(name, code);
}

void PageFactory::trashPage(Page *page) {
  page->finish();
  m_trash.push(page);
  CORVANE_ASSERT_TEXT_MSG(m_pages.remove(page->name()), L"m_page.remove( page->name() )",
                          String(L"Failed to remove page from table: ") + page->name().text());
  for (uint32_t i = 0; i < m_pageNames.size(); ++i) {
    if (m_pageNames[i] != page->name())
      continue;
    for (uint32_t j = i + 1; j < m_pageNames.size(); ++j)
      m_pageNames[j - 1] = m_pageNames[j];
    m_pageNames.pop();
    break;
  }
}

void PageFactory::trashPages(const quip::Array &names) {
  for (uint32_t i = 0; i < names.count(); ++i) {
    Symbol name;
    if (!names[i].get(name))
      continue;
    if (Page *page = lookup(name))
      trashPage(page);
  }
}

void PageFactory::trashAll() {
  container::Vector<Symbol> names(m_pageNames);
  for (uint32_t i = 0; i < names.size(); ++i)
    if (Page *page = lookup(names[i]))
      trashPage(page);
}

void PageFactory::emptyTrash() {
  if (m_trash.isEmpty())
    return;
  for (uint32_t i = 0; i < m_trash.size(); ++i) {
    Page *page = m_trash[i];
    if (video::Layer *layer = layerOf(*page)) {
      CORVANE_ASSERT_TEXT_MSG(layer->removeRenderable(page), L"layer.removeRenderable( page )",
                              String(L"Failed to remove page as renderable: ") +
                                  page->name().text());
      CORVANE_ASSERT_TEXT_MSG(layer->removeEventHandler(page), L"layer.removeEventHandler( page )",
                              String(L"Failed to remove page as event handler: ") +
                                  page->name().text());
    }
    delete page;
  }
  m_trash.clear();
  rebuildNames();
}

bool PageFactory::isModalPageShown() const {
  bool shown = false;
  m_pages.forEach([&](const Symbol &, Page *const &page) {
    if (isShown(*page) && page->modal())
      shown = true;
  });
  return shown;
}

bool PageFactory::isAnyPageHighlighted() const {
  bool highlighted = false;
  m_pages.forEach([&](const Symbol &, Page *const &page) {
    if (page->state() == Page::ACTIVE && page->isHighlighted())
      highlighted = true;
  });
  return highlighted;
}

void PageFactory::touchShownPages() {
  m_pages.forEach([&](const Symbol &, Page *const &page) {
    if (isShown(*page))
      page->touch();
  });
}

Widget *PageFactory::widget(Symbol pageName, Symbol widgetName) const {
  Page *page = lookup(pageName);
  return page ? page->findWidget(widgetName) : nullptr;
}

Widget *PageFactory::widgetPathed(const quip::Array &path) const {
  if (path.count() == 0)
    return nullptr;
  Symbol step;
  path[0].get(step);
  Widget *found = lookup(step);
  if (!found) {
    logLine(String(L"widgetPathed failed to find ") + step.text() + L" under ");
    return nullptr;
  }
  for (uint32_t i = 1; i < path.count(); ++i) {
    Symbol name;
    path[i].get(name);
    Widget *next = found->findWidget(name);
    if (!next) {
      logLine(String(L"widgetPathed failed to find ") + name.text() + L" under " +
              found->name().text());
      return nullptr;
    }
    found = next;
  }
  return found;
}

void PageFactory::writePageState(Page &page, file::ByteReceiver &out) const {
  file::write(page.name(), out);
  page.serialize(out);
}

bool PageFactory::readPageState(file::ByteProducer &in) {
  Symbol name;
  file::read(name, in);
  Page *page = lookup(name);
  if (!page) {
    logLine(String(L"readPageState: no page named ") + name.text());
    return false;
  }
  page->deserialize(in);
  applyLayout(*page);
  return true;
}

container::Vector<Symbol> PageFactory::openPageNames() const {
  container::Vector<Symbol> names;
  for (uint32_t i = 0; i < m_pageNames.size(); ++i)
    if (Page *page = m_pages.get(m_pageNames[i]); page && isShown(*page))
      names.push(m_pageNames[i]);
  return names;
}

void PageFactory::enterPages(const container::Vector<Symbol> &names) {
  for (uint32_t i = 0; i < names.size(); ++i)
    if (Page *page = lookup(names[i]))
      page->enter();
}

void PageFactory::exitPages(const container::Vector<Symbol> &names) {
  for (uint32_t i = 0; i < names.size(); ++i)
    if (Page *page = lookup(names[i]))
      page->exit();
}

} // namespace GUI
