#pragma once

// Whole-file reads and writes for the tests that compare files byte for byte.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>

namespace sylvane::testing {

// The file's bytes, or whenAbsent when it cannot be read.
inline QByteArray readBytes(const QString& path, const QByteArray& whenAbsent = {}) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : whenAbsent;
}

// Writes the whole file, making its folder; a failure fails the running test.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace sylvane::testing
