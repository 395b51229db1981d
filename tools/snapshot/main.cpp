// Renders the main window, one of its controls, or a stand-alone widget offscreen into a PNG.
//
//   moxel-snapshot OUT.png                 the whole main window
//   moxel-snapshot OUT.png NAME            the main window's control with that object name
//   moxel-snapshot OUT.png --make WIDGET   a widget built on its own (see kFactories)

#include <QApplication>
#include <QPixmap>
#include <QTextStream>
#include <functional>
#include <map>
#include <memory>

#include "app/mainwindow1.h"

namespace {

using Factory = std::function<std::unique_ptr<QWidget>()>;

const std::map<QString, Factory>& factories() {
    static const std::map<QString, Factory> kFactories = {
        {"mainform", [] { return std::make_unique<TMainForm1>(); }},
    };
    return kFactories;
}

int usage() {
    QTextStream err(stderr);
    err << "usage: moxel-snapshot OUT.png [OBJECTNAME | --make WIDGET]\nwidgets:";
    for (const auto& [name, make] : factories()) err << ' ' << name;
    err << '\n';
    return 2;
}

bool save(QWidget& widget, const QString& path) {
    widget.ensurePolished();
    const QPixmap shot = widget.grab();
    if (shot.isNull() || !shot.save(path, "PNG")) {
        QTextStream(stderr) << "moxel-snapshot: cannot write " << path << '\n';
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty() || args.size() > 3) return usage();
    const QString out = args[0];

    if (args.size() == 3) {
        if (args[1] != "--make") return usage();
        const auto it = factories().find(args[2]);
        if (it == factories().end()) return usage();
        std::unique_ptr<QWidget> widget = it->second();
        widget->show();
        return save(*widget, out) ? 0 : 1;
    }

    TMainForm1 form;
    form.show();
    QWidget* target = &form;
    if (args.size() == 2) {
        target = form.findChild<QWidget*>(args[1]);
        if (!target) {
            QTextStream(stderr) << "moxel-snapshot: no control named " << args[1] << '\n';
            return 1;
        }
    }
    return save(*target, out) ? 0 : 1;
}
