#include "ui/menuview.h"

#include "engine/userinput.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>

namespace sylvane::ui {

namespace {

void showItem(QAction* action, const engine::MenuItem& item) {
    action->setText(item.caption());
    action->setEnabled(item.enabled());
    action->setVisible(item.visible());
}

void connectClick(QAction* action, engine::Window& window, engine::MenuItem& item,
                  QObject* context) {
    QObject::connect(action, &QAction::triggered, context,
                     [&window, &item] { engine::userClick(window, item); });
}

} // namespace

// Items come in menu-bar order, each with its level: 0 for a menu of the bar, 1 for an
// item under it, 2 for an item of a submenu. A level-0 item with nothing under it is a
// command of the bar itself; an item with deeper items after it opens a submenu.
MenuView::MenuView(engine::Window& window, const std::vector<engine::MenuItem*>& items,
                   QMenuBar* bar)
    : QObject(bar), window_(window) {
    std::vector<QMenu*> open; // open[level] receives the items of level + 1
    for (std::size_t i = 0; i < items.size(); ++i) {
        engine::MenuItem* item = items[i];
        const int level = item->level();
        const bool hasChildren = i + 1 < items.size() && items[i + 1]->level() > level;
        if (level < 0 || level > static_cast<int>(open.size()))
            continue;
        open.resize(static_cast<std::size_t>(level));
        QAction* action = nullptr;
        if (hasChildren) {
            QMenu* menu =
                level == 0 ? bar->addMenu(item->caption()) : open.back()->addMenu(item->caption());
            action = menu->menuAction();
            open.push_back(menu);
        } else {
            action = level == 0 ? bar->addAction(item->caption())
                                : open.back()->addAction(item->caption());
            connectClick(action, window_, *item, this);
        }
        action->setObjectName(item->name());
        showItem(action, *item);
        connect(item, &engine::Control::changed, action,
                [action, item] { showItem(action, *item); });
        entries_.push_back({item, action});
    }
}

MenuView::~MenuView() = default;

QAction* MenuView::actionFor(const QString& name) const {
    for (const Entry& entry : entries_)
        if (entry.item->name() == name)
            return entry.action;
    return nullptr;
}

void showPopupMenu(engine::Window& window, const std::vector<engine::MenuItem*>& items,
                   QWidget* parent) {
    QMenu menu(parent);
    std::vector<std::pair<QAction*, engine::MenuItem*>> actions;
    for (engine::MenuItem* item : items) {
        QAction* action = menu.addAction(item->caption());
        action->setObjectName(item->name());
        showItem(action, *item);
        actions.emplace_back(action, item);
    }
    // The chosen item's click runs once the menu has closed.
    const QAction* chosen = menu.exec(QCursor::pos());
    for (const auto& [action, item] : actions)
        if (action == chosen)
            engine::userClick(window, *item);
}

} // namespace sylvane::ui
