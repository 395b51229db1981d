#include <QAccessible>
#include <cstdio>

#include "app/commandline.h"
#include "app/mainwindow1.h"
#include "platform/application.h"
#include "platform/firstframe.h"
#include "platform/fontconfigloader.h"
#include "platform/runtimedir.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const std::optional<QString> answer = CommandLineAnswer(arguments)) {
        const QByteArray text = answer->toUtf8();
        const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == std::size_t(text.size());
        return std::fflush(stdout) == 0 && written ? 0 : 1;
    }
    PrepareRuntimeDir();
    // Whole scale factors only: every pixel of the window stays a crisp block of equal size.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    FontConfigLoader fonts;
    Application app(argc, argv);
    // Qt connects its accessibility bridge to the session bus at the first show. Without a bus, the bus
    // library forks to look for one, and every page written before the fork faults again on its next write:
    // connected now, before the window is built, that is several hundred faults fewer.
    QAccessible::isActive();
    fonts.Wait();
    return Application::Run([] {
        TMainForm1 form;
        form.FormCreate(QApplication::arguments().mid(1));
        WatchFirstFrame(&form);
        form.show();
        QApplication::exec();
    });
}
