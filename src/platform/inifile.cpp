#include "platform/inifile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdint>

#include "platform/exception.h"

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t npos = std::string::npos;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

// The name of a section line ("[name]"), or nothing when the line is not one.
bool sectionName(std::string_view text, std::string_view& name) {
    const std::string_view t = trimmed(text);
    if (t.empty() || t.front() != '[') return false;
    const std::size_t close = t.find(']');
    name = trimmed(t.substr(1, close == npos ? npos : close - 1));
    return true;
}

// Key and value of a key line ("key = value"); comment lines and lines without "=" are none.
bool keyLine(std::string_view text, std::string_view& key, std::string_view& value) {
    const std::string_view t = trimmed(text);
    if (t.empty() || t.front() == ';') return false;
    const std::size_t eq = t.find('=');
    if (eq == npos) return false;
    key = trimmed(t.substr(0, eq));
    value = trimmed(t.substr(eq + 1));
    return true;
}

// Parses the hexadecimal digits of an integer value; more than 32 significant bits is no number.
bool parseHex(std::string_view digits, int& out) {
    if (digits.empty()) return false;
    std::uint64_t v = 0;
    for (char c : digits) {
        int d = 0;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        v = v * 16 + static_cast<std::uint64_t>(d);
        if (v > 0xFFFFFFFFu) return false;
    }
    out = static_cast<int>(static_cast<std::uint32_t>(v));
    return true;
}

bool parseDecimal(std::string_view s, int& out) {
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return false;
    std::int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > std::int64_t{INT_MAX} + 1) return false;
    }
    if (negative) v = -v;
    if (v < INT_MIN || v > INT_MAX) return false;
    out = static_cast<int>(v);
    return true;
}

bool parseInteger(std::string_view s, int& out) {
    if (!s.empty() && s.front() == '$') return parseHex(s.substr(1), out);
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) return parseHex(s.substr(2), out);
    return parseDecimal(s, out);
}

// The whole file when it is a regular file of bounded size; empty for anything else. O_NONBLOCK keeps
// the open of a FIFO from waiting for a writer.
std::string readBounded(const QString& fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {};
    std::string bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::uint64_t>(st.st_size) <= IniFile::kMaxFileSize) {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            bytes.append(buffer, static_cast<std::size_t>(n));
            // The file may grow while we read it; it is read no further than the cap.
            if (bytes.size() > IniFile::kMaxFileSize) {
                bytes.clear();
                break;
            }
        }
    }
    ::close(fd);
    return bytes;
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

// Replaces the file at target with bytes in one rename; false on any failure, with nothing changed.
bool replaceAtomically(const QByteArray& target, const std::string& bytes) {
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return false;
    // A write-protected file stays protected, although the rename alone would replace it.
    if (exists && ::access(target.constData(), W_OK) != 0) return false;

    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);

    // Created with 0666 so that a new file gets the permissions the user's umask allows.
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = folder + "/.moxel-" + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;

    bool ok = writeAll(fd, bytes);
    if (ok && exists) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
        // Only a privileged user can hand the file back to its owner; the contents matter more.
        if (ok) (void)!::fchown(fd, old.st_uid, old.st_gid);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(temp.constData());
        return false;
    }
    // Make the rename itself durable; the file is already in place, so a failure here is not reported.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

}  // namespace

IniFile::IniFile(const QString& fileName) : m_fileName(fileName) {
    std::string bytes = readBounded(fileName);
    std::string_view rest = bytes;
    if (rest.starts_with(kBom)) {
        m_bom = kBom;
        rest.remove_prefix(kBom.size());
    }
    while (!rest.empty()) {
        const std::size_t brk = rest.find_first_of("\r\n");
        Line line;
        line.text = rest.substr(0, brk);
        if (brk == npos) {
            rest = {};
        } else {
            const std::size_t endLength =
                (rest[brk] == '\r' && brk + 1 < rest.size() && rest[brk + 1] == '\n') ? 2 : 1;
            line.end = rest.substr(brk, endLength);
            rest.remove_prefix(brk + endLength);
        }
        m_lines.push_back(std::move(line));
    }
}

std::size_t IniFile::findSection(std::string_view section) const {
    std::string_view name;
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (sectionName(m_lines[i].text, name) && sameName(name, trimmed(section))) return i;
    return npos;
}

std::size_t IniFile::findKey(std::size_t sectionLine, std::string_view key) const {
    std::string_view name;
    std::string_view value;
    for (std::size_t i = sectionLine + 1; i < m_lines.size(); ++i) {
        if (sectionName(m_lines[i].text, name)) break;
        if (keyLine(m_lines[i].text, name, value) && sameName(name, trimmed(key))) return i;
    }
    return npos;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    const std::size_t s = findSection(section);
    const std::size_t k = s == npos ? npos : findKey(s, key);
    if (k == npos) return std::string(def.substr(0, kMaxValueLength));
    std::string_view name;
    std::string_view value;
    keyLine(m_lines[k].text, name, value);
    return std::string(value.substr(0, kMaxValueLength));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    const std::string text = ReadString(section, key, "");
    int value = 0;
    return parseInteger(text, value) ? value : def;
}

std::string IniFile::newLineEnd() const {
    for (const Line& line : m_lines)
        if (!line.end.empty()) return line.end;
    return "\r\n";
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    m_dirty = true;
    const std::string end = newLineEnd();
    const std::string keyText = std::string(trimmed(key)) + '=' + std::string(value);

    const std::size_t s = findSection(section);
    if (s == npos) {
        if (!m_lines.empty() && m_lines.back().end.empty()) m_lines.back().end = end;
        m_lines.push_back({'[' + std::string(trimmed(section)) + ']', end});
        m_lines.push_back({keyText, end});
        return;
    }
    if (const std::size_t k = findKey(s, key); k != npos) {
        // The key keeps its own spelling and spacing; only what follows "=" changes.
        Line& line = m_lines[k];
        line.text = line.text.substr(0, line.text.find('=') + 1) + std::string(value);
        return;
    }
    // After the section's last key line, so comments and blank lines before the next section stay
    // with it.
    std::size_t last = s;
    std::string_view name;
    std::string_view v;
    for (std::size_t i = s + 1; i < m_lines.size() && !sectionName(m_lines[i].text, name); ++i)
        if (keyLine(m_lines[i].text, name, v)) last = i;
    if (m_lines[last].end.empty()) m_lines[last].end = end;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(last + 1), Line{keyText, end});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

std::string IniFile::serialize() const {
    std::string bytes = m_bom;
    for (const Line& line : m_lines) bytes += line.text + line.end;
    return bytes;
}

void IniFile::UpdateFile() {
    if (!m_dirty) return;
    if (!replaceAtomically(resolveLinks(QFile::encodeName(m_fileName)), serialize()))
        throw Exception(QStringLiteral("%1 に書き込めません").arg(m_fileName));
    m_dirty = false;
}

void IniFile::Close() {
    UpdateFile();
}
