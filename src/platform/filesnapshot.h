#pragma once

#include <sys/types.h>
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <string>

// What one read of a file found, with enough of the file's identity to tell at save time whether the file
// on disk is still the one that was read. A save that would replace bytes nobody read is refused.
struct FileSnapshot {
    enum class State {
        Absent,      // nothing a save could destroy: no entry, or an entry that is no regular file
        Complete,    // a regular file, read whole and unchanged while it was read
        Incomplete,  // a regular file (or an entry that cannot even be examined) not read whole
    };
    struct Identity {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        std::int64_t modifiedSeconds = 0;
        long modifiedNanoseconds = 0;
        bool operator==(const Identity&) const = default;
    };

    State state = State::Absent;
    Identity identity;  // meaningful when Complete
};

// Reads the file at path into bytes when it is a regular file of at most maxSize bytes that stays the same
// while it is read; bytes stays empty otherwise. Never blocks (a FIFO is not waited for) and holds no
// more memory than the file's own size.
FileSnapshot ReadFileSnapshot(const QByteArray& path, std::size_t maxSize, std::string& bytes);

// The file at path as a save that replaces it whole needs to know it, without reading it: Complete with its
// identity for a regular file, Absent when there is none (or no regular file), Incomplete when the entry
// cannot be examined.
FileSnapshot ExamineFile(const QByteArray& path);

// Replaces the file at path (through symbolic links, to their target) with bytes in one rename of an
// owner-only temporary file in the same folder, provided the file is still what snapshot saw. The new file
// keeps the old one's mode, or gets the umask's for a new file; the mode is set before any byte is written.
// On success snapshot describes the new file; on any failure nothing on disk changes and false is returned.
bool ReplaceFile(const QByteArray& path, const std::string& bytes, FileSnapshot& snapshot);
