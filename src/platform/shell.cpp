#include "platform/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <utility>

namespace {

ShellOpener& opener() {
    static ShellOpener installed;
    return installed;
}

}  // namespace

void shellOpen(const QString& target) {
    if (target.isEmpty()) return;
    // Only a "scheme://" prefix makes an address; a file name may hold ":" or "#" of its own.
    const QUrl address(target, QUrl::TolerantMode);
    const bool isAddress = target.contains(QLatin1String("://")) && address.isValid() &&
                           address.scheme().size() > 1 && !address.isLocalFile();
    const QUrl url = isAddress ? address : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    if (opener()) {
        opener()(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

ShellOpener SetShellOpener(ShellOpener next) {
    return std::exchange(opener(), std::move(next));
}
