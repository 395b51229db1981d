#include "boardtool/toolconsole.h"

#include <sys/stat.h>
#include <QFile>
#include <cstdio>
#include <string>

#include "app/boardfile.h"
#include "boardtool/memoryboard.h"
#include "platform/filesnapshot.h"
#include "platform/inifile.h"

namespace {

// Control characters in a name (an escape sequence, a line break) would reach the terminal; they are shown
// as \xNN instead.
QString escapedControls(const QString& text) {
    QString shown;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            shown += QStringLiteral("\\x%1").arg(static_cast<int>(u), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

}  // namespace

QString DescribeFileProblem(FileProblem problem) {
    switch (problem) {
        case FileProblem::None:
            break;
        case FileProblem::NoSuchFile:
            return QStringLiteral("no such file");
        case FileProblem::NoSuchFolder:
            return QStringLiteral("no such folder");
        case FileProblem::IsAFolder:
            return QStringLiteral("is a folder");
        case FileProblem::NotARegularFile:
            return QStringLiteral("not a regular file");
        case FileProblem::PermissionDenied:
            return QStringLiteral("permission denied");
        case FileProblem::ReadOnlyFileSystem:
            return QStringLiteral("read-only file system");
        case FileProblem::NameTooLong:
            return QStringLiteral("name too long");
        case FileProblem::TooManyLinks:
            return QStringLiteral("too many symbolic links");
        case FileProblem::DiskFull:
            return QStringLiteral("disk full");
        case FileProblem::ChangedSinceRead:
            return QStringLiteral("changed since it was read; nothing written");
        case FileProblem::TooLarge:
            return QStringLiteral("larger than 1 MiB");
        case FileProblem::Failed:
            return QStringLiteral("the system reported an error");
    }
    return {};
}

void PrintToolError(const QString& message) {
    const QByteArray line = QStringLiteral("moxel-board: %1\n").arg(escapedControls(message)).toUtf8();
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
    const BoardFileReading reading = ReadBoardFile(board, fileName);
    if (reading.problem != FileProblem::None)
        PrintToolError(QStringLiteral("%1: %2").arg(fileName, DescribeFileProblem(reading.problem)));
    else if (!reading.hasBoard)
        PrintToolError(
            QStringLiteral("%1: not a board file (no [Setting] section with a Poru key)").arg(fileName));
    return reading.problem == FileProblem::None && reading.hasBoard;
}

bool SaveBoard(const MemoryBoard& board, const QString& fileName) {
    try {
        SaveBoardFile(board, fileName);
        return true;
    } catch (const FileWriteError& error) {
        PrintToolError(QStringLiteral("%1: cannot write the board file: %2")
                           .arg(fileName, DescribeFileProblem(error.Problem())));
        return false;
    }
}

bool MayWriteOutput(const QString& inputName, const QString& outputName, bool force) {
    struct stat output {};
    if (::stat(QFile::encodeName(outputName).constData(), &output) != 0) return true;
    struct stat input {};
    if (inputName != u"-" && ::stat(QFile::encodeName(inputName).constData(), &input) == 0 &&
        input.st_dev == output.st_dev && input.st_ino == output.st_ino) {
        PrintToolError(QStringLiteral("%1: is the file being read; choose another output").arg(outputName));
        return false;
    }
    if (force) return true;
    PrintToolError(QStringLiteral("%1: already exists; use --force to write over it").arg(outputName));
    return false;
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
    PrintToolError(QStringLiteral("%1: %2").arg(fileName, DescribeFileProblem(snapshot.problem)));
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
