#pragma once

#include <QFile>

#include "platform/filesnapshot.h"

// While it lives, another program writes theirs into the file between a save's flush and its replacement.
struct EditDuringSave {
    explicit EditDuringSave(const QByteArray& theirs)
        : previous(SetReplaceSeam([theirs](const QByteArray& target) {
              QFile file(QFile::decodeName(target));
              if (file.open(QIODevice::WriteOnly)) file.write(theirs);
          })) {}
    ~EditDuringSave() { SetReplaceSeam(previous); }
    EditDuringSave(const EditDuringSave&) = delete;
    ReplaceSeam previous;
};
