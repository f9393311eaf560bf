#pragma once

#include <QString>
#include <QVariant>

namespace sylvane::ui {

// A file of the user's configuration in the INI form of QSettings, read as QSettings
// reads it but written only through core::replaceFileContents: never through a link at
// its name (the link is replaced, the file it points to left alone), never half-written,
// its folder made when missing.
class UserIniFile {
  public:
    explicit UserIniFile(QString path) : path_(std::move(path)) {}

    QVariant value(const QString& key, const QVariant& fallback = {}) const;
    // Sets key to value and rewrites the file. False when the file could not be written;
    // it is then as it was.
    bool setValue(const QString& key, const QVariant& value) const;

  private:
    QString path_;
};

} // namespace sylvane::ui
