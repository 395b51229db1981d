#pragma once

#include <QWidget>

// The one main window of the program: borderless, with a fixed client area.
class TMainForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 632;
    static constexpr int kClientHeight = 446;

    explicit TMainForm1(QWidget* parent = nullptr);
};
