#include "platform/filesnapshot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>

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

FileSnapshot readOpened(int fd, std::size_t maxSize, std::string& bytes) {
    struct stat before {};
    if (::fstat(fd, &before) != 0) return {FileSnapshot::State::Incomplete, {}};
    if (!S_ISREG(before.st_mode)) return {FileSnapshot::State::Absent, {}};
    if (before.st_size < 0 || static_cast<std::uint64_t>(before.st_size) > maxSize)
        return {FileSnapshot::State::Incomplete, {}};
    // One byte more than the file claims to hold tells a file that grows while it is read.
    bytes.resize(static_cast<std::size_t>(before.st_size) + 1);
    const ssize_t got = readUpTo(fd, bytes);
    struct stat after {};
    if (got != before.st_size || ::fstat(fd, &after) != 0 || identityOf(after) != identityOf(before)) {
        bytes.clear();
        bytes.shrink_to_fit();
        return {FileSnapshot::State::Incomplete, {}};
    }
    bytes.resize(static_cast<std::size_t>(got));
    return {FileSnapshot::State::Complete, identityOf(before)};
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

}  // namespace

FileSnapshot ReadFileSnapshot(const QByteArray& path, std::size_t maxSize, std::string& bytes) {
    bytes.clear();
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {FileSnapshot::State::Absent, {}};
        struct stat st {};
        // An entry that cannot be examined (a link loop, a closed folder) may hide a file.
        const bool mayHoldAFile = ::stat(path.constData(), &st) != 0 || S_ISREG(st.st_mode);
        return {mayHoldAFile ? FileSnapshot::State::Incomplete : FileSnapshot::State::Absent, {}};
    }
    const FileSnapshot snapshot = readOpened(fd, maxSize, bytes);
    ::close(fd);
    return snapshot;
}

FileSnapshot ExamineFile(const QByteArray& path) {
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {FileSnapshot::State::Absent, {}};
        return {FileSnapshot::State::Incomplete, {}};
    }
    if (!S_ISREG(st.st_mode)) return {FileSnapshot::State::Absent, {}};
    return {FileSnapshot::State::Complete, identityOf(st)};
}

bool ReplaceFile(const QByteArray& path, const std::string& bytes, FileSnapshot& snapshot) {
    const QByteArray target = resolveLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists && !S_ISREG(old.st_mode)) return false;
    if (!stillAsRead(exists, old, snapshot)) return false;
    // A write-protected file stays protected, although the rename alone would replace it.
    if (exists && ::access(target.constData(), W_OK) != 0) return false;

    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);

    // The name marks the file as a save in progress; a random part keeps a stale one, left by a program
    // that was killed, from blocking the next save.
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = folder + "/.moxel-" + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;

    bool ok = prepareMode(fd, exists, old) && writeAll(fd, bytes) && ::fsync(fd) == 0;
    struct stat written {};
    ok = ok && ::fstat(fd, &written) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(temp.constData());
        return false;
    }
    snapshot = {FileSnapshot::State::Complete, identityOf(written)};
    // Make the rename itself durable; the file is already in place, so a failure here is not reported.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}
