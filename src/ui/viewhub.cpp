#include "ui/viewhub.h"

#include <vector>

namespace sylvane::ui {

namespace {
std::map<QObject*, ViewHub::Refresh>& registry() {
    static std::map<QObject*, ViewHub::Refresh> views;
    return views;
}
} // namespace

void ViewHub::add(QObject* owner, Refresh refresh) {
    registry()[owner] = std::move(refresh);
}

void ViewHub::remove(QObject* owner) {
    registry().erase(owner);
}

void ViewHub::refreshAll() {
    // A refresh may add or remove views (a window created on first use): work on a copy.
    std::vector<QObject*> owners;
    for (const auto& [owner, refresh] : registry())
        owners.push_back(owner);
    for (QObject* owner : owners) {
        const auto it = registry().find(owner);
        if (it != registry().end())
            it->second();
    }
}

} // namespace sylvane::ui
