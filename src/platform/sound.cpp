#include "platform/sound.h"

#include <QCoreApplication>
#include <QPointer>

#include "platform/qtsoundplayer.h"

namespace {

SoundPlayer* g_installed = nullptr;
// Parented to the application, so its audio objects go before the audio system does.
QPointer<QtSoundPlayer> g_own;

}  // namespace

void playSound(const QString& name) {
    if (g_installed != nullptr) {
        g_installed->Play(name);
        return;
    }
    if (g_own.isNull()) g_own = new QtSoundPlayer(QCoreApplication::applicationDirPath(), qApp);
    g_own->Play(name);
}

SoundPlayer* setSoundPlayer(SoundPlayer* player) {
    SoundPlayer* previous = g_installed;
    g_installed = player;
    return previous;
}
