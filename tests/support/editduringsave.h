#pragma once

#include <QByteArray>
#include <QFile>
#include <cstdio>

#include "platform/filesnapshot.h"

// While it lives, another program saves the file in the moment between the flush of a save's new content
// and its replacement of the file: in place, or (byRename) as a new file renamed over it.
class EditDuringSave {
public:
    EditDuringSave(const QByteArray& theirs, bool byRename)
        : m_previous(SetReplaceSeam([theirs, byRename](const QByteArray& target) {
              const QByteArray written = byRename ? target + ".theirs" : target;
              QFile file(QFile::decodeName(written));
              if (file.open(QIODevice::WriteOnly)) file.write(theirs);
              file.close();
              if (byRename) std::rename(written.constData(), target.constData());
          })) {}
    ~EditDuringSave() { SetReplaceSeam(m_previous); }
    EditDuringSave(const EditDuringSave&) = delete;
    EditDuringSave& operator=(const EditDuringSave&) = delete;

private:
    ReplaceSeam m_previous;
};
