#pragma once

#include <QObject>
#include <QString>

#include <functional>

// Plain models of the window controls. The window logic reads and writes them; the Qt
// views show them and forward the user's events to their handlers. Setting a property
// from code never raises an event: where the logic wants a handler to run after a change
// it made, it calls the handler itself. Every change is signalled (changed()), so that a
// view repaints what changed when it changed.
namespace sylvane::engine {

// What a change signal is about.
enum class ControlChange {
    Look,    // caption, text, value, visibility, state, place, size, font, colours, range
    Entries, // the entries of a list box were added, removed or replaced
    Rows,    // entries first to last changed in place (marks, annotations)
    Current, // the current entry of a list box (and, in a single-selection list, its marks)
    Focus,   // the logic asks for the keyboard focus on a text box
};

enum class ControlKind {
    Window,
    Label,
    Button,
    CheckBox,
    OptionButton,
    TextBox,
    ListBox,
    Frame,
    MenuItem,
    ScrollBar,
    StatusBar,
};

class Control : public QObject {
    Q_OBJECT
  public:
    Control(QString name, ControlKind kind, QString caption = {});
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    ControlKind kind() const { return kind_; }

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    const QString& text() const { return text_; }
    void setText(const QString& text);

    // Check box: 0 unticked, 1 ticked. Option button: 1 selected, 0 not. Scroll bar: its
    // position.
    int value() const { return value_; }
    void setValue(int value);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Position and size in twips, relative to the container.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top);
    void setGeometry(int left, int top, int width, int height);
    void setSize(int width, int height);

    double fontSize() const { return fontSize_; }
    void setFontSize(double points);

    // Colours as blue-green-red numbers (255 red, 65535 yellow); -1 for the default.
    double backColour() const { return backColour_; }
    void setBackColour(double colour);
    double foreColour() const { return foreColour_; }
    void setForeColour(double colour);

    // The control that holds this one (a frame or a picture box), if any.
    Control* container() const { return container_; }
    void setContainer(Control* container) { container_ = container; }

    // Option buttons of one group are exclusive; check boxes and others ignore it.
    const QString& group() const { return group_; }
    void setGroup(const QString& group) { group_ = group; }

    // Scroll bar range.
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setRange(int minimum, int maximum);

    // Event handlers, set by the window logic.
    std::function<void()> onClick;
    std::function<void(int button)> onMouseDown;
    std::function<void(int keyCode)> onKeyDown;
    std::function<void()> onChange;

  Q_SIGNALS:
    // Emitted after every change; first and last name the entries for Rows.
    void changed(sylvane::engine::ControlChange what, int first = -1, int last = -1);

  protected:
    void touch(ControlChange what = ControlChange::Look, int first = -1, int last = -1) {
        Q_EMIT changed(what, first, last);
    }

  private:
    QString name_;
    ControlKind kind_;
    QString caption_;
    QString text_;
    int value_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    double fontSize_ = 0;
    double backColour_ = -1;
    double foreColour_ = -1;
    Control* container_ = nullptr;
    QString group_;
    int minimum_ = 0, maximum_ = 0;
};

// Named kinds so that a declaration says what the designer placed.
class Label : public Control {
  public:
    explicit Label(QString name, QString caption = {})
        : Control(std::move(name), ControlKind::Label, std::move(caption)) {}
};
class Button : public Control {
  public:
    explicit Button(QString name, QString caption = {})
        : Control(std::move(name), ControlKind::Button, std::move(caption)) {}
};
class CheckBox : public Control {
  public:
    explicit CheckBox(QString name, QString caption = {})
        : Control(std::move(name), ControlKind::CheckBox, std::move(caption)) {}
};
class OptionButton : public Control {
  public:
    explicit OptionButton(QString name, QString caption = {})
        : Control(std::move(name), ControlKind::OptionButton, std::move(caption)) {}
};
class TextBox : public Control {
  public:
    explicit TextBox(QString name, bool multiLine = false)
        : Control(std::move(name), ControlKind::TextBox), multiLine_(multiLine) {}
    // The form a control array uses: a single-line box holding text.
    TextBox(QString name, const QString& text)
        : Control(std::move(name), ControlKind::TextBox), multiLine_(false) {
        setText(text);
    }
    bool multiLine() const { return multiLine_; }
    // Selection asked by the logic (start, length) for when the box gets the focus.
    void select(int start, int length) {
        selectionStart_ = start;
        selectionLength_ = length;
    }
    int selectionStart() const { return selectionStart_; }
    int selectionLength() const { return selectionLength_; }
    // Asks the view to give this box the keyboard focus (with the selection above).
    void setFocus() { touch(ControlChange::Focus); }

  private:
    bool multiLine_;
    int selectionStart_ = 0;
    int selectionLength_ = 0;
};
class Frame : public Control {
  public:
    explicit Frame(QString name, QString caption = {})
        : Control(std::move(name), ControlKind::Frame, std::move(caption)) {}
};
class ScrollBar : public Control {
  public:
    // stepper: a few values taken one at a time, which the window shows as a spin box.
    explicit ScrollBar(QString name, bool stepper = false)
        : Control(std::move(name), ControlKind::ScrollBar), stepper_(stepper) {}
    bool stepper() const { return stepper_; }

  private:
    bool stepper_;
};
class StatusBar : public Control {
  public:
    explicit StatusBar(QString name) : Control(std::move(name), ControlKind::StatusBar) {}
};
class MenuItem : public Control {
  public:
    // level 0: a menu of the menu bar (or a pop-up menu); level 1: an item under it.
    MenuItem(QString name, QString caption, int level = 1)
        : Control(std::move(name), ControlKind::MenuItem, std::move(caption)), level_(level) {}
    int level() const { return level_; }
    // Items of a submenu (a control array's items are created at level 1).
    void setLevel(int level) { level_ = level; }

  private:
    int level_;
};

} // namespace sylvane::engine
