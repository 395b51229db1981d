#include "platform/qtsoundplayer.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtGlobal>

namespace {

QtMessageHandler g_previousHandler = nullptr;

// Qt Multimedia reports a missing audio device, and every sound that cannot play because of it, on the
// console; sounds are optional here, so those reports are dropped and every other message goes on.
bool isAudioReport(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtWarningMsg && type != QtCriticalMsg) return false;
    if (context.category != nullptr && qstrncmp(context.category, "qt.multimedia", 13) == 0) return true;
    static const char* const prefixes[] = {"PulseAudioService:", "No audio device detected",
                                           "QAudioSink:", "QSoundEffect("};
    for (const char* prefix : prefixes)
        if (message.startsWith(QLatin1String(prefix))) return true;
    return false;
}

void filterAudioReports(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (isAudioReport(type, context, message)) return;
    if (g_previousHandler != nullptr) g_previousHandler(type, context, message);
}

// Once per process, however many players there are.
void silenceAudioReports() {
    static const bool installed = (g_previousHandler = qInstallMessageHandler(filterAudioReports), true);
    (void)installed;
}

}  // namespace

QtSoundPlayer::QtSoundPlayer(const QString& folder, QObject* parent) : QObject(parent), m_folder(folder) {
    silenceAudioReports();
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.wav")}, QDir::Files);
    for (const QString& name : names) effect(name);
}

void QtSoundPlayer::Play(const QString& name) {
    // Each call replaces whatever is playing, as the click of a new cell should.
    if (m_current != nullptr) m_current->stop();
    m_current = effect(name);
    if (m_current != nullptr) m_current->play();
}

QSoundEffect* QtSoundPlayer::effect(const QString& name) {
    if (QSoundEffect* known = m_effects.value(name)) return known;
    const QString path = QDir(m_folder).filePath(name);
    // A missing file is not remembered, so a sound file put in place later still plays.
    if (!QFileInfo(path).isFile()) return nullptr;
    auto* loaded = new QSoundEffect(this);
    loaded->setSource(QUrl::fromLocalFile(path));
    m_effects.insert(name, loaded);
    return loaded;
}

// The sound module's one entry point: a player for the sounds of folder, owned by parent.
extern "C" Q_DECL_EXPORT QObject* moxelCreateSoundPlayer(const QString& folder, QObject* parent) {
    return new QtSoundPlayer(folder, parent);
}
