#include "platform/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>

namespace {

// Icons and types by name alone. Telling a file's type by its content means reading it, and reading a
// device such as /proc/kmsg never returns: the dialog would wait for it for good when it closes.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QStringLiteral("Folder");
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
    }
};

// Qt's dialogs, parented to the active window so they stay above it.
class QtDialogs : public Dialogs {
public:
    std::optional<QString> ChooseFile(const FileDialogRequest& request) override {
        QFileDialog dialog(QApplication::activeWindow(), request.title);
        // Before the dialog is shown, so that no entry is ever typed by another provider.
        static NameOnlyIconProvider icons;
        dialog.setIconProvider(&icons);
        dialog.setNameFilter(request.filter);
        dialog.setDefaultSuffix(request.defaultExt);
        if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
        if (request.kind == FileDialogRequest::Kind::Save) {
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            // An existing file is replaced without asking.
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        } else {
            // A name that does not exist yet may be typed.
            dialog.setFileMode(QFileDialog::AnyFile);
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    std::optional<TColor> ChooseColor(TColor initial) override {
        const QColor chosen =
            QColorDialog::getColor(QColor::fromRgb(ToQRgb(initial)), QApplication::activeWindow());
        if (!chosen.isValid()) return std::nullopt;
        return FromQRgb(chosen.rgb());
    }

    bool Confirm(const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton,
                        QApplication::activeWindow());
        QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }
};

Dialogs* g_installed = nullptr;

}  // namespace

Dialogs& CurrentDialogs() {
    static QtDialogs own;
    return g_installed != nullptr ? *g_installed : own;
}

Dialogs* SetDialogs(Dialogs* dialogs) {
    Dialogs* previous = g_installed;
    g_installed = dialogs;
    return previous;
}
