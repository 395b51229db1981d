#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Hands target to the desktop's default viewer: an address with a scheme ("http://…") goes to the
// browser, anything else is a local file (a relative name is taken from the current folder). The target
// travels as one URL, never as a command line built from strings, and the result is ignored.
void shellOpen(const QString& target);

// What shellOpen hands the URL to, so that tests can record instead of launching a viewer. An empty
// opener stands for the desktop's own. Returns the opener installed before.
using ShellOpener = std::function<void(const QUrl& url)>;
ShellOpener SetShellOpener(ShellOpener opener);
