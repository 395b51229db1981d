#pragma once

#include <QString>
#include <QStringList>

#include "platform/sound.h"

// Stands in for the program's sound player while it lives: playSound() calls land in played, in order,
// and nothing is heard.
class RecordingSoundPlayer : public SoundPlayer {
public:
    RecordingSoundPlayer() : m_previous(setSoundPlayer(this)) {}
    ~RecordingSoundPlayer() override { setSoundPlayer(m_previous); }
    RecordingSoundPlayer(const RecordingSoundPlayer&) = delete;
    RecordingSoundPlayer& operator=(const RecordingSoundPlayer&) = delete;

    void Play(const QString& name) override { played.append(name); }

    QStringList played;

private:
    SoundPlayer* m_previous;
};
