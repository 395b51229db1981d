#pragma once

#include <QApplication>
#include <functional>

// The program's application object: its title, its hints (HintManager, with the hint pauses), and the one
// place where errors that escape an event handler are caught and shown in the standard error box, after
// which the program goes on.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs deliver and returns its result; an error it raises is shown in the standard error box and
    // the event counts as not handled.
    static bool DeliverGuarded(const std::function<bool()>& deliver);

    // Runs the program's start-up and message loop in body; an error that escapes it is shown in the
    // standard error box. The program's exit code, always 0.
    static int Run(const std::function<void()>& body);
};
