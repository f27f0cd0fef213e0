#include "frontends/qt/render_panel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include "frontends/qt/input_map.h"

namespace qtfe {

RenderPanel::RenderPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted: no background fill first
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void RenderPanel::ShowFrame(const gfx::Image& frame) {
  const bool valid = frame.Width > 0 && frame.Height > 0 &&
                     frame.Pixels.size() == static_cast<size_t>(frame.Width) * static_cast<size_t>(frame.Height);
  if (!valid) {
    frame_ = QImage();
  } else {
    if (frame_.width() != frame.Width || frame_.height() != frame.Height)
      frame_ = QImage(frame.Width, frame.Height, QImage::Format_RGB32);
    // RGB32 wants an opaque alpha byte; the device's alpha is not meant for the screen.
    const std::uint32_t* source = frame.Pixels.data();
    for (int y = 0; y < frame.Height; ++y) {
      auto* line = reinterpret_cast<QRgb*>(frame_.scanLine(y));
      for (int x = 0; x < frame.Width; ++x) line[x] = *source++ | 0xFF000000u;
    }
  }
  update();
}

std::uintptr_t RenderPanel::NativeWindowForDevice() {
  if (QGuiApplication::platformName() != QStringLiteral("xcb")) return 0;
  device_draws_ = true;
  setAttribute(Qt::WA_NativeWindow);
  return static_cast<std::uintptr_t>(winId());
}

void RenderPanel::paintEvent(QPaintEvent*) {
  // The device draws into the window itself: painting black here would only cover its picture.
  if (device_draws_ && frame_.isNull()) return;
  QPainter painter(this);
  if (frame_.isNull()) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  painter.drawImage(0, 0, frame_);
  // A picture smaller than the panel leaves the rest black.
  if (frame_.width() < width()) painter.fillRect(frame_.width(), 0, width() - frame_.width(), height(), Qt::black);
  if (frame_.height() < height())
    painter.fillRect(0, frame_.height(), frame_.width(), height() - frame_.height(), Qt::black);
}

void RenderPanel::ReportButton(const ButtonHandler& handler, QMouseEvent* event) {
  const auto button = MouseButtonFor(event->button());
  if (!button || !handler) return;
  const QPoint at = event->position().toPoint();
  handler(*button, ShiftStateFor(event->modifiers(), event->buttons()), at.x(), at.y());
}

void RenderPanel::mousePressEvent(QMouseEvent* event) { ReportButton(down_, event); }

void RenderPanel::mouseReleaseEvent(QMouseEvent* event) { ReportButton(up_, event); }

void RenderPanel::mouseMoveEvent(QMouseEvent* event) {
  if (!move_) return;
  const QPoint at = event->position().toPoint();
  move_(ShiftStateFor(event->modifiers(), event->buttons()), at.x(), at.y());
}

}  // namespace qtfe
