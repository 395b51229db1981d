#include <gtest/gtest.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdio>

#include "platform/qtsoundplayer.h"
#include "platform/sound.h"
#include "support/events.h"
#include "support/recordingsoundplayer.h"

namespace {

TEST(SoundTest, PlaysGoToTheInstalledPlayerInOrder) {
    RecordingSoundPlayer outer;
    playSound("chma.wav");
    {
        RecordingSoundPlayer inner;
        playSound("chma03.wav");
        playSound("chma03.wav");
        EXPECT_EQ(inner.played, (QStringList{"chma03.wav", "chma03.wav"}));
    }
    playSound("chma11.wav");
    EXPECT_EQ(outer.played, (QStringList{"chma.wav", "chma11.wav"}));
}

// A one-tone 16-bit mono PCM file of 20 ms.
void writeTone(const QString& path) {
    const int frames = 441;
    QByteArray b("RIFF");
    auto put = [&b](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    put(36 + frames * 2, 4);
    b.append("WAVEfmt ");
    put(16, 4), put(1, 2), put(1, 2), put(22050, 4), put(44100, 4), put(2, 2), put(16, 2);
    b.append("data");
    put(frames * 2, 4);
    for (int i = 0; i < frames; ++i) put(static_cast<quint16>((i % 50 < 25) ? 2000 : -2000), 2);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(b);
}

// Qt leaks a sound that is destroyed while it still loads, so each test lets the loads finish first.
void waitForLoads(const QtSoundPlayer& player) {
    RunEventsUntil(
        [&player] {
            for (const QSoundEffect* e : player.findChildren<QSoundEffect*>())
                if (e->status() == QSoundEffect::Loading || e->status() == QSoundEffect::Null) return false;
            return true;
        },
        5000);
}

// Everything written to the console's error stream while it lives.
class CapturedStderr {
public:
    CapturedStderr() {
        m_file.open();
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        ::dup2(m_file.handle(), STDERR_FILENO);
    }
    ~CapturedStderr() { restore(); }
    CapturedStderr(const CapturedStderr&) = delete;
    CapturedStderr& operator=(const CapturedStderr&) = delete;

    QByteArray text() {
        restore();
        m_file.seek(0);
        return m_file.readAll();
    }

private:
    void restore() {
        if (m_saved < 0) return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    QTemporaryFile m_file;
    int m_saved = -1;
};

TEST(QtSoundPlayerTest, LoadsTheFolderSoundsOnce) {
    QTemporaryDir dir;
    writeTone(dir.filePath("a.wav"));
    writeTone(dir.filePath("b.wav"));
    writeTone(dir.filePath("notes.txt"));
    QtSoundPlayer player(dir.path());
    const QList<QSoundEffect*> effects = player.findChildren<QSoundEffect*>();
    ASSERT_EQ(effects.size(), 2);
    player.Play("a.wav");
    player.Play("b.wav");
    player.Play("a.wav");
    EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), 2);
    waitForLoads(player);
}

TEST(QtSoundPlayerTest, NewSoundCutsOffTheOneStillPlaying) {
    QTemporaryDir dir;
    writeTone(dir.filePath("a.wav"));
    writeTone(dir.filePath("b.wav"));
    QtSoundPlayer player(dir.path());
    QSoundEffect* a = nullptr;
    for (QSoundEffect* e : player.findChildren<QSoundEffect*>())
        if (e->source().fileName() == "a.wav") a = e;
    ASSERT_NE(a, nullptr);
    // Loop a so that it would still be playing when b starts, device or not.
    a->setLoopCount(QSoundEffect::Infinite);
    player.Play("a.wav");
    RunEventsFor(100);
    player.Play("b.wav");
    EXPECT_FALSE(a->isPlaying());
    player.Play("missing.wav");
    for (QSoundEffect* e : player.findChildren<QSoundEffect*>()) EXPECT_FALSE(e->isPlaying());
    waitForLoads(player);
}

TEST(QtSoundPlayerTest, FileAddedLaterPlays) {
    QTemporaryDir dir;
    QtSoundPlayer player(dir.path());
    player.Play("late.wav");
    EXPECT_TRUE(player.findChildren<QSoundEffect*>().isEmpty());
    writeTone(dir.filePath("late.wav"));
    player.Play("late.wav");
    EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), 1);
    waitForLoads(player);
}

TEST(QtSoundPlayerTest, PlaysWithoutAudioDeviceSilently) {
    CapturedStderr console;
    {
        // The program's own player, over the sound files beside the test program.
        playSound("chma.wav");
        playSound("chma00.wav");
        RunEventsFor(300);
        playSound("chma11.wav");
        playSound("nothing-here.wav");
        RunEventsFor(300);
    }
    EXPECT_EQ(console.text(), QByteArray());
}

// The program's own player is made from the sound module beside the program by the first sound, and
// plays the files of the program's folder: one player, whatever the sound, holding the file of each name.
TEST(QtSoundPlayerTest, OwnPlayerComesFromTheModuleBesideTheProgram) {
    const QString folder = QCoreApplication::applicationDirPath();
    const auto ownPlayers = [] {
        QList<QObject*> found;
        for (QObject* child : qApp->children())
            if (qstrcmp(child->metaObject()->className(), "QtSoundPlayer") == 0) found.append(child);
        return found;
    };
    for (const char* name : {"chma03.wav", "chma11.wav", "chma.wav"}) {
        playSound(QString::fromLatin1(name));
        const QList<QObject*> players = ownPlayers();
        ASSERT_EQ(players.size(), 1) << name;
        QStringList sources;
        for (const QSoundEffect* e : players.front()->findChildren<QSoundEffect*>())
            sources.append(e->source().toLocalFile());
        EXPECT_TRUE(sources.contains(QDir(folder).filePath(QString::fromLatin1(name)))) << name;
    }
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_TRUE(maps.readAll().contains("/" MOXEL_SOUND_MODULE));
    RunEventsFor(300);
}

}  // namespace
