#include "platform/filesnapshot.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <utility>

namespace {

FileSnapshot::Identity identityOf(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, static_cast<std::int64_t>(st.st_mtim.tv_sec),
            st.st_mtim.tv_nsec};
}

// Fills buffer from fd; the count read, or -1 on a read error.
ssize_t readUpTo(int fd, std::string& buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::read(fd, buffer.data() + done, buffer.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

FileProblem problemOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileProblem::NoSuchFolder;
        case EACCES:
        case EPERM:
            return FileProblem::PermissionDenied;
        case EROFS:
            return FileProblem::ReadOnlyFileSystem;
        case ENAMETOOLONG:
            return FileProblem::NameTooLong;
        case ELOOP:
            return FileProblem::TooManyLinks;
        case ENOSPC:
        case EDQUOT:
            return FileProblem::DiskFull;
        case EISDIR:
            return FileProblem::IsAFolder;
        case EFBIG:
            return FileProblem::TooLarge;
        default:
            return FileProblem::Failed;
    }
}

FileSnapshot absent(FileProblem problem) {
    return {FileSnapshot::State::Absent, {}, {}, problem};
}

FileSnapshot incomplete(FileProblem problem) {
    return {FileSnapshot::State::Incomplete, {}, {}, problem};
}

FileProblem notRegular(const struct stat& st) {
    return S_ISDIR(st.st_mode) ? FileProblem::IsAFolder : FileProblem::NotARegularFile;
}

QByteArray digestOf(const std::string& bytes) {
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                    QCryptographicHash::Sha256);
}

FileSnapshot readOpened(int fd, std::size_t maxSize, std::string& bytes) {
    struct stat before {};
    if (::fstat(fd, &before) != 0) return incomplete(problemOf(errno));
    if (!S_ISREG(before.st_mode)) return absent(notRegular(before));
    if (before.st_size < 0 || static_cast<std::uint64_t>(before.st_size) > maxSize)
        return incomplete(FileProblem::TooLarge);
    // One byte more than the file claims to hold tells a file that grows while it is read.
    bytes.resize(static_cast<std::size_t>(before.st_size) + 1);
    const ssize_t got = readUpTo(fd, bytes);
    struct stat after {};
    if (got != before.st_size || ::fstat(fd, &after) != 0 || identityOf(after) != identityOf(before)) {
        bytes.clear();
        bytes.shrink_to_fit();
        return incomplete(got < 0 ? problemOf(errno) : FileProblem::ChangedSinceRead);
    }
    bytes.resize(static_cast<std::size_t>(got));
    return {FileSnapshot::State::Complete, identityOf(before), digestOf(bytes)};
}

// Follows symbolic links (relative ones from their own folder) to the file they finally name, which need
// not exist yet. Gives up on a chain longer than the system's own limit.
QByteArray resolveLinks(QByteArray path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), target.size());
        if (n <= 0 || n >= target.size()) return path;
        target.truncate(n);
        if (!target.startsWith('/')) {
            const qsizetype slash = path.lastIndexOf('/');
            target = (slash < 0 ? QByteArray() : path.left(slash + 1)) + target;
        }
        path = target;
    }
    return path;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Whether the entry at target (stat result st, or none when exists is false) may be replaced by a save
// whose reading found snapshot.
bool stillAsRead(bool exists, const struct stat& st, const FileSnapshot& snapshot) {
    switch (snapshot.state) {
        case FileSnapshot::State::Absent:
            // A file that appeared since the read was never seen, so it is not ours to replace.
            return !exists || !S_ISREG(st.st_mode);
        case FileSnapshot::State::Complete:
            return exists && identityOf(st) == snapshot.identity;
        case FileSnapshot::State::Incomplete:
            return false;
    }
    return false;
}

// The mode a file created now gets: 0666 less the umask. Reading the umask means setting it, so it is
// put back at once; the program touches files from one thread only.
mode_t newFileMode() {
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return 0666 & ~mask;
}

// Gives the temporary file the old file's owner and mode, or the new-file mode, before it holds a byte.
bool prepareMode(int fd, bool exists, const struct stat& old) {
    if (!exists) return ::fchmod(fd, newFileMode()) == 0;
    mode_t mode = old.st_mode & 07777;
    // Only a privileged user can hand the file back to its owner. Where even its group cannot be kept,
    // the group loses its rights, so that no one reads the new file who could not read the old one.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0)
        mode &= ~static_cast<mode_t>(S_IRWXG);
    return ::fchmod(fd, mode) == 0;
}

ReplaceSeam g_seam;

// Whether the regular file at path is still the one a reading found: the same identity and, where the
// reading kept a digest, the same content.
bool sameAsRead(const QByteArray& path, const FileSnapshot& read) {
    if (read.digest.isEmpty()) {
        const FileSnapshot now = ExamineFile(path);
        return now.state == FileSnapshot::State::Complete && now.identity == read.identity;
    }
    std::string bytes;
    const FileSnapshot now = ReadFileSnapshot(path, static_cast<std::size_t>(read.identity.size), bytes);
    return now.state == FileSnapshot::State::Complete && now.identity == read.identity &&
           now.digest == read.digest;
}

QByteArray temporaryName(const QByteArray& folder) {
    // The name marks the file as a save in progress; a random part keeps a stale one, left by a program
    // that was killed, from blocking the next save.
    return folder + "/.moxel-" + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
}

// The new content, complete and flushed, under a temporary name in folder.
struct Temporary {
    QByteArray name;
    FileSnapshot::Identity identity;
    FileProblem problem = FileProblem::None;
};

// Gives the unnamed file fd a name in folder; false (errno set) when the file system cannot.
bool linkUnnamed(int fd, const QByteArray& folder, QByteArray& name) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = temporaryName(folder);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST) return false;
    }
    return false;
}

// Writes bytes into a new file in folder. Unnamed (so that a kill leaves nothing behind) where the file
// system allows it, named from the start where it does not.
Temporary writeTemporary(const QByteArray& folder, const std::string& bytes, bool exists,
                         const struct stat& old) {
    Temporary temp;
    bool unnamed = true;
    int fd = ::open(folder.constData(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return {{}, {}, problemOf(errno)};
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        unnamed = false;
        temp.name = temporaryName(folder);
        fd = ::open(temp.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) return {{}, {}, problemOf(errno)};
    }
    if (fd < 0) return {{}, {}, FileProblem::Failed};

    struct stat written {};
    const bool wrote = prepareMode(fd, exists, old) && writeAll(fd, bytes) && ::fsync(fd) == 0 &&
                       ::fstat(fd, &written) == 0 && (!unnamed || linkUnnamed(fd, folder, temp.name));
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!wrote || !closed) {
        if (!unnamed || wrote) ::unlink(temp.name.constData());
        return {{}, {}, problemOf(wrote ? errno : error)};
    }
    temp.identity = identityOf(written);
    return temp;
}

// Puts the temporary file in place of target, unless target is no longer what snapshot saw. The temporary
// name is gone afterwards, except where it keeps someone else's edit that could not be put back.
FileProblem putInPlace(const QByteArray& temp, const QByteArray& target, const FileSnapshot& snapshot) {
    FileProblem problem = FileProblem::None;
    if (snapshot.state == FileSnapshot::State::Absent) {
        // A file that appeared since the read was never seen, so it is not ours to replace.
        if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
            return FileProblem::None;
        struct stat st {};
        if (errno == EEXIST)
            problem = FileProblem::ChangedSinceRead;
        else if (errno != EINVAL && errno != ENOSYS)
            problem = problemOf(errno);
        else if (::lstat(target.constData(), &st) == 0)
            problem = FileProblem::ChangedSinceRead;
        else if (::rename(temp.constData(), target.constData()) == 0)
            return FileProblem::None;
        else
            problem = problemOf(errno);
    } else if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0) {
        // The temporary name now holds the old file, to be judged where no one changes it unseen: whoever
        // writes to the name from now on writes to the new file.
        if (!sameAsRead(temp, snapshot)) {
            problem = FileProblem::ChangedSinceRead;
            if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) != 0)
                return problem;
        }
    } else if (errno == ENOENT) {
        problem = FileProblem::ChangedSinceRead;
    } else if (errno != EINVAL && errno != ENOSYS) {
        problem = problemOf(errno);
    } else if (!sameAsRead(target, snapshot)) {
        problem = FileProblem::ChangedSinceRead;
    } else if (::rename(temp.constData(), target.constData()) == 0) {
        return FileProblem::None;
    } else {
        problem = problemOf(errno);
    }
    ::unlink(temp.constData());
    return problem;
}

}  // namespace

FileSnapshot ReadFileSnapshot(const QByteArray& path, std::size_t maxSize, std::string& bytes) {
    bytes.clear();
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) return absent(FileProblem::NoSuchFile);
        struct stat st {};
        // An entry that cannot be examined (a link loop, a closed folder) may hide a file.
        if (::stat(path.constData(), &st) == 0 && !S_ISREG(st.st_mode)) return absent(notRegular(st));
        return incomplete(problemOf(error));
    }
    const FileSnapshot snapshot = readOpened(fd, maxSize, bytes);
    ::close(fd);
    return snapshot;
}

FileSnapshot ExamineFile(const QByteArray& path) {
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return absent(FileProblem::NoSuchFile);
        return incomplete(problemOf(errno));
    }
    if (!S_ISREG(st.st_mode)) return absent(notRegular(st));
    return {FileSnapshot::State::Complete, identityOf(st), {}, FileProblem::None};
}

FileProblem ReplaceFile(const QByteArray& path, const std::string& bytes, FileSnapshot& snapshot) {
    const QByteArray target = resolveLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT) return problemOf(errno);
    if (exists && !S_ISREG(old.st_mode)) return notRegular(old);
    if (snapshot.state == FileSnapshot::State::Incomplete) return snapshot.problem;
    // Checked again at the replacement; this only spares the writing of a save that cannot succeed.
    if (!stillAsRead(exists, old, snapshot)) return FileProblem::ChangedSinceRead;
    // A write-protected file stays protected, although the rename alone would replace it.
    if (exists && ::access(target.constData(), W_OK) != 0) return problemOf(errno);

    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    const Temporary temp = writeTemporary(folder, bytes, exists, old);
    if (temp.problem != FileProblem::None) return temp.problem;
    if (g_seam) g_seam(target);
    if (const FileProblem problem = putInPlace(temp.name, target, snapshot); problem != FileProblem::None)
        return problem;
    snapshot = {FileSnapshot::State::Complete, temp.identity, digestOf(bytes), FileProblem::None};
    // Make the rename itself durable; the file is already in place, so a failure here is not reported.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return FileProblem::None;
}

ReplaceSeam SetReplaceSeam(ReplaceSeam seam) {
    return std::exchange(g_seam, std::move(seam));
}
