#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Test files written and read whole. Writing says whether every byte landed, for the caller to assert.
inline bool WriteWholeFile(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Empty when the file cannot be read.
inline QByteArray ReadWholeFile(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
