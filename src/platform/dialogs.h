#pragma once

#include <QString>
#include <optional>

#include "platform/color.h"

// What a file dialog asks: which kind, its title, its one filter ("Name (*.ext)"), the extension a bare
// name gets, and the name it starts with.
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString filter;
    QString defaultExt;
    QString fileName;
};

// Where the program's modal questions go: the file dialogs, the colour dialog and the yes/no box. The
// program's own answers with Qt's dialogs; tests install one that answers at once.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The chosen file name, or none when cancelled.
    virtual std::optional<QString> ChooseFile(const FileDialogRequest& request) = 0;
    // The chosen colour, or none when cancelled.
    virtual std::optional<TColor> ChooseColor(TColor initial) = 0;
    // True only for "はい(&Y)"; "いいえ(&N)", Escape and closing the box all answer no.
    virtual bool Confirm(const QString& title, const QString& text) = 0;
};

// The dialogs in use: the installed ones, or the program's own.
Dialogs& CurrentDialogs();

// Installs dialogs (nullptr: back to the program's own) and returns the ones installed before. The caller
// keeps ownership and uninstalls them before destroying them.
Dialogs* SetDialogs(Dialogs* dialogs);
