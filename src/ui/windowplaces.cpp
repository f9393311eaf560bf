#include "ui/windowplaces.h"

#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

QString WindowPlaces::userFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Sylvane/windows.ini"_s;
}

QByteArray WindowPlaces::geometry(const QString& name) const {
    const QSettings settings(file_, QSettings::IniFormat);
    return settings.value(name + u"/geometry"_s).toByteArray();
}

void WindowPlaces::setGeometry(const QString& name, const QByteArray& geometry) {
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(name + u"/geometry"_s, geometry);
}

} // namespace sylvane::ui
