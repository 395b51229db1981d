#include <QApplication>

#include "app/mainwindow1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ポルポルMoxel!");
    QApplication::setApplicationDisplayName("ポルポルMoxel!");

    TMainForm1 form;
    form.show();
    QApplication::exec();
    return 0;
}
