#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A scratch folder that lives for the whole fuzzing run and becomes the current
// directory, so that everything a target writes (Sylvane.ini, the work file, backups)
// stays inside it. The fuzzer is therefore given absolute corpus paths.
class FuzzFolder {
  public:
    FuzzFolder() { QDir::setCurrent(dir_.path()); }
    QString path() const { return dir_.path(); }
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString file = dir_.filePath(name);
        QFile f(file);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
        return file;
    }

  private:
    QTemporaryDir dir_;
};
