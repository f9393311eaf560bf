#include "ui/listboxmodel.h"

#include <QGuiApplication>
#include <QPalette>

namespace sylvane::ui {

ListBoxModel::ListBoxModel(const engine::ListBox& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), shownContent_(list.contentRevision()),
      shownCount_(list.count()) {}

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
    case Qt::BackgroundRole:
        if (entry.marked)
            return QGuiApplication::palette().brush(QPalette::Highlight);
        return {};
    case Qt::ForegroundRole:
        if (entry.marked)
            return QGuiApplication::palette().brush(QPalette::HighlightedText);
        return {};
    default:
        return {};
    }
}

bool ListBoxModel::sync() {
    if (list_.contentRevision() != shownContent_ || list_.count() != shownCount_) {
        beginResetModel();
        shownContent_ = list_.contentRevision();
        shownCount_ = list_.count();
        endResetModel();
        return true;
    }
    if (shownCount_ > 0)
        Q_EMIT dataChanged(index(0), index(shownCount_ - 1),
                           {Qt::BackgroundRole, Qt::ForegroundRole});
    return false;
}

} // namespace sylvane::ui
