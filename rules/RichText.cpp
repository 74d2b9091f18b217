// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/RichText.h"

#include <QByteArrayView>

#include <algorithm>
#include <vector>

namespace {

// Numeric parameters saturate here: far above any meaningful value, far below overflow.
constexpr qint64 ParameterLimit = 1'000'000'000;

struct GroupState
{
    qint64 unicodeFallback = 1; // \ucN
    bool skip = false;          // inside a destination whose text is not part of the document

    bool operator==(const GroupState &) const = default;
};

// The states of the enclosing groups. Runs of equal states are kept as one entry, so
// braces nested thousands deep cost no memory and need no recursion.
class GroupStack
{
public:
    void push(const GroupState &state)
    {
        if (!m_runs.empty() && m_runs.back().state == state)
            ++m_runs.back().count;
        else
            m_runs.push_back({state, 1});
    }

    GroupState pop()
    {
        const GroupState state = m_runs.back().state;
        if (--m_runs.back().count == 0)
            m_runs.pop_back();
        return state;
    }

private:
    struct Run
    {
        GroupState state;
        std::size_t count;
    };
    std::vector<Run> m_runs;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The cp1252 byte of a Unicode code point, '?' when cp1252 has none.
char cp1252FromUnicode(qint64 codePoint)
{
    if ((codePoint >= 0 && codePoint < 0x80) || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return char(codePoint);
    static constexpr struct
    {
        char16_t unicode;
        unsigned char byte;
    } upper[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
        {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
        {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
        {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
        {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
        {0x017E, 0x9E}, {0x0178, 0x9F},
    };
    for (const auto &entry : upper) {
        if (entry.unicode == codePoint)
            return char(entry.byte);
    }
    return '?';
}

bool isSkippedDestination(QByteArrayView word)
{
    static constexpr QByteArrayView destinations[] = {
        "fonttbl",
        "colortbl",
        "stylesheet",
        "info",
        "pict",
        "object",
        "objdata",
        "header",
        "headerl",
        "headerr",
        "headerf",
        "footer",
        "footerl",
        "footerr",
        "footerf",
        "footnote",
        "annotation",
        "listtable",
        "listoverridetable",
        "revtbl",
        "rsidtbl",
        "filetbl",
        "fldinst",
        "nonshppict",
        "themedata",
        "colorschememapping",
        "latentstyles",
        "datastore",
        "xmlnstbl",
        "generator",
    };
    return std::find(std::begin(destinations), std::end(destinations), word)
           != std::end(destinations);
}

class RtfReader
{
public:
    explicit RtfReader(const QByteArray &rtf) : m_data(rtf.constData()), m_size(rtf.size()) {}

    QList<QByteArray> read()
    {
        while (m_pos < m_size) {
            const char c = m_data[m_pos++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                if (!closeGroup())
                    return finish();
                break;
            case '\r':
            case '\n':
                break;
            case '\\':
                readControl();
                break;
            default:
                text(c);
                break;
            }
        }
        return finish();
    }

private:
    void openGroup()
    {
        m_pendingFallback = 0;
        ++m_depth;
        m_outer.push(m_state);
    }

    // False when the outermost group has closed: the document ends there.
    bool closeGroup()
    {
        m_pendingFallback = 0;
        if (m_depth == 0)
            return false;
        m_state = m_outer.pop();
        --m_depth;
        return m_depth > 0;
    }

    // Each token after \uN stands in for the Unicode character until \ucN are used up.
    bool swallowedAsFallback()
    {
        if (m_pendingFallback == 0)
            return false;
        --m_pendingFallback;
        return true;
    }

    void text(char c)
    {
        if (swallowedAsFallback())
            return;
        put(c);
    }

    void put(char c)
    {
        m_afterHighSurrogate = false;
        // A line never carries its own terminator, whatever escape produced it.
        if (m_state.skip || c == '\r' || c == '\n')
            return;
        m_line.append(c);
    }

    void endLine()
    {
        m_afterHighSurrogate = false;
        if (m_state.skip)
            return;
        m_lines.append(m_line);
        m_line.clear();
    }

    void readControl()
    {
        if (m_pos >= m_size)
            return;
        const char c = m_data[m_pos];
        if (isLetter(c)) {
            readControlWord();
            return;
        }
        ++m_pos;
        if (c == '\'') {
            readHexByte();
            return;
        }
        if (swallowedAsFallback())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            put(c);
            break;
        case '~':
            put(char(0xA0));
            break;
        case '_':
            put('-');
            break;
        case '\r':
        case '\n':
            endLine();
            break;
        case '*':
            if (m_depth >= 2)
                m_state.skip = true;
            break;
        default: // \- and symbols with no text
            break;
        }
    }

    void readHexByte()
    {
        if (m_pos + 2 > m_size) {
            m_pos = m_size; // cut off by the end of the input
            return;
        }
        const int high = hexValue(m_data[m_pos]);
        const int low = hexValue(m_data[m_pos + 1]);
        if (high < 0 || low < 0)
            return; // not an escape; whatever follows is read as it stands
        m_pos += 2;
        if (swallowedAsFallback())
            return;
        put(char(high * 16 + low));
    }

    void readControlWord()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_size && isLetter(m_data[m_pos]))
            ++m_pos;
        const QByteArrayView word(m_data + start, m_pos - start);

        bool negative = false;
        if (m_pos + 1 < m_size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        bool hasParameter = false;
        qint64 parameter = 0;
        while (m_pos < m_size && isDigit(m_data[m_pos])) {
            hasParameter = true;
            if (parameter < ParameterLimit)
                parameter = parameter * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        parameter = std::min(parameter, ParameterLimit);
        if (negative)
            parameter = -parameter;

        // A word cut off by the end of the input may be the start of a longer one.
        if (m_pos >= m_size)
            return;
        if (m_data[m_pos] == ' ')
            ++m_pos;

        if (word == "bin") {
            // Raw binary data of the given length follows; it is never text.
            m_pos += std::clamp<qint64>(parameter, 0, m_size - m_pos);
            swallowedAsFallback();
            return;
        }
        if (swallowedAsFallback())
            return;
        controlWord(word, hasParameter, parameter);
    }

    void controlWord(QByteArrayView word, bool hasParameter, qint64 parameter)
    {
        if (word == "par" || word == "line" || word == "sect" || word == "page" || word == "row") {
            endLine();
        } else if (word == "tab" || word == "cell") {
            put('\t');
        } else if (word == "u") {
            if (hasParameter)
                unicode(parameter);
        } else if (word == "uc") {
            m_state.unicodeFallback = hasParameter ? std::max<qint64>(parameter, 0) : 1;
        } else if (word == "lquote") {
            put(char(0x91));
        } else if (word == "rquote") {
            put(char(0x92));
        } else if (word == "ldblquote") {
            put(char(0x93));
        } else if (word == "rdblquote") {
            put(char(0x94));
        } else if (word == "bullet") {
            put(char(0x95));
        } else if (word == "endash") {
            put(char(0x96));
        } else if (word == "emdash") {
            put(char(0x97));
        } else if (word == "emspace" || word == "enspace" || word == "qmspace") {
            put(' ');
        } else if (m_depth >= 2 && isSkippedDestination(word)) {
            m_state.skip = true;
        }
    }

    void unicode(qint64 value)
    {
        if (value < 0)
            value += 65536;
        const bool lowSurrogate = value >= 0xDC00 && value <= 0xDFFF;
        if (lowSurrogate && m_afterHighSurrogate) {
            // The pair is one character, already written as '?'.
            m_afterHighSurrogate = false;
        } else {
            put(cp1252FromUnicode(value));
            m_afterHighSurrogate = value >= 0xD800 && value <= 0xDBFF;
        }
        m_pendingFallback = m_state.unicodeFallback;
    }

    QList<QByteArray> finish()
    {
        // The last paragraph mark of a RichEdit document closes its last paragraph, so an
        // empty paragraph after it is no line; a lone empty paragraph is an empty box.
        if (!m_line.isEmpty())
            m_lines.append(m_line);
        if (m_lines.size() == 1 && m_lines.first().isEmpty())
            m_lines.clear();
        return m_lines;
    }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    std::size_t m_depth = 0;
    GroupStack m_outer;
    GroupState m_state;
    qint64 m_pendingFallback = 0;
    bool m_afterHighSurrogate = false;
    QByteArray m_line;
    QList<QByteArray> m_lines;
};

} // namespace

QList<QByteArray> richTextLines(const QByteArray &value)
{
    if (value.startsWith("{\\rtf"))
        return RtfReader(value).read();
    return splitMemoLines(value);
}

QList<QByteArray> splitMemoLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}
