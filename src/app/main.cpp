#include "app/mainwindow1.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    Application app(argc, argv);
    return Application::Run([] {
        TMainForm1 form;
        form.show();
        QApplication::exec();
    });
}
