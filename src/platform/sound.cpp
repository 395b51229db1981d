#include "platform/sound.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPointer>

namespace {

SoundPlayer* g_installed = nullptr;
// Parented to the application, so its audio objects go before the audio system does.
QPointer<QObject> g_own;
bool g_ownTried = false;

// The program's own player comes from the sound module beside the program, loaded by the first sound, so
// the audio back end costs nothing to a session that plays none. Without the module nothing plays.
QObject* makeOwnPlayer() {
    const QString folder = QCoreApplication::applicationDirPath();
    QLibrary module(folder + QStringLiteral("/" MOXEL_SOUND_MODULE));
    using Create = QObject* (*)(const QString&, QObject*);
    const auto create = reinterpret_cast<Create>(module.resolve("moxelCreateSoundPlayer"));
    return create != nullptr ? create(folder, qApp) : nullptr;
}

}  // namespace

void playSound(const QString& name) {
    if (g_installed != nullptr) {
        g_installed->Play(name);
        return;
    }
    if (g_own.isNull() && !g_ownTried) {
        g_ownTried = true;
        g_own = makeOwnPlayer();
    }
    if (!g_own.isNull()) QMetaObject::invokeMethod(g_own, "Play", Qt::DirectConnection, Q_ARG(QString, name));
}

SoundPlayer* setSoundPlayer(SoundPlayer* player) {
    SoundPlayer* previous = g_installed;
    g_installed = player;
    return previous;
}
