#pragma once

#include <QByteArray>
#include <QString>

namespace sylvane::ui {

// The size and place of each window between two runs, kept in a file of its own in the
// user's configuration folder (never in Sylvane.ini, which holds the program's options).
class WindowPlaces {
  public:
    explicit WindowPlaces(QString file) : file_(std::move(file)) {}

    // The file the program uses: windows.ini in the user's configuration folder.
    static QString userFile();

    // What saveGeometry gave for the window named name; empty when none was kept.
    QByteArray geometry(const QString& name) const;
    void setGeometry(const QString& name, const QByteArray& geometry);

  private:
    QString file_;
};

} // namespace sylvane::ui
