#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dozorik::ui {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class Kind {
  Form,
  CheckBox,
  RadioButton,
  Edit,
  SpinEdit,
  TrackBar,
  ProgressBar,
  Gauge,
  Label,
  StatusBar,
  GroupBox,
  Panel,
  PictureButton,
  PushButton,
  StringGrid,
  StringList,
  PageControl,
  Page,
};

// The few colours the window uses. System colours follow the user's scheme.
enum class Colour { WindowText, ButtonFace, Window, Navy, Black };

struct Font {
  std::string face = "MS Sans Serif";
  int height = -11;  // 8 points at 96 dots per inch
  bool bold = false;
  Colour colour = Colour::WindowText;
};

// The font of the program's further windows, a dialog's: unlike the main
// window's bitmap face, it has every letter of the Slovak texts on a system
// of any code page.
inline Font dialogFont() {
  Font font;
  font.face = "Tahoma";
  return font;
}

enum class Cursor { Default, Hand, IBeam };

// What a realisation layer is told when the model changes, so that it can
// bring its native control in step.
enum class Property {
  Text,
  Checked,
  Position,
  Range,
  Visible,
  Enabled,
  Hint,
  Items,
  Cells,
  Panels,
  Timer,
};

class Control;

class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void changed(Control& control, Property property) = 0;
};

// A control of the window model: it holds its own state and fires its own
// events. Children are owned elsewhere (as members of the form); a control
// only keeps track of them.
class Control {
 public:
  Control(Kind kind, Control* parent, std::string name, Rect rect);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }
  Rect rect() const { return rect_; }
  // The place relative to the form's client area.
  Rect rectOnForm() const;

  // The caption of labels, boxes and the form; the text of edit boxes.
  const std::string& text() const { return text_; }
  void setText(const std::string& text);

  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  // True when a user's input can reach the control: it and every parent are
  // visible and enabled.
  bool takesInput() const;

  const std::string& hint() const { return hint_; }
  void setHint(const std::string& hint);

  // Children use their parent's font unless they have one of their own.
  Font font() const;
  void setFont(const Font& font) { font_ = font; }

  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor cursor) { cursor_ = cursor; }

  void setView(ControlView* view) { view_ = view; }

 protected:
  void notify(Property property);
  // Runs after the text really changed.
  virtual void textChanged() {}

 private:
  Kind kind_;
  Control* parent_;
  std::string name_;
  Rect rect_;
  std::vector<Control*> children_;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  std::optional<Font> font_;
  Cursor cursor_ = Cursor::Default;
  ControlView* view_ = nullptr;
};

}  // namespace dozorik::ui
