#include "ui/menuview.h"

#include "engine/userinput.h"
#include "ui/mnemonics.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>

#include <map>

namespace sylvane::ui {

namespace {

void showItem(QAction* action, const engine::MenuItem& item, const QString& mnemonicCaption,
              int mnemonic) {
    action->setText(item.caption() == mnemonicCaption ? withMnemonic(item.caption(), mnemonic)
                                                      : item.caption());
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
// command of the bar itself; an item with deeper items after it opens a submenu. Each
// menu gets its mnemonics from its items' captions as they are at the start.
MenuView::MenuView(engine::Window& window, const std::vector<engine::MenuItem*>& items,
                   QMenuBar* bar)
    : QObject(bar), window_(window) {
    std::vector<QMenu*> open; // open[level] receives the items of level + 1
    std::map<QObject*, std::vector<std::size_t>> siblings; // entries by the menu holding them
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
        siblings[level == 0 ? static_cast<QObject*>(bar) : open[level - 1]].push_back(
            entries_.size());
        entries_.push_back({item, action});
    }
    for (const auto& [menu, members] : siblings) {
        QStringList captions;
        for (const std::size_t i : members)
            captions.append(entries_[i].item->caption());
        const QList<int> positions = mnemonicPositions(captions);
        for (std::size_t k = 0; k < members.size(); ++k) {
            Entry& entry = entries_[members[k]];
            const QString caption = entry.item->caption();
            const int mnemonic = positions[static_cast<qsizetype>(k)];
            showItem(entry.action, *entry.item, caption, mnemonic);
            connect(entry.item, &engine::Control::changed, entry.action,
                    [action = entry.action, item = entry.item, caption, mnemonic] {
                        showItem(action, *item, caption, mnemonic);
                    });
        }
    }
}

MenuView::~MenuView() = default;

QAction* MenuView::actionFor(const engine::MenuItem& item) const {
    for (const Entry& entry : entries_)
        if (entry.item == &item)
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
        showItem(action, *item, {}, -1);
        actions.emplace_back(action, item);
    }
    // The chosen item's click runs once the menu has closed.
    const QAction* chosen = menu.exec(QCursor::pos());
    for (const auto& [action, item] : actions)
        if (action == chosen)
            engine::userClick(window, *item);
}

} // namespace sylvane::ui
