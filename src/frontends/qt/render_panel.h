#pragma once
// The rendering panel: shows the last frame the device presented and reports the mouse over it.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "platform/gfx/image.h"
#include "platform/ui/keys.h"

namespace qtfe {

class RenderPanel final : public QWidget {
 public:
  using ButtonHandler = std::function<void(ui::MouseButton button, ui::ShiftState shift, int x, int y)>;
  using MoveHandler = std::function<void(ui::ShiftState shift, int x, int y)>;

  explicit RenderPanel(QWidget* parent);

  void OnMouseDown(ButtonHandler handler) { down_ = std::move(handler); }
  void OnMouseUp(ButtonHandler handler) { up_ = std::move(handler); }
  void OnMouseMove(MoveHandler handler) { move_ = std::move(handler); }

  // Takes a copy of the picture and repaints. A picture whose pixel count does not match its size
  // shows as no picture.
  void ShowFrame(const gfx::Image& frame);
  const QImage& Frame() const { return frame_; }

  // The panel's own X11 window, for a device that draws into it directly; from then on the panel
  // paints only pictures handed to it. 0 outside X11.
  std::uintptr_t NativeWindowForDevice();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ReportButton(const ButtonHandler& handler, QMouseEvent* event);

  QImage frame_;
  bool device_draws_ = false;
  ButtonHandler down_, up_;
  MoveHandler move_;
};

}  // namespace qtfe
