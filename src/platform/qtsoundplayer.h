#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include "platform/sound.h"

class QSoundEffect;

// The program's own sound player over Qt Multimedia. The ".wav" files of its folder are loaded once,
// when it is made, so a click sounds at once; a name that turns up later is loaded on its first play.
// Without an audio device it plays nothing and says nothing. It is built as the program's sound module, which
// playSound loads on the first sound (moxelCreateSoundPlayer makes one there).
class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT

public:
    QtSoundPlayer(const QString& folder, QObject* parent = nullptr);

    Q_INVOKABLE void Play(const QString& name) override;

private:
    // The effect for name, loading it when its file exists; nullptr for a missing file.
    QSoundEffect* effect(const QString& name);

    QString m_folder;
    QHash<QString, QSoundEffect*> m_effects;  // children of this object
    QSoundEffect* m_current = nullptr;
};
