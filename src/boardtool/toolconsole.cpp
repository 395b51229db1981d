#include "boardtool/toolconsole.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <string>

#include "app/boardfile.h"
#include "boardtool/memoryboard.h"
#include "platform/exception.h"
#include "platform/filesnapshot.h"
#include "platform/inifile.h"

namespace {

// Why a file could not be read whole, as the user should hear it.
QString unreadableReason(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists()) return QStringLiteral("no such file");
    if (info.isDir()) return QStringLiteral("is a folder");
    if (!info.isFile()) return QStringLiteral("not a regular file");
    if (info.size() > static_cast<qint64>(IniFile::kMaxFileSize)) return QStringLiteral("larger than 1 MiB");
    return QStringLiteral("cannot be read");
}

}  // namespace

void PrintToolError(const QString& message) {
    const QByteArray line = QStringLiteral("moxel-board: %1\n").arg(message).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
}

bool WriteToolOutput(const QByteArray& bytes) {
    const std::size_t written =
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    if (written == static_cast<std::size_t>(bytes.size()) && std::fflush(stdout) == 0) return true;
    PrintToolError(QStringLiteral("cannot write to standard output"));
    return false;
}

bool LoadBoard(MemoryBoard& board, const QString& fileName) {
    if (ReadBoardFile(board, fileName)) return true;
    PrintToolError(QStringLiteral("%1: %2").arg(fileName, unreadableReason(fileName)));
    return false;
}

bool SaveBoard(const MemoryBoard& board, const QString& fileName) {
    try {
        SaveBoardFile(board, fileName);
        return true;
    } catch (const Exception&) {
        PrintToolError(QStringLiteral("%1: cannot write the board file").arg(fileName));
        return false;
    }
}

std::optional<QByteArray> ReadToolInput(const QString& fileName) {
    if (fileName == u"-") {
        QFile in;
        // One byte past the limit tells a text that is too large from one that just fits.
        constexpr qsizetype kLimit = static_cast<qsizetype>(IniFile::kMaxFileSize);
        if (in.open(stdin, QIODevice::ReadOnly)) {
            // A pipe hands its bytes over in pieces.
            QByteArray bytes;
            while (bytes.size() <= kLimit) {
                const QByteArray piece = in.read(kLimit + 1 - bytes.size());
                if (piece.isEmpty()) break;
                bytes += piece;
            }
            if (bytes.size() <= kLimit) return bytes;
            PrintToolError(QStringLiteral("%1: larger than 1 MiB").arg(ToolFileLabel(fileName)));
            return std::nullopt;
        }
        PrintToolError(QStringLiteral("%1: cannot be read").arg(ToolFileLabel(fileName)));
        return std::nullopt;
    }
    std::string bytes;
    const FileSnapshot snapshot = ReadFileSnapshot(QFile::encodeName(fileName), IniFile::kMaxFileSize, bytes);
    if (snapshot.state == FileSnapshot::State::Complete) return QByteArray::fromStdString(bytes);
    PrintToolError(QStringLiteral("%1: %2").arg(fileName, unreadableReason(fileName)));
    return std::nullopt;
}

QString ToolFileLabel(const QString& fileName) {
    return fileName == u"-" ? QStringLiteral("<stdin>") : fileName;
}

std::variant<ToolArguments, int> ParseCommandLine(const ToolCommandLine& command,
                                                  const QStringList& arguments) {
    const ToolArgumentsResult parsed = ParseToolArguments(arguments, command.options);
    const QString name = QString::fromLatin1(command.name);
    const QString seeHelp = QStringLiteral(" (see moxel-board %1 --help)").arg(name);
    if (parsed.error) {
        PrintToolError(name + QStringLiteral(": ") + *parsed.error + seeHelp);
        return kExitUsage;
    }
    if (parsed.arguments.help) return WriteToolOutput(command.usage) ? kExitSuccess : kExitFailure;
    if (parsed.arguments.positionals.size() != command.argumentCount) {
        PrintToolError(name + QStringLiteral(": expects ") + QString::fromUtf8(command.expects) + seeHelp);
        return kExitUsage;
    }
    return parsed.arguments;
}
