#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

#include "app/commandline.h"
#include "boardtool/importcommand.h"
#include "boardtool/joincommand.h"
#include "boardtool/pngcommand.h"
#include "boardtool/textcommand.h"
#include "boardtool/toolarguments.h"
#include "boardtool/toolconsole.h"
#include "platform/runtimedir.h"

namespace {

const char kUsage[] =
    "usage: moxel-board COMMAND [OPTIONS] ARGUMENTS\n"
    "Works on board files (.qvx) without the window.\n"
    "  text FILE.qvx             print the board as text\n"
    "  png FILE.qvx OUT.png      render the board as the window shows it\n"
    "  import TEXT OUT.qvx       turn text (- for standard input) into a new board file\n"
    "  join FILE.qvx             repair the junctions of the board's lines\n"
    "moxel-board COMMAND --help tells more; moxel-board --version prints the version.\n";

struct Command {
    const char* name;
    int (*run)(const QStringList&);
};

constexpr std::array<Command, 4> kCommands{{
    {"text", RunTextCommand},
    {"png", RunPngCommand},
    {"import", RunImportCommand},
    {"join", RunJoinCommand},
}};

// The tool reports its own errors in one line each; Qt's diagnostics would only add noise.
void dropQtMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareRuntimeDir();
    qInstallMessageHandler(dropQtMessage);

    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    if (arguments.isEmpty()) {
        PrintToolError(QStringLiteral("no command given (see moxel-board --help)"));
        return kExitUsage;
    }
    const QString name = arguments.takeFirst();
    if (name == u"-h" || name == u"--help") return WriteToolOutput(kUsage) ? kExitSuccess : kExitFailure;
    if (name == u"--version")
        return WriteToolOutput(QStringLiteral("moxel-board %1\n").arg(ProgramVersion()).toUtf8())
                   ? kExitSuccess
                   : kExitFailure;
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name)) return command.run(arguments);
    }
    PrintToolError(QStringLiteral("unknown command '%1' (see moxel-board --help)").arg(name));
    return kExitUsage;
}
