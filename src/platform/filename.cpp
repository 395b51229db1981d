#include "platform/filename.h"

QString FileExtension(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0 || dot < fileName.lastIndexOf(u'/')) return QString();
    return fileName.mid(dot);
}
