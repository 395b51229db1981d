#pragma once

#include <sys/types.h>
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Why a file could not be read whole or written, for messages that say more than that it failed.
enum class FileProblem {
    None,
    NoSuchFile,
    NoSuchFolder,
    IsAFolder,
    NotARegularFile,
    PermissionDenied,
    ReadOnlyFileSystem,
    NameTooLong,
    TooManyLinks,  // a chain of symbolic links too long, or a loop
    DiskFull,
    ChangedSinceRead,
    TooLarge,
    Failed,  // any other error of the system
};

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
    // A digest of the content, when it was read: an edit within one tick of the file system's clock that
    // keeps the size leaves the identity as it was.
    QByteArray digest;
    FileProblem problem = FileProblem::None;  // why the file was not read whole, unless Complete
};

// Reads the file at path into bytes when it is a regular file of at most maxSize bytes that stays the same
// while it is read; bytes stays empty otherwise. Never blocks (a FIFO is not waited for) and holds no
// more memory than the file's own size.
FileSnapshot ReadFileSnapshot(const QByteArray& path, std::size_t maxSize, std::string& bytes);

// The file at path as a save that replaces it whole needs to know it, without reading it: Complete with its
// identity for a regular file, Absent when there is none (or no regular file), Incomplete when the entry
// cannot be examined.
FileSnapshot ExamineFile(const QByteArray& path);

// Replaces the file at path (through symbolic links, to their target) with bytes, provided the file is
// still what snapshot saw. The bytes go into an unnamed owner-only file in the same folder (a named one
// where the file system has none), which gets a name only once it is complete and flushed. The file is
// then compared with what was read and replaced in one step; where the file system can exchange two names,
// the exchange itself is the comparison's last moment: what was swapped out is compared and swapped back
// if it is not what was read. The new file keeps the old one's mode, or gets the umask's for a new file.
// On success snapshot describes the new file and None is returned; otherwise nothing on disk changes and
// the problem is returned.
FileProblem ReplaceFile(const QByteArray& path, const std::string& bytes, FileSnapshot& snapshot);

// Called by ReplaceFile with the target's path between the flush of the new content and the replacement,
// so that a test can change the file in exactly that moment. Returns the seam installed before.
using ReplaceSeam = std::function<void(const QByteArray& target)>;
ReplaceSeam SetReplaceSeam(ReplaceSeam seam);
