#pragma once

#include <QString>

#include "platform/dialogs.h"

// An open or save dialog as the stored layout sets it up. It remembers the name last chosen in it and
// starts there the next time.
class TFileDialog {
public:
    using Kind = FileDialogRequest::Kind;

    explicit TFileDialog(Kind kind) : m_kind(kind) {}

    Kind DialogKind() const { return m_kind; }
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& value) { m_title = value; }
    const QString& Filter() const { return m_filter; }
    void SetFilter(const QString& value) { m_filter = value; }
    // Without the dot: "qvx".
    const QString& DefaultExt() const { return m_defaultExt; }
    void SetDefaultExt(const QString& value) { m_defaultExt = value; }
    const QString& FileName() const { return m_fileName; }
    void SetFileName(const QString& value) { m_fileName = value; }

    // Shows the dialog. True when the user chose a name, which FileName then holds (a name typed without
    // an extension gets DefaultExt); false when cancelled, FileName unchanged.
    bool Execute();

private:
    Kind m_kind;
    QString m_title;
    QString m_filter;
    QString m_defaultExt;
    QString m_fileName;
};
