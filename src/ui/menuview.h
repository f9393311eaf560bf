#pragma once

#include "engine/window.h"

#include <QObject>

#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace sylvane::ui {

// The menus of a window built from its menu item models: level-0 items are menus, the
// level-1 items under them are actions. Captions, greyed and hidden states follow the
// models as they change; choosing an action is a click on its model.
class MenuView : public QObject {
    Q_OBJECT
  public:
    MenuView(engine::Window& window, const std::vector<engine::MenuItem*>& items, QMenuBar* bar);
    ~MenuView() override;

    // The action that shows an item (null if none).
    QAction* actionFor(const engine::MenuItem& item) const;

  private:
    struct Entry {
        engine::MenuItem* item;
        QAction* action;
    };
    engine::Window& window_;
    std::vector<Entry> entries_;
};

// Shows a pop-up menu of these items at the mouse and runs the chosen one's click.
void showPopupMenu(engine::Window& window, const std::vector<engine::MenuItem*>& items,
                   QWidget* parent);

} // namespace sylvane::ui
