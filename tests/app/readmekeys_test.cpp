#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QKeySequence>
#include <QShortcut>

#include "app/mainwindow1.h"

namespace {

// Readme.txt, which the "？" bead opens, names every key the window answers to, in Japanese and in English.
TEST(ReadmeKeysTest, ReadmeNamesEveryKeyOfTheWindowInBothLanguages) {
    TMainForm1 form;
    QFile file(QCoreApplication::applicationDirPath() + "/Readme.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype english = text.indexOf(u"\nポルポルMoxel! is");
    ASSERT_GT(english, 0);
    const QString halves[] = {text.left(english), text.mid(english)};

    const QList<QShortcut*> shortcuts = form.findChildren<QShortcut*>();
    ASSERT_FALSE(shortcuts.isEmpty());
    for (const QShortcut* shortcut : shortcuts) {
        for (const QKeySequence& key : shortcut->keys()) {
            const QString name = key.toString(QKeySequence::PortableText);
            for (const QString& half : halves) EXPECT_TRUE(half.contains(name)) << name.toStdString();
        }
    }
}

}  // namespace
