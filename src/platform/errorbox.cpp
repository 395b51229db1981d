#include "platform/errorbox.h"

#include <QMessageBox>
#include <exception>
#include <utility>

#include "platform/exception.h"

namespace {

const QString kCaption = QStringLiteral("ポルポルMoxel!");

ErrorPresenter& presenter() {
    static ErrorPresenter installed;
    return installed;
}

}  // namespace

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(const QString& message) {
    const QString text = ErrorBoxText(message);
    if (presenter()) {
        presenter()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, kCaption, text, QMessageBox::Ok);
    box.exec();
}

void ShowMessage(const QString& message) {
    if (presenter()) {
        presenter()(message);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kCaption, message, QMessageBox::Ok);
    box.exec();
}

void ShowCurrentException() {
    try {
        throw;
    } catch (const Exception& e) {
        ShowErrorBox(e.Message());
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowErrorBox(QString());
    }
}

ErrorPresenter SetErrorPresenter(ErrorPresenter next) {
    return std::exchange(presenter(), std::move(next));
}
