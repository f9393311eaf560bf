#pragma once

#include <QObject>

#include <functional>
#include <map>

// Every view of the program registers here, so that after a handler ran (whichever
// window it changed) all of them show the models again.
namespace sylvane::ui {

class ViewHub {
  public:
    using Refresh = std::function<void()>;

    // Registers a refresh; the owner removes it before it goes.
    static void add(QObject* owner, Refresh refresh);
    static void remove(QObject* owner);
    static void refreshAll();
};

} // namespace sylvane::ui
