#pragma once
// The component layer: plain objects with the state the logic reads and writes and the events it
// raises. A front end (Qt widgets, or the headless driver) mirrors them and feeds events in; the logic
// never knows which one runs it.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/keys.h"

namespace ui {

class Component;
using NotifyEvent = std::function<void(Component* sender)>;

// A form's member handler as an event: how forms connect their components' events to their methods.
template <class Owner>
NotifyEvent Handler(Owner* owner, void (Owner::*handler)(Component*)) {
  return [owner, handler](Component* sender) { (owner->*handler)(sender); };
}

class Component {
 public:
  explicit Component(std::string name) : Name(std::move(name)) {}
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  std::string Name;
};

// A visible control: position and size relative to its parent's client area.
class Control : public Component {
 public:
  using Component::Component;
  Control* Parent = nullptr;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  bool Enabled = true;
  // Bumped by Invalidate: tells a front end that content it cannot compare cheaply has changed.
  unsigned Revision = 0;

  void SetBounds(int left, int top, int width, int height) {
    Left = left, Top = top, Width = width, Height = height;
  }
  void Invalidate() { ++Revision; }
};

using MouseEvent = std::function<void(Component* sender, MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Component* sender, ShiftState shift, int x, int y)>;
using KeyEvent = std::function<void(Component* sender, KeyCode& key, ShiftState shift)>;
using WheelEvent = std::function<void(Component* sender, ShiftState shift, int x, int y, bool& handled)>;

class Panel : public Control {
 public:
  using Control::Control;
  std::string Caption;
  MouseEvent OnMouseDown, OnMouseUp;
  MouseMoveEvent OnMouseMove;
};

class Label : public Control {
 public:
  using Control::Control;
  std::string Caption;
};

class Memo : public Control {
 public:
  using Control::Control;
  std::vector<std::string> Lines;
};

struct StatusPanel {
  int Width = 50;
  std::string Text;
};

class StatusBar : public Control {
 public:
  using Control::Control;
  std::vector<StatusPanel> Panels;
};

class Edit : public Control {
 public:
  using Control::Control;
  std::string Text;
};

class Button : public Control {
 public:
  using Control::Control;
  std::string Caption;
  int Tag = 0;
  NotifyEvent OnClick;
};

// A table of texts, Cells[column][row], with fixed (heading) columns and rows at the top left.
class StringGrid : public Control {
 public:
  using Control::Control;
  int FixedCols = 1, FixedRows = 1;
  int DefaultColWidth = 64, DefaultRowHeight = 24;
  int ColCount() const { return static_cast<int>(cells_.size()); }
  int RowCount() const { return cells_.empty() ? 0 : static_cast<int>(cells_[0].size()); }
  void SetSize(int cols, int rows);
  // Out-of-range cells read as "" and ignore writes, as the window system's grid does.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);

 private:
  std::vector<std::vector<std::string>> cells_;
};

class TabSheet : public Control {
 public:
  using Control::Control;
  std::string Caption;
};

class PageControl : public Control {
 public:
  using Control::Control;
  std::vector<TabSheet*> Pages;
  int ActivePageIndex = 0;
};

class MenuItem : public Component {
 public:
  MenuItem(std::string name, std::string caption, ShortCut shortcut = 0)
      : Component(std::move(name)), Caption(std::move(caption)), Shortcut(shortcut) {}
  std::string Caption;  // "-" is a separator
  ShortCut Shortcut = 0;
  bool Checked = false;
  bool Visible = true;
  bool Enabled = true;
  NotifyEvent OnClick;
  std::vector<MenuItem*> Items;

  bool IsSeparator() const { return Caption == "-"; }
  // Runs the handler when the item is enabled; a click on a disabled item does nothing.
  void Click();
};

class MainMenu : public Component {
 public:
  using Component::Component;
  std::vector<MenuItem*> Items;
  unsigned Revision = 0;  // bumped when a front end must rebuild its menu bar

  // Finds the enabled item with this shortcut, looking into a sub-menu only while its parent is
  // enabled, and clicks it. Hidden items still answer their shortcuts. True when one was found.
  bool DispatchShortCut(ShortCut shortcut);
};

class Action : public Component {
 public:
  using Component::Component;
  NotifyEvent OnExecute;
  void Execute() {
    if (OnExecute) OnExecute(this);
  }
};

class Timer : public Component {
 public:
  using Component::Component;
  unsigned Interval = 1000;
  bool Enabled = true;
  NotifyEvent OnTimer;
  void Tick() {
    if (Enabled && OnTimer) OnTimer(this);
  }
};

// A top-level window. Its components register themselves so a driver can find them by name.
class Form : public Control {
 public:
  explicit Form(std::string name) : Control(std::move(name)) { Visible = false; }
  std::string Caption;
  int ClientWidth = 0, ClientHeight = 0;
  bool KeyPreview = false;
  bool BorderIcons = true;  // system menu, minimise, maximise and close box
  bool Resizable = true;
  NotifyEvent OnCreate, OnShow, OnClose;
  KeyEvent OnKeyUp;
  WheelEvent OnMouseWheelDown, OnMouseWheelUp;

  void Register(Component& c) { components_[c.Name] = &c; }
  Component* FindComponent(const std::string& name) const;
  template <class T>
  T* Find(const std::string& name) const {
    return dynamic_cast<T*>(FindComponent(name));
  }
  const std::map<std::string, Component*>& Components() const { return components_; }

  void Show();
  void Hide() { Visible = false; }
  // Closes the window; the front end ends its loop once the main window is closed.
  void Close();
  bool Closed() const { return closed_; }

 private:
  std::map<std::string, Component*> components_;
  bool closed_ = false;
};

}  // namespace ui
