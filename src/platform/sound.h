#pragma once

#include <QString>

// Where every sound of the program goes. A player plays a bare file name asynchronously: a new sound
// cuts off the one still playing, a missing file plays nothing, and a failure is never reported.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const QString& name) = 0;
};

// Plays name (a bare file name such as "chma.wav") on the installed player. The first call without an
// installed player makes the program's own, which looks names up in the program directory.
void playSound(const QString& name);

// Installs player for playSound (nullptr: back to the program's own) and returns the one installed
// before. The caller keeps ownership and uninstalls it before destroying it.
SoundPlayer* setSoundPlayer(SoundPlayer* player);
