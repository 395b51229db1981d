#include "platform/textlayout.h"

#include <QStringList>
#include <algorithm>

namespace {

// The tab stop distance: eight average characters.
constexpr int kTabChars = 8;

// One line of DrawText after prefix handling: the text to draw and the character to underline (-1 none).
struct TextLine {
    QString text;
    int underline = -1;
};

TextLine stripPrefixes(const QString& text) {
    TextLine line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&') line.underline = static_cast<int>(line.text.size());
        } else if (text[i] == u'&') {
            continue;
        }
        line.text += text[i];
    }
    return line;
}

std::vector<QString> splitLines(const QString& text) {
    std::vector<QString> lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            lines.push_back(current);
            current.clear();
        } else {
            current += text[i];
        }
    }
    lines.push_back(current);
    return lines;
}

// Full-width characters may be broken between, as well as after blanks.
bool breaksAfter(QChar c) {
    return c == u' ' || c.unicode() >= 0x3000;
}
bool breaksBefore(QChar c) {
    return c.unicode() >= 0x3000 && c.unicode() != 0x3000;
}

// Word wrap: break after blanks or between full-width characters; a word wider than the width stays
// whole on its own line. Blanks at a break are dropped.
std::vector<QString> wrapLine(const QString& line, int maxWidth,
                              const std::function<int(const QString&)>& measure) {
    const auto canBreak = [](const QString& text, qsizetype i) {
        return breaksAfter(text[i - 1]) || breaksBefore(text[i]);
    };
    const auto trimmedLeft = [](const QString& text, qsizetype n) {
        QString head = text.left(n);
        while (head.endsWith(u' ')) head.chop(1);
        return head;
    };
    std::vector<QString> pieces;
    QString rest = line;
    while (measure(rest) > maxWidth) {
        qsizetype cut = -1;
        for (qsizetype i = 1; i < rest.size(); ++i) {
            if (!canBreak(rest, i)) continue;
            if (measure(trimmedLeft(rest, i)) > maxWidth) break;
            cut = i;
        }
        for (qsizetype i = 1; cut < 0 && i < rest.size(); ++i)
            if (canBreak(rest, i)) cut = i;
        if (cut < 0) break;
        pieces.push_back(trimmedLeft(rest, cut));
        rest = rest.mid(cut);
        while (rest.startsWith(u' ')) rest.remove(0, 1);
        if (rest.isEmpty()) return pieces;
    }
    pieces.push_back(rest);
    return pieces;
}

}  // namespace

TextLayout LayOutText(const QString& text, const TRect& rect, unsigned flags, const TextMetrics& metrics) {
    const int lineHeight = metrics.lineHeight;
    const int tabWidth = kTabChars * metrics.averageCharWidth;
    const bool expandTabs = (flags & DT_EXPANDTABS) && tabWidth > 0;
    const auto nextStop = [&](int x) { return (x / tabWidth + 1) * tabWidth; };

    // Width of a line, with tabs advancing to the next stop when expanded.
    const auto measure = [&](const QString& line) {
        if (!expandTabs) return metrics.advance(line);
        const QStringList parts = line.split(u'\t');
        int x = 0;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            x += metrics.advance(parts[i]);
            if (i + 1 < parts.size()) x = nextStop(x);
        }
        return x;
    };

    std::vector<QString> rawLines = (flags & DT_SINGLELINE) ? std::vector<QString>{text} : splitLines(text);
    if (text.isEmpty()) rawLines.clear();

    std::vector<QString> lines;
    for (const QString& raw : rawLines) {
        if (!(flags & DT_WORDBREAK) || (flags & DT_SINGLELINE)) {
            lines.push_back(raw);
            continue;
        }
        for (QString& piece : wrapLine(raw, rect.Width(), measure)) lines.push_back(std::move(piece));
    }

    TextLayout layout;
    std::vector<TextLine> shown;
    for (const QString& line : lines) {
        TextLine t = (flags & DT_NOPREFIX) ? TextLine{line, -1} : stripPrefixes(line);
        layout.width = std::max(layout.width, measure(t.text));
        shown.push_back(std::move(t));
    }
    layout.height = static_cast<int>(shown.size()) * lineHeight;
    layout.drawnHeight = layout.height;

    int top = rect.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            top = rect.Top + (rect.Height() - lineHeight) / 2;
        else if (flags & DT_BOTTOM)
            top = rect.Bottom - lineHeight;
        if (flags & (DT_VCENTER | DT_BOTTOM)) layout.drawnHeight = top - rect.Top + layout.height;
    }

    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int width = measure(shown[i].text);
        int left = rect.Left;
        if (flags & DT_CENTER)
            left = rect.Left + (rect.Width() - width) / 2;
        else if (flags & DT_RIGHT)
            left = rect.Right - width;
        const int y = top + static_cast<int>(i) * lineHeight;
        if (!expandTabs || !shown[i].text.contains(u'\t')) {
            layout.runs.push_back({left, y, shown[i].text, shown[i].underline});
            continue;
        }
        const QStringList parts = shown[i].text.split(u'\t');
        int x = 0;
        int consumed = 0;
        for (qsizetype p = 0; p < parts.size(); ++p) {
            const int underline = shown[i].underline - consumed;
            layout.runs.push_back(
                {left + x, y, parts[p], underline >= 0 && underline < parts[p].size() ? underline : -1});
            consumed += static_cast<int>(parts[p].size()) + 1;
            x += metrics.advance(parts[p]);
            if (p + 1 < parts.size()) x = nextStop(x);
        }
    }
    return layout;
}
