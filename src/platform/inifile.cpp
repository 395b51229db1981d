#include "platform/inifile.h"

#include <QFile>
#include <climits>
#include <cstdint>

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

}  // namespace

IniFile::IniFile(const QString& fileName)
    : m_fileName(fileName), m_snapshot(ReadFileSnapshot(QFile::encodeName(fileName), kMaxFileSize, m_bytes)) {
    if (std::string_view(m_bytes).starts_with(kBom)) m_bodyStart = kBom.size();
}

IniFile::LineSpan IniFile::lineAt(std::size_t begin) const {
    const std::size_t brk = m_bytes.find_first_of("\r\n", begin);
    if (brk == npos) return {begin, m_bytes.size(), m_bytes.size()};
    const bool crlf = m_bytes[brk] == '\r' && brk + 1 < m_bytes.size() && m_bytes[brk + 1] == '\n';
    return {begin, brk, brk + (crlf ? 2 : 1)};
}

std::string_view IniFile::textOf(const LineSpan& line) const {
    return std::string_view(m_bytes).substr(line.begin, line.textEnd - line.begin);
}

std::optional<IniFile::LineSpan> IniFile::findSection(std::string_view section) const {
    std::string_view name;
    for (std::size_t pos = m_bodyStart; pos < m_bytes.size();) {
        const LineSpan line = lineAt(pos);
        if (sectionName(textOf(line), name) && sameName(name, trimmed(section))) return line;
        pos = line.end;
    }
    return std::nullopt;
}

std::optional<IniFile::LineSpan> IniFile::findKey(const LineSpan& sectionLine, std::string_view key) const {
    std::string_view name;
    std::string_view value;
    for (std::size_t pos = sectionLine.end; pos < m_bytes.size();) {
        const LineSpan line = lineAt(pos);
        if (sectionName(textOf(line), name)) break;
        if (keyLine(textOf(line), name, value) && sameName(name, trimmed(key))) return line;
        pos = line.end;
    }
    return std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    const std::optional<LineSpan> s = findSection(section);
    const std::optional<LineSpan> k = s ? findKey(*s, key) : std::nullopt;
    if (!k) return std::string(def.substr(0, kMaxValueLength));
    std::string_view name;
    std::string_view value;
    keyLine(textOf(*k), name, value);
    return std::string(value.substr(0, kMaxValueLength));
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
    const std::optional<LineSpan> s = findSection(section);
    return s && findKey(*s, key);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    const std::string text = ReadString(section, key, "");
    int value = 0;
    return parseInteger(text, value) ? value : def;
}

std::string_view IniFile::newLineEnd() const {
    const LineSpan first = lineAt(m_bodyStart);
    if (first.end == first.textEnd) return "\r\n";
    return std::string_view(m_bytes).substr(first.textEnd, first.end - first.textEnd);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    m_dirty = true;
    const std::string end(newLineEnd());
    const std::string keyText = std::string(trimmed(key)) + '=' + std::string(value);

    const std::optional<LineSpan> s = findSection(section);
    if (!s) {
        if (m_bytes.size() > m_bodyStart && m_bytes.back() != '\n' && m_bytes.back() != '\r') m_bytes += end;
        m_bytes += '[' + std::string(trimmed(section)) + ']' + end + keyText + end;
        return;
    }
    if (const std::optional<LineSpan> k = findKey(*s, key)) {
        // The key keeps its own spelling and spacing; only what follows "=" changes.
        const std::size_t valueStart = m_bytes.find('=', k->begin) + 1;
        m_bytes.replace(valueStart, k->textEnd - valueStart, value);
        return;
    }
    // After the section's last key line, so comments and blank lines before the next section stay
    // with it.
    LineSpan last = *s;
    std::string_view name;
    std::string_view v;
    for (std::size_t pos = s->end; pos < m_bytes.size();) {
        const LineSpan line = lineAt(pos);
        if (sectionName(textOf(line), name)) break;
        if (keyLine(textOf(line), name, v)) last = line;
        pos = line.end;
    }
    // The new line ends as the line before it does: a lone CR before a following LF would join the two
    // into one line end and swallow a line.
    if (last.end == last.textEnd)
        m_bytes.insert(last.end, end + keyText + end);
    else
        m_bytes.insert(last.end, keyText + m_bytes.substr(last.textEnd, last.end - last.textEnd));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::UpdateFile() {
    if (!m_dirty) return;
    const FileProblem problem = m_bytes.size() > kMaxFileSize
                                    ? FileProblem::TooLarge
                                    : ReplaceFile(QFile::encodeName(m_fileName), m_bytes, m_snapshot);
    if (problem != FileProblem::None)
        throw FileWriteError(QStringLiteral("%1 に書き込めません").arg(m_fileName), problem);
    m_dirty = false;
}

void IniFile::Close() {
    UpdateFile();
}
