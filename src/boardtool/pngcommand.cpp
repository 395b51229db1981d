#include "boardtool/pngcommand.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPixmap>
#include <memory>

#include "app/boardhost.h"
#include "app/boardpanel.h"
#include "app/glyphs.h"
#include "boardtool/memoryboard.h"
#include "boardtool/toolarguments.h"
#include "boardtool/toolconsole.h"
#include "buttongrid/mxgradient.h"
#include "platform/filesnapshot.h"

const char kPngUsage[] =
    "usage: moxel-board png [OPTIONS] FILE.qvx OUT.png\n"
    "Renders the board as the window shows it, 542 x 272 pixels, with the file's gradient colour.\n"
    "  --style NAME   the gradient style: gstHorizontal, gstVertical, gstSquare, gstElliptic (the\n"
    "                 default), gstTopLeft, gstTopRight, gstBottomLeft, gstBottomRight,\n"
    "                 gstTopLeftDiagonal or gstTopRightDiagonal\n"
    "  --grid         the cells as raised buttons, as with the grid lines on\n"
    "  --scale N      every pixel an N x N block, N from 1 to 8\n"
    "  --force        write over an existing OUT.png (never over FILE.qvx itself)\n";

namespace {

constexpr int kMaxScale = 8;

QImage scaledUp(const QImage& image, int scale) {
    if (scale == 1) return image;
    QImage big(image.width() * scale, image.height() * scale, image.format());
    for (int y = 0; y < big.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(y / scale));
        auto* to = reinterpret_cast<QRgb*>(big.scanLine(y));
        for (int x = 0; x < big.width(); ++x) to[x] = from[x / scale];
    }
    return big;
}

FileProblem writePng(const QImage& image, const QString& fileName) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return FileProblem::Failed;
    const QByteArray path = QFile::encodeName(fileName);
    // An existing picture is replaced whole, so it need not be read first.
    FileSnapshot snapshot = ExamineFile(path);
    return ReplaceFile(path, bytes.toStdString(), snapshot);
}

}  // namespace

QImage RenderBoard(const BoardHost& board, TMxGradientStyle style, BoardLook look, int scale) {
    const std::unique_ptr<TMxButtonPanel> panel(CreateBoardPanel(nullptr));
    for (int i = 0; i < kCellCount; ++i) panel->Buttons()[i].SetCaption(board.CellCaption(i));
    panel->FillObject().Gradient().SetColor(board.BoardGradientColor());
    panel->FillObject().Gradient().SetStyle(style);
    if (look == BoardLook::GridLines) panel->SetButtonStyle(TMxUserButtonStyle::ubsAutoDetect);
    panel->ensurePolished();
    const QImage image = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return scaledUp(image, scale);
}

int RunPngCommand(const QStringList& arguments) {
    const std::variant<ToolArguments, int> parsed =
        ParseCommandLine({"png",
                          {{"--style", true}, {"--grid"}, {"--scale", true}, {"--force"}},
                          kPngUsage,
                          2,
                          "a board file and a picture file"},
                         arguments);
    if (const int* exitCode = std::get_if<int>(&parsed)) return *exitCode;
    const ToolArguments& args = std::get<ToolArguments>(parsed);

    auto style = TMxGradientStyle::gstElliptic;
    if (args.has("--style")) {
        const QString name = args.value("--style");
        int ordinal = 0;
        while (ordinal < kMxGradientStyleCount &&
               name != QLatin1String(MxGradientStyleName(static_cast<TMxGradientStyle>(ordinal))))
            ++ordinal;
        if (ordinal == kMxGradientStyleCount) {
            PrintToolError(
                QStringLiteral("png: unknown gradient style '%1' (see moxel-board png --help)").arg(name));
            return kExitUsage;
        }
        style = static_cast<TMxGradientStyle>(ordinal);
    }
    int scale = 1;
    if (args.has("--scale")) {
        bool ok = false;
        scale = args.value("--scale").toInt(&ok);
        if (!ok || scale < 1 || scale > kMaxScale) {
            PrintToolError(
                QStringLiteral("png: the scale must be a whole number from 1 to %1").arg(kMaxScale));
            return kExitUsage;
        }
    }
    const BoardLook look = args.has("--grid") ? BoardLook::GridLines : BoardLook::Flat;

    if (!MayWriteOutput(args.positionals[0], args.positionals[1], args.has("--force"))) return kExitFailure;
    MemoryBoard board;
    if (!LoadBoard(board, args.positionals[0])) return kExitFailure;
    // --scale is the one way to enlarge the picture; a display scale from the environment would be a second.
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    int argc = 1;
    char name[] = "moxel-board";
    char* argv[] = {name, nullptr};
    const QApplication app(argc, argv);
    const QImage image = RenderBoard(board, style, look, scale);
    const FileProblem problem = image.isNull() ? FileProblem::Failed : writePng(image, args.positionals[1]);
    if (problem == FileProblem::None) return kExitSuccess;
    PrintToolError(QStringLiteral("%1: cannot write the picture: %2")
                       .arg(args.positionals[1], DescribeFileProblem(problem)));
    return kExitFailure;
}
