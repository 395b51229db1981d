#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// An INI profile file, read and written as bytes.
//
// The file is read once, when the object is made: only a regular file no larger than kMaxFileSize is read;
// anything else (missing, a folder, a FIFO, unreadable, too large) reads as empty, so every key yields
// its default. Reading never blocks.
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
    static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

    explicit IniFile(const QString& fileName);
    ~IniFile() = default;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const QString& FileName() const { return m_fileName; }

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

    // Stores the writes made since the last store, if any: a temporary file in the same folder, flushed
    // to disk and renamed over the file (through a symbolic link to its target, keeping the file's
    // permissions). On failure nothing on disk changes and Exception("<file name> に書き込めません") is
    // raised; the writes stay pending.
    void UpdateFile();
    // Stores the pending writes, as UpdateFile().
    void Close();

private:
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\r\n", "\n", "\r", or empty for a last line without one
    };

    // Index of the first section line named section, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index of the first key line named key in the section that starts at line sectionLine, or npos.
    std::size_t findKey(std::size_t sectionLine, std::string_view key) const;
    // The line end new lines get: the file's own, or CR LF.
    std::string newLineEnd() const;
    std::string serialize() const;

    QString m_fileName;
    std::string m_bom;  // a UTF-8 byte-order mark read before the first line, written back as it was
    std::vector<Line> m_lines;
    bool m_dirty = false;
};
