// Renders the main window, one of its controls, or a stand-alone widget offscreen into a PNG.
//
//   moxel-snapshot OUT.png                 the whole main window
//   moxel-snapshot OUT.png NAME            the main window's control with that object name
//   moxel-snapshot OUT.png --make WIDGET   a widget built on its own (see kFactories)
//   moxel-snapshot OUT.png --make palette:K:ANGLE:SIZE   palette label K at one angle and font size
//   moxel-snapshot OUT.png --open FILE...  the main window started with these board files

#include <QApplication>
#include <QPixmap>
#include <QTextStream>
#include <functional>
#include <map>
#include <memory>

#include "app/boardpanel.h"
#include "app/mainwindow1.h"
#include "labelsamples.h"
#include "platform/graphiccontrol.h"
#include "platform/runtimedir.h"
#include "widgetsamples.h"

namespace {

using Factory = std::function<std::unique_ptr<QWidget>()>;

// The board with a small drawing in it, so the captions show in both font sizes.
std::unique_ptr<QWidget> makeBoard(TMxUserButtonStyle look, TMxGradientStyle shape) {
    std::unique_ptr<TMxButtonPanel> board(CreateBoardPanel(nullptr));
    const QStringList rows = {
        QStringLiteral("┏━━━━┳━━━━┓"), QStringLiteral("┃　　　　┃　　　　┃"),
        QStringLiteral("┣━━━━╋━━━━┫"), QStringLiteral("┃　　　　┃　　　　┃"),
        QStringLiteral("┗━━━━┻━━━━┛"),
    };
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            board->Buttons()[(1 + r) * 30 + 2 + c].SetCaption(rows[r].mid(c, 1));
            board->Buttons()[(10 + r) * 30 + 16 + c].SetCaption(rows[r].mid(c, 1));
        }
    }
    board->SetButtonStyle(look);
    board->FillObject().Gradient().SetStyle(shape);
    return board;
}

std::unique_ptr<QWidget> makeBoardStyle(int shape) {
    return makeBoard(TMxUserButtonStyle::ubsExplorer, static_cast<TMxGradientStyle>(shape));
}

const std::map<QString, Factory>& factories() {
    static const std::map<QString, Factory> kFactories = [] {
        std::map<QString, Factory> all = {
            {"mainform", [] { return std::make_unique<TMainForm1>(); }},
            {"board",
             [] { return makeBoard(TMxUserButtonStyle::ubsExplorer, TMxGradientStyle::gstElliptic); }},
            {"board-grid",
             [] { return makeBoard(TMxUserButtonStyle::ubsAutoDetect, TMxGradientStyle::gstElliptic); }},
            {"board-style0", [] { return makeBoardStyle(0); }},
            {"board-style1", [] { return makeBoardStyle(1); }},
            {"board-style2", [] { return makeBoardStyle(2); }},
            {"board-style3", [] { return makeBoardStyle(3); }},
            {"board-style4", [] { return makeBoardStyle(4); }},
            {"board-style5", [] { return makeBoardStyle(5); }},
            {"board-style6", [] { return makeBoardStyle(6); }},
            {"board-style7", [] { return makeBoardStyle(7); }},
            {"board-style8", [] { return makeBoardStyle(8); }},
            {"board-style9", [] { return makeBoardStyle(9); }},
            {"palette-sweep", [] { return makePaletteSweep(); }},
            {"label-styles", [] { return makeLabelStyles(); }},
            {"text-labels", [] { return makeTextLabels(); }},
            {"hint-fukidashi", [] { return makeHint(0); }},
            {"hint-roundrect", [] { return makeHint(1); }},
            {"hint-linestring", [] { return makeHint(2); }},
            {"hint-ownerdraw", [] { return makeHint(3); }},
        };
        all.merge(WidgetSamples());
        return all;
    }();
    return kFactories;
}

int usage() {
    QTextStream err(stderr);
    err << "usage: moxel-snapshot OUT.png [OBJECTNAME | --make WIDGET | --open FILE...]\nwidgets:";
    for (const auto& [name, make] : factories()) err << ' ' << name;
    err << '\n';
    return 2;
}

bool save(QWidget& widget, const QString& path, const QRect& area = QRect(QPoint(0, 0), QSize(-1, -1))) {
    widget.ensurePolished();
    const QPixmap shot = widget.grab(area);
    if (shot.isNull() || !shot.save(path, "PNG")) {
        QTextStream(stderr) << "moxel-snapshot: cannot write " << path << '\n';
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareRuntimeDir();
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty()) return usage();
    const QString out = args[0];
    // An option where the picture's name belongs ("--help") would otherwise become a file of that name.
    if (out.startsWith(u'-')) return usage();

    if (args.size() >= 3 && args[1] == "--open") {
        TMainForm1 form;
        form.FormCreate(args.mid(2));
        form.show();
        return save(form, out) ? 0 : 1;
    }
    if (args.size() > 3) return usage();

    if (args.size() == 3) {
        if (args[1] != "--make") return usage();
        std::unique_ptr<QWidget> widget;
        const QStringList palette = args[2].split(u':');
        if (palette.size() == 4 && palette[0] == "palette") {
            widget = makePaletteLabel(palette[1].toInt(), palette[2].toInt(), palette[3].toInt());
        } else {
            const auto it = factories().find(args[2]);
            if (it == factories().end()) return usage();
            widget = it->second();
        }
        widget->show();
        return save(*widget, out) ? 0 : 1;
    }

    TMainForm1 form;
    form.show();
    if (args.size() == 1) return save(form, out) ? 0 : 1;
    if (QWidget* target = form.findChild<QWidget*>(args[1])) return save(*target, out) ? 0 : 1;
    // A graphic control is shown by the parent whose surface it draws on.
    if (const auto* graphic = form.findChild<TGraphicControl*>(args[1]))
        return save(*graphic->Parent(), out, graphic->geometry()) ? 0 : 1;
    QTextStream(stderr) << "moxel-snapshot: no control named " << args[1] << '\n';
    return 1;
}
