#pragma once

#include <QList>
#include <QUrl>

#include "platform/shell.h"

// Stands in for the desktop's viewers while it lives: what shellOpen hands over lands in opened, in
// order, and nothing is launched.
class RecordedShellOpens {
public:
    RecordedShellOpens() : m_previous(SetShellOpener([this](const QUrl& url) { opened.append(url); })) {}
    ~RecordedShellOpens() { SetShellOpener(m_previous); }
    RecordedShellOpens(const RecordedShellOpens&) = delete;
    RecordedShellOpens& operator=(const RecordedShellOpens&) = delete;

    QList<QUrl> opened;

private:
    ShellOpener m_previous;
};
