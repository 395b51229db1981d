#include "platform/application.h"

#include "platform/errorbox.h"
#include "platform/hintmanager.h"
#include "platform/pointerpos.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("ポルポルMoxel!"));
    setApplicationDisplayName(QStringLiteral("ポルポルMoxel!"));
    // Hints follow the program's own pauses and windows from the first event on.
    HintManager::Instance();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    NotePointerEvent(receiver, event);
    return DeliverGuarded([&] { return QApplication::notify(receiver, event); });
}

bool Application::DeliverGuarded(const std::function<bool()>& deliver) {
    try {
        return deliver();
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}

int Application::Run(const std::function<void()>& body) {
    try {
        body();
    } catch (...) {
        ShowCurrentException();
    }
    return 0;
}
