#include "ui/listboxmodel.h"

#include <QGuiApplication>
#include <QPalette>

namespace sylvane::ui {

ListBoxModel::ListBoxModel(const engine::ListBox& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), shownCount_(list.count()) {
    connect(&list, &engine::Control::changed, this, &ListBoxModel::listChanged);
    connect(&list, &engine::ListBox::entriesAboutToChange, this, &ListBoxModel::beginResetModel);
}

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownCount_;
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= list_.count())
        return {};
    const engine::ListEntry& entry = list_.entries()[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return entry.text;
    case AnnotationRole:
        return list_.annotation(index.row());
    case Qt::BackgroundRole:
        if (entry.marked)
            return QGuiApplication::palette().brush(QPalette::Highlight);
        if (index.row() == list_.currentIndex()) {
            // The current entry of a list that marks entries on its own (the value chosen
            // in single choice, the last one clicked in multiple choice): a lighter shade.
            QColor shade = QGuiApplication::palette().color(QPalette::Highlight);
            shade.setAlpha(80);
            return shade;
        }
        return {};
    case Qt::ForegroundRole:
        if (entry.marked)
            return QGuiApplication::palette().brush(QPalette::HighlightedText);
        return {};
    default:
        return {};
    }
}

void ListBoxModel::listChanged(engine::ControlChange what, int first, int last) {
    using engine::ControlChange;
    if (what == ControlChange::Entries) {
        shownCount_ = list_.count();
        endResetModel();
        return;
    }
    if (shownCount_ == 0)
        return;
    if (what == ControlChange::Rows)
        Q_EMIT dataChanged(index(first), index(last),
                           {Qt::BackgroundRole, Qt::ForegroundRole, AnnotationRole});
    else if (what == ControlChange::Current) // the marks and the shade of the current entry
        Q_EMIT dataChanged(index(0), index(shownCount_ - 1),
                           {Qt::BackgroundRole, Qt::ForegroundRole});
}

} // namespace sylvane::ui
