#include "ui/windowplaces.h"

#include "ui/userinifile.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

QString WindowPlaces::userFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Sylvane/windows.ini"_s;
}

QByteArray WindowPlaces::geometry(const QString& name) const {
    return UserIniFile(file_).value(name + u"/geometry"_s).toByteArray();
}

void WindowPlaces::setGeometry(const QString& name, const QByteArray& geometry) {
    UserIniFile(file_).setValue(name + u"/geometry"_s, geometry);
}

} // namespace sylvane::ui
