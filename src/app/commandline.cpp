#include "app/commandline.h"

#include <QFile>
#include <filesystem>
#include <system_error>

#include "app/boardfile.h"
#include "app/boardhost.h"

namespace {

// Whether the name is an entry of its folder, whatever kind; a link counts even when its target is gone.
// A name beyond the platform's limits is simply not found.
bool namesExistingEntry(const QString& name) {
    if (name.isEmpty()) return false;
    std::error_code error;
    const std::filesystem::path path(QFile::encodeName(name).toStdString());
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

const char kUsage[] =
    "usage: moxel [FILE.qvx ...]\n"
    "Starts the line-art editor with the board files named, each read over the one before.\n"
    "  FILE.qvx       a board file to load; other arguments are skipped\n"
    "  -h, --help     print this help and exit\n"
    "  --version      print the name and version and exit\n";

}  // namespace

QString ProgramVersion() {
    return QStringLiteral(MOXEL_VERSION);
}

std::optional<QString> CommandLineAnswer(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == u"--version") return QStringLiteral("moxel %1\n").arg(ProgramVersion());
        if (argument == u"--help" || argument == u"-h") return QString::fromUtf8(kUsage);
    }
    return std::nullopt;
}

void LoadCommandLineFiles(BoardHost& host, const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (!namesExistingEntry(argument)) continue;
        if (FileExtension(argument).compare(QLatin1String(".QVX"), Qt::CaseInsensitive) != 0) continue;
        host.SetOpenDialogFileName(argument);
        ReadBoardFile(host, argument);
    }
}
