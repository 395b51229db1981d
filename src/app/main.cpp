#include "app/mainwindow1.h"
#include "platform/application.h"
#include "platform/runtimedir.h"

int main(int argc, char** argv) {
    PrepareRuntimeDir();
    Application app(argc, argv);
    return Application::Run([] {
        TMainForm1 form;
        form.FormCreate(QApplication::arguments().mid(1));
        form.show();
        QApplication::exec();
    });
}
