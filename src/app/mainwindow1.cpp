#include "app/mainwindow1.h"

#include <QGuiApplication>
#include <QScreen>

TMainForm1::TMainForm1(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    setObjectName("MainForm1");
    setWindowTitle("ポルポルMoxel!");
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}
