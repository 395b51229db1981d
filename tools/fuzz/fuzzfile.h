#pragma once

#include <unistd.h>
#include <QByteArray>
#include <QDir>
#include <QString>
#include <cstdlib>
#include <string_view>

// Every target reads its input from a file, as the program does; one private folder per process holds it.
inline const QString& FuzzFolder() {
    // Never destroyed, so that the exit handler that removes the folder can still name it.
    static const QString* const folder = [] {
        QByteArray pattern = QDir::tempPath().toLocal8Bit() + "/moxel-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) std::abort();
        const QString* path = new QString(QString::fromLocal8Bit(pattern));
        std::atexit([] { QDir(FuzzFolder()).removeRecursively(); });
        return path;
    }();
    return *folder;
}

// Writes bytes to name in the private folder, replacing what was there; returns the file's path.
inline QString WriteFuzzFile(const QString& name, std::string_view bytes) {
    const QString path = FuzzFolder() + '/' + name;
    ::unlink(path.toLocal8Bit().constData());
    FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0)
        std::abort();
    return path;
}
