#include "app/mainwindow1.h"
#include "platform/application.h"
#include "platform/firstframe.h"
#include "platform/fontconfigloader.h"
#include "platform/runtimedir.h"

int main(int argc, char** argv) {
    PrepareRuntimeDir();
    // Whole scale factors only: every pixel of the window stays a crisp block of equal size.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    FontConfigLoader fonts;
    Application app(argc, argv);
    fonts.Wait();
    return Application::Run([] {
        TMainForm1 form;
        form.FormCreate(QApplication::arguments().mid(1));
        WatchFirstFrame(&form);
        form.show();
        QApplication::exec();
    });
}
