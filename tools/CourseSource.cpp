// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CourseSource.h"

#include "rules/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <optional>

namespace {

const char *const kRandomFlag = Field::Doma_rnd;

struct TextLine
{
    int line;
    QString text;
};

class Parser
{
public:
    Parser(const QString &fileName, const QString &baseDir)
        : m_fileName(fileName), m_baseDir(baseDir)
    {
    }

    CourseSource parse(const QByteArray &text)
    {
        QList<QByteArray> rawLines = text.split('\n');
        if (!rawLines.isEmpty() && rawLines.last().isEmpty())
            rawLines.removeLast();
        bool withRandomFlag = true;
        m_source.columns = courseColumns(true);

        for (int i = 0; i < rawLines.size(); ++i) {
            m_line = i + 1;
            QByteArray raw = rawLines[i];
            if (raw.endsWith('\r'))
                raw.chop(1);
            if (m_line == 1 && raw.startsWith("\xEF\xBB\xBF"))
                raw.remove(0, 3);
            // Stateless, so that a sequence cut at the end of the line counts as an error.
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString line = decoder.decode(raw);
            if (decoder.hasError())
                fail(QStringLiteral("testo non in UTF-8"));
            const QString trimmed = line.trimmed();

            if (m_pending) {
                if (trimmed.startsWith(u'|')) {
                    QString rest = line.mid(line.indexOf(u'|') + 1);
                    if (rest.startsWith(u' '))
                        rest.remove(0, 1);
                    m_pendingLines.append({m_line, rest});
                    continue;
                }
                finishPending();
            }

            if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
                continue;
            if (trimmed.startsWith(u'!')) {
                const QStringList words = trimmed.mid(1).split(u' ', Qt::SkipEmptyParts);
                if (words.size() != 2
                    || words[0].compare(QLatin1String("without"), Qt::CaseInsensitive) != 0
                    || words[1].compare(QLatin1String(kRandomFlag), Qt::CaseInsensitive) != 0)
                    fail(QStringLiteral(
                        "direttiva sconosciuta (è ammessa solo \"!without Doma_rnd\")"));
                if (!m_source.records.isEmpty())
                    fail(QStringLiteral("\"!without\" va scritto prima del primo record"));
                withRandomFlag = false;
                m_source.columns = courseColumns(false);
                continue;
            }
            if (trimmed.compare(QLatin1String("[record]"), Qt::CaseInsensitive) == 0) {
                CourseRecord record;
                record.line = m_line;
                record.values.resize(m_source.columns.size());
                m_source.records.append(record);
                m_given.clear();
                continue;
            }
            fieldLine(trimmed, withRandomFlag);
        }
        if (m_pending)
            finishPending();
        return m_source;
    }

private:
    [[noreturn]] void fail(const QString &message) const
    {
        throw CourseError(m_fileName, m_line, message);
    }
    [[noreturn]] void failAt(int line, const QString &message) const
    {
        throw CourseError(m_fileName, line, message);
    }

    void fieldLine(const QString &trimmed, bool withRandomFlag)
    {
        qsizetype end = 0;
        while (end < trimmed.size()
               && (trimmed.at(end).isLetterOrNumber() || trimmed.at(end) == u'_'))
            ++end;
        const QString name = trimmed.left(end);
        const QString rest = trimmed.mid(end).trimmed();
        const bool single = rest.startsWith(u'=');
        const bool multi = rest == QLatin1String(":");
        if (name.isEmpty() || (!single && !multi))
            fail(QStringLiteral(
                "riga non riconosciuta: atteso \"Campo = valore\", \"Campo:\" o \"[record]\""));
        if (m_source.records.isEmpty())
            fail(QStringLiteral("campo \"%1\" fuori da un record: manca \"[record]\"").arg(name));

        int column = -1;
        for (int c = 0; c < m_source.columns.size(); ++c)
            if (name.compare(QLatin1String(m_source.columns[c].name), Qt::CaseInsensitive) == 0)
                column = c;
        if (column < 0) {
            if (!withRandomFlag
                && name.compare(QLatin1String(kRandomFlag), Qt::CaseInsensitive) == 0)
                fail(QStringLiteral("la tabella è senza Doma_rnd (\"!without Doma_rnd\")"));
            fail(QStringLiteral("campo sconosciuto \"%1\"").arg(name));
        }
        if (m_given.contains(column))
            fail(QStringLiteral("campo \"%1\" già dato in questo record").arg(name));
        m_given.insert(column);

        const Column &def = m_source.columns[column];
        if (multi) {
            if (def.kind != ColumnKind::RichText && def.kind != ColumnKind::Memo)
                fail(QStringLiteral("il campo \"%1\" non accetta un testo su più righe").arg(name));
            m_pending = true;
            m_pendingColumn = column;
            m_pendingLines.clear();
            return;
        }
        setValue(column, {{m_line, rest.mid(1).trimmed()}});
    }

    void finishPending()
    {
        m_pending = false;
        setValue(m_pendingColumn, m_pendingLines);
    }

    QByteArray encode(const TextLine &line) const
    {
        const QByteArray bytes = toCp1252(line.text);
        if (fromCp1252(bytes) != line.text) {
            for (const QChar c : line.text) {
                const QString one(c);
                if (fromCp1252(toCp1252(one)) != one)
                    failAt(line.line,
                           QStringLiteral("il carattere \"%1\" (U+%2) non esiste in Windows-1252")
                               .arg(one)
                               .arg(c.unicode(), 4, 16, QChar(u'0')));
            }
            failAt(line.line, QStringLiteral("testo non rappresentabile in Windows-1252"));
        }
        for (const char byte : bytes)
            if (byte == '\0')
                failAt(line.line, QStringLiteral("carattere nullo nel testo"));
        return bytes;
    }

    void setValue(int column, const QList<TextLine> &lines)
    {
        const Column &def = m_source.columns[column];
        CourseValue &value = m_source.records.last().values[column];
        const int line = lines.isEmpty() ? m_line : lines.first().line;
        const QString text = lines.isEmpty() ? QString() : lines.first().text;
        switch (def.kind) {
        case ColumnKind::ShortInt:
        case ColumnKind::LongInt: {
            bool ok = false;
            const qlonglong number = text.toLongLong(&ok);
            // The lowest value of each width is stored as all zero bytes, which means null.
            const qlonglong limit = def.kind == ColumnKind::ShortInt ? 32767 : 2147483647;
            if (!ok || number < -limit || number > limit)
                failAt(line,
                       QStringLiteral("\"%1\" non è un numero intero valido per %2 (da %3 a %4)")
                           .arg(text, QLatin1String(def.name))
                           .arg(-limit)
                           .arg(limit));
            value.present = true;
            value.number = int(number);
            return;
        }
        case ColumnKind::Logical:
            if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                value.number = 1;
            else if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
                value.number = 0;
            else
                failAt(line, QStringLiteral("\"%1\" non è true o false").arg(text));
            value.present = true;
            return;
        case ColumnKind::Alpha: {
            const QByteArray bytes = encode(lines.first());
            if (bytes.size() > def.size)
                failAt(line, QStringLiteral("testo più lungo di %1 caratteri").arg(def.size));
            value.present = !bytes.isEmpty();
            value.bytes = bytes;
            return;
        }
        case ColumnKind::Graphic: {
            if (text.isEmpty())
                failAt(line, QStringLiteral("manca il percorso dell'immagine"));
            const QString path = QDir(m_baseDir).filePath(text);
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                failAt(line, QStringLiteral("immagine \"%1\" non leggibile: %2")
                                 .arg(path, file.errorString()));
            value.bytes = file.readAll();
            value.present = !value.bytes.isEmpty();
            return;
        }
        case ColumnKind::RichText:
        case ColumnKind::Memo: {
            QList<QByteArray> encoded;
            for (const TextLine &textLine : lines)
                encoded.append(encode(textLine));
            if (encoded.isEmpty())
                return;
            value.bytes = def.kind == ColumnKind::RichText ? richTextFromLines(encoded)
                                                           : encoded.join("\r\n");
            value.present = !value.bytes.isEmpty();
            return;
        }
        }
    }

    QString m_fileName;
    QString m_baseDir;
    CourseSource m_source;
    int m_line = 0;
    bool m_pending = false;
    int m_pendingColumn = -1;
    QList<TextLine> m_pendingLines;
    QSet<int> m_given; // columns of the current record
};

} // namespace

QList<Column> courseColumns(bool withRandomFlag)
{
    QList<Column> columns;
    for (const Column &column : CourseColumns)
        if (withRandomFlag || qstrcmp(column.name, kRandomFlag) != 0)
            columns.append(column);
    return columns;
}

QByteArray richTextFromLines(const QList<QByteArray> &lines)
{
    static const char hex[] = "0123456789abcdef";
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    for (const QByteArray &line : lines) {
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '\\' || c == '{' || c == '}') {
                rtf += '\\';
                rtf += c;
            } else if (c == '\t') {
                rtf += "\\tab ";
            } else if (byte >= 0x80 || byte < 0x20) {
                rtf += "\\'";
                rtf += hex[byte >> 4];
                rtf += hex[byte & 0xF];
            } else {
                rtf += c;
            }
        }
        rtf += "\\par\r\n";
    }
    rtf += '}';
    return rtf;
}

CourseSource parseCourseSource(const QByteArray &text, const QString &fileName,
                               const QString &baseDir)
{
    return Parser(fileName, baseDir).parse(text);
}
