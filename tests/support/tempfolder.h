#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "support/files.h"

// A fixture with a fresh temporary folder of its own, removed after the test.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Writes bytes to the named file in the folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const {
        EXPECT_TRUE(WriteWholeFile(path(name), bytes));
        return path(name);
    }

private:
    QTemporaryDir m_dir;
};
