#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/exception.h"
#include "platform/filesnapshot.h"

// The error a failed save raises: the message the user sees, and why the file could not be written.
class FileWriteError : public Exception {
public:
    FileWriteError(const QString& message, FileProblem problem) : Exception(message), m_problem(problem) {}
    FileProblem Problem() const { return m_problem; }

private:
    FileProblem m_problem;
};

// An INI profile file, read and written as bytes.
//
// The file is read once, when the object is made: only a regular file no larger than kMaxFileSize is read;
// anything else (missing, a folder, a FIFO, unreadable, too large, changing while read) reads as empty, so
// every key yields its default. Reading never blocks, and the file is kept as one buffer that every lookup
// scans, so reading costs time and memory in proportion to the file.
//
// Section and key names match without regard to (ASCII) case, blanks around names and values are
// ignored, and the first of two equal keys wins. Writes change the object's copy only; UpdateFile() or
// Close() stores them all in one atomic replacement of the file, so a failed save never leaves a file
// with some new and some old values. Everything the writes did not touch stays byte for byte as it was.
//
// The destructor stores nothing: writes not stored by UpdateFile() or Close() are dropped, because a
// destructor cannot report a failure.
class IniFile {
public:
    static constexpr std::size_t kMaxValueLength = 2047;
    // A board file holds a few hundred bytes; a megabyte leaves room for anything kept beside the board
    // by hand while bounding what a hostile file can cost.
    static constexpr std::size_t kMaxFileSize = 1024 * 1024;

    explicit IniFile(const QString& fileName);
    ~IniFile() = default;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const QString& FileName() const { return m_fileName; }
    // Why the file was not read whole; None when it was.
    FileProblem ReadProblem() const { return m_snapshot.problem; }
    bool HasKey(std::string_view section, std::string_view key) const;

    // The value (at most its first kMaxValueLength bytes), or def when the key is missing.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // The value as a decimal number with an optional sign, or hexadecimal after "$", "0x" or "0X" (up to
    // eight digits, the 32-bit pattern: "$FFFFFFFF" is -1); def for a missing key or any other value.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;

    // An existing key gets the new value on its own line; a missing key goes after the last key of its
    // section, a missing section to the end of the file. A value with a line break keeps only what comes
    // before it, so one key can never turn into several.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);

    // Stores the writes made since the last store, if any, by ReplaceFile (through a symbolic link to its
    // target, keeping the file's permissions). A file that was not read whole when the object was made, or
    // that changed since, is never replaced, because the save would lose what was not read; nor is a file
    // written that would be too large to be read again. On failure nothing on disk changes and
    // FileWriteError("<file name> に書き込めません") is raised; the writes stay pending.
    void UpdateFile();
    // Stores the pending writes, as UpdateFile().
    void Close();

private:
    // One line of the buffer: its text is [begin, textEnd), its line end [textEnd, end).
    struct LineSpan {
        std::size_t begin = 0;
        std::size_t textEnd = 0;
        std::size_t end = 0;
    };

    LineSpan lineAt(std::size_t begin) const;
    std::string_view textOf(const LineSpan& line) const;
    // The first section line named section.
    std::optional<LineSpan> findSection(std::string_view section) const;
    // The first key line named key in the section whose header is sectionLine.
    std::optional<LineSpan> findKey(const LineSpan& sectionLine, std::string_view key) const;
    // The line end new lines get: the file's own, or CR LF.
    std::string_view newLineEnd() const;

    QString m_fileName;
    std::string m_bytes;  // the whole file, as it will be stored; filled before m_snapshot is made
    FileSnapshot m_snapshot;
    std::size_t m_bodyStart{};  // past a UTF-8 byte-order mark, which is kept as it was
    bool m_dirty = false;
};
