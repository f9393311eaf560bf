#pragma once

#include "engine/window.h"
#include "ui/vbinput.h"

#include <QListView>

namespace sylvane::ui {

class ListBoxModel;

// A list box on screen. Its rows are read from the model; the view's own selection is
// never used. The mouse and the keyboard reach the list's handlers as in the driver:
// a press is the list's mouse-down event, then for the left button a click on the entry;
// the list does not scroll under the pointer before the release.
// The keyboard cursor (the entry with the focus frame) follows the list's current entry;
// Up, Down, Page Up, Page Down, Home and End move it (and, in a single-selection list,
// click the new entry, as the list box always did); Space and Enter click the entry
// under it, as the mouse would; Shift reaches the list's handlers only pressed and
// released alone. A list with the focus and no entry under its cursor in sight (an empty
// one) shows the focus around its whole area.
class ListBoxView : public QListView {
    Q_OBJECT
  public:
    ListBoxView(engine::Window& window, engine::ListBox& list, QWidget* parent = nullptr);

    engine::ListBox& list() { return list_; }

    // Long entries take as many lines as the list's width asks (no horizontal scrolling).
    void setWrapping(bool wrapping);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    void listChanged(engine::ControlChange what);
    void press(QMouseEvent* event);
    // The entry the keyboard keys lead to from the cursor; -1 when key is no moving key.
    int moveTarget(int qtKey) const;
    void clickEntry(int row);

    engine::Window& window_;
    engine::ListBox& list_;
    ListBoxModel* model_;
    LoneShift shift_;
};

} // namespace sylvane::ui
