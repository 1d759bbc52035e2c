#include "video/Capture.h"

#include "error/AssertHandler.h"
#include "error/Report.h"
#include "file/Database.h"
#include "file/FileStatus.h"
#include "input/Pointer.h"
#include "math/Rectangle.h"
#include "quip/Token.h"
#include "surface/JPEGLoader.h"
#include "surface/PNGLoader.h"
#include "surface/PixelBuffer.h"
#include "video/Canvas.h"
#include "video/Window.h"

namespace video {

namespace {

Capture::PointerDrawer g_pointerDrawer = nullptr;

struct Keys {
  Symbol folder = Symbol::intern(L"folder");
  Symbol base = Symbol::intern(L"base");
  Symbol frame = Symbol::intern(L"frame");
  Symbol skip = Symbol::intern(L"skip");
  Symbol showMouse = Symbol::intern(L"showMouse");
  Symbol format = Symbol::intern(L"format");
  Symbol enabled = Symbol::intern(L"enabled");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

String databaseRoot() {
  Database *database = Database::current();
  return database ? database->path() : String(L".");
}

void warn(const String &text) {
  framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, L"frameRendered", text);
}

} // namespace

void Capture::setPointerDrawer(PointerDrawer drawer) { g_pointerDrawer = drawer; }

void Capture::setEnabled(bool enabled) {
  m_enabled = enabled;
  m_skipCounter = 0;
}

void Capture::read(const quip::Dictionary &d) {
  const Keys &k = keys();
  if (const quip::Token *t = d.lookupTyped(k.folder, quip::TYPE_STRING))
    t->get(m_folder);
  if (const quip::Token *t = d.lookupTyped(k.base, quip::TYPE_STRING))
    t->get(m_base);
  if (const quip::Token *t = d.lookupTyped(k.frame, quip::TYPE_NUMBER))
    m_frame = t->toInt();
  if (const quip::Token *t = d.lookupTyped(k.skip, quip::TYPE_NUMBER))
    m_skip = t->toInt();
  if (const quip::Token *t = d.lookupTyped(k.showMouse, quip::TYPE_SYMBOL))
    m_showMouse = t->toBool();
  if (const quip::Token *t = d.lookupTyped(k.format, quip::TYPE_SYMBOL)) {
    Symbol format;
    if (t->get(format)) {
      m_suffix = format.toString();
      String kind = m_suffix;
      kind.toLower();
      if (kind == L"png")
        m_format = PNG;
      else if (kind == L"jpg" || kind == L"jpeg")
        m_format = JPEG;
    }
  }
  if (const quip::Token *t = d.lookupTyped(k.enabled, quip::TYPE_SYMBOL))
    setEnabled(t->toBool());
}

String Capture::framePath(int frame) const {
  return databaseRoot() + L"/" + m_folder + L"/" + m_base + String::format(L"%04d", frame) + L"." +
         m_suffix;
}

void Capture::frameRendered() {
  if (!m_enabled)
    return;
  if (m_skipCounter > 0) {
    --m_skipCounter;
    return;
  }
  Canvas *canvas = Canvas::instance();
  math::Vector2 size = Window::screenSize();
  math::Rectangle whole;
  whole.set(0.0f, 0.0f, size.x, size.y);
  PixelBuffer frame;
  bool read = canvas && canvas->readPixels(whole, PixelBuffer::RGB888, frame) && frame.isValid();

  String folder = databaseRoot() + L"/" + m_folder;
  if (!file::isDirectory(folder) && !file::makeDirectory(folder))
    warn(String(L"Failed to create folder to save video: ") + folder);
  String path = framePath(m_frame);
  if (m_format == PNG) {
    if (!read || !PNGLoader::savePNG(path, frame, 0))
      warn(String(L"Failed to save PNG video frame: ") + path);
  } else {
    if (!read || !JPEGLoader::saveJPEG(path, frame, 100))
      warn(String(L"Failed to save JPEG video frame: ") + path);
  }
  ++m_frame;
  m_skipCounter = m_skip;
}

void Capture::render(Canvas &canvas) {
  if (!m_enabled || !m_showMouse || !g_pointerDrawer)
    return;
  const math::Vector2i &at = framework::pointerPosition();
  g_pointerDrawer(canvas, math::Vector2(float(at.x), float(at.y)));
}

} // namespace video
