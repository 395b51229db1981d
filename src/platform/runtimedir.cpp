#include "platform/runtimedir.h"

#include <QByteArray>
#include <QDir>
#include <sys/stat.h>
#include <unistd.h>

void PrepareRuntimeDir() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
    ::mkdir(dir.constData(), 0700);
    struct stat st {};
    // A folder someone else made, or one others may enter, is not ours to use: Qt then says so itself.
    if (::lstat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() ||
        (st.st_mode & 0777) != 0700)
        return;
    qputenv("XDG_RUNTIME_DIR", dir);
}
