#pragma once

#include <QString>
#include <QtGlobal>

// Drops the offscreen platform's notes about what it cannot do for top-level windows ("This plugin does
// not support raise()", "… setting window masks") while it lives; every other message passes on.
class QuietOffscreen {
public:
    QuietOffscreen() { previous() = qInstallMessageHandler(&filter); }
    ~QuietOffscreen() { qInstallMessageHandler(previous()); }
    QuietOffscreen(const QuietOffscreen&) = delete;
    QuietOffscreen& operator=(const QuietOffscreen&) = delete;

private:
    static QtMessageHandler& previous() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("This plugin does not support"))) return;
        if (previous() != nullptr) previous()(type, context, message);
    }
};
