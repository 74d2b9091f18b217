// SPDX-License-Identifier: GPL-3.0-or-later
// The demo course's braille, held to the Codice Braille Italiano (Biblioteca Italiana per i
// Ciechi "Regina Margherita", Monza): the course's cell table for every character it uses,
// and every exercise whose answer is a transcription, a computation or a choice that can be
// worked out from the record. liblouis (Italian six-dot table it-it-comp6.utb) is a second
// witness wherever it writes the Codice's cells. Also the shape of the course: every lesson
// has every category and every type of its course, and a verification test of exactly ten
// exercises.

#include "rules/Cp1252.h"
#include "rules/Paradox.h"
#include "rules/RichText.h"
#include "rules/Table.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <set>

namespace {

const QString kCourse = QStringLiteral(SENTIERO_SOURCE_DIR "/course");
const QString kSources = QStringLiteral(SENTIERO_SOURCE_DIR "/course-src");

// A sequence of cells, each written as its dots ("46-1235"; "0" the empty cell).
using Cells = QString;

// The cells of every character the course uses, as the Codice Braille Italiano writes
// them, with the part of the Codice they come from. `witness`: liblouis translates the
// character alone to these cells too (unless listed below); the other characters are the
// course's own stand-ins for a sign of one context.
struct Expected
{
    const char16_t *characters;
    const char *cells; // one entry a character, blank-separated
    const char *section;
    bool witness;
};
const Expected kCodice[] = {
    {u"abcdefghij", "1 12 14 145 15 124 1245 125 24 245", "alfabeto", true},
    {u"klmnopqrst", "13 123 134 1345 135 1234 12345 1235 234 2345", "alfabeto", true},
    {u"uvwxyz", "136 1236 2456 1346 13456 1356", "alfabeto", true},
    {u"\u00e0\u00e8\u00e9\u00ec\u00f2\u00f9\u00e7", "12356 2346 123456 34 346 23456 12346",
     "lettere accentate", true},
    {u"AR\u00c8", "46-1 46-1235 46-2346", "maiuscole: segno di maiuscola 4-6", true},
    {u"|", "46", "maiuscole: the capital sign alone, twice before a word in capitals", false},
    {u"#", "3456", "numeri: segnanumero", true},
    {u".,;:?!'-", "256 2 23 25 26 235 3 36", "punteggiatura", true},
    {u"\u00ab\u00bb\u201c\u201d", "236 356 236 356", "punteggiatura: virgolette", true},
    {u"()", "2356 2356", "punteggiatura: parentesi tonde in un testo", true},
    {u"/", "34", "punteggiatura: barra in un testo", true},
    {u"\u2026\u2013\u2014", "3-3-3 36-36 456-36", "punteggiatura: puntini, lineette", true},
    {u"+=\u00d7", "235 2356 236", "segni matematici: piu, uguale, per", true},
    {u"*", "236", "segni matematici: per, as the key the learner types", true},
    {u"\u2022", "35", "punteggiatura: asterisco in un testo (the course's character for it)", false},
    {u"\u2039\u203a", "26 35", "segni matematici: parentesi tonde in una formula", false},
    {u"<>{}", "126 345 12346 13456", "segni matematici: minore, maggiore, graffe", true},
    {u"$\u20ac\u00a3%&", "45-234 45-15 45-123 3456-356 5-12346", "simboli: valute, per cento, e commerciale", true},
    {u"^`_~\u201e\\", "4 45 456 5 56 6", "musica: segni d'ottava 1, 2, 3, 4, 6, 7 (5 is |)", false},
    {u"\u00f4\u00fb\u00eb\u00ef\u00fc\u00f6\u00ee\u00e2\u00ea", "1456 156 1246 12456 1256 246 146 16 126",
     "lettere accentate straniere (Debian's liblouis has no cell for them); in music the semiminime, diesis, bequadro, bemolle", false},
};

// Where Debian's liblouis table (before its rewrite on the Codice) writes otherwise.
struct LouisDiffers
{
    char16_t character;
    const char *reason;
};
const LouisDiffers kLouisDiffers[] = {
    {u'\u00e7', "c cedilla: the old table gives it no cell of its own"},
    {u'-', "the old table has no cell for the hyphen-minus (it writes an escape)"},
    {u'\u201c', "the old table has no curly quotation marks"},
    {u'\u201d', "the old table has no curly quotation marks"},
    {u'(', "the old table writes the brackets as the quotation marks 2-3-6 and 3-5-6"},
    {u')', "the old table writes the brackets as the quotation marks 2-3-6 and 3-5-6"},
    {u'/', "the old table writes the slash as the full stop 2-5-6"},
    {u'\u2026', "the old table has no ellipsis"},
    {u'\u2013', "the old table has no dashes"},
    {u'\u2014', "the old table has no dashes"},
    {u'\u00d7', "the old table writes the computer sign 46-16"},
    {u'*', "the old table reads * as the asterisk 3-5"},
    {u'<', "the old table writes 5-6"},
    {u'>', "the old table writes 4-5"},
    {u'{', "the old table writes the square brackets"},
    {u'}', "the old table writes the square brackets"},
    {u'$', "the old table writes the capital sign 4-6"},
    {u'\u20ac', "the old table has no euro sign"},
    {u'\u00a3', "the old table writes 4-5-1-2-3"},
    {u'%', "the old table writes the full cell"},
    {u'&', "the old table writes 1-2-3-4-6 without the prefix 5"},
};

bool louisMayDiffer(const QString &text)
{
    for (const LouisDiffers &d : kLouisDiffers)
        if (text.contains(QChar(d.character)))
            return true;
    // A word all in capitals: the old table writes 4 and 6 where the Codice writes 4-6 4-6.
    static const QRegularExpression capitals(QStringLiteral("\\b[A-Z\u00c0-\u00dd]{2,}\\b"));
    return capitals.match(text).hasMatch();
}

QHash<QChar, QString> codiceCells()
{
    QHash<QChar, QString> cells;
    for (const Expected &e : kCodice) {
        const QString characters = QString::fromUtf16(e.characters);
        const QStringList list = QString::fromLatin1(e.cells).split(u' ');
        for (int i = 0; i < characters.size(); ++i) {
            cells.insert(characters[i], list.value(i));
            // maiuscole: the capital sign 4-6, then the small letter
            if (characters[i].isLower() && characters[i].toUpper() != characters[i])
                cells.insert(characters[i].toUpper(), QStringLiteral("46-") + list.value(i));
        }
    }
    return cells;
}

QString dotsOf(char16_t pattern)
{
    QString dots;
    for (int k = 0; k < 8; ++k)
        if ((pattern - 0x2800) >> k & 1)
            dots += QChar(u'1' + k);
    return dots.isEmpty() ? QStringLiteral("0") : dots;
}

// liblouis's translations of `texts`, one Unicode braille line each, as cells.
QStringList louis(const QStringList &texts, QString *error)
{
    QProcess lou;
    lou.start(QStringLiteral("lou_translate"),
              {QStringLiteral("--forward"), QStringLiteral("unicode.dis,it-it-comp6.utb")});
    if (!lou.waitForStarted(10000)) {
        *error = QStringLiteral("lou_translate (Debian liblouis-bin) cannot be started");
        return {};
    }
    lou.write(texts.join(u'\n').toUtf8() + "\n");
    lou.closeWriteChannel();
    if (!lou.waitForFinished(30000) || lou.exitCode() != 0) {
        *error = QStringLiteral("lou_translate failed: ")
                 + QString::fromUtf8(lou.readAllStandardError());
        return {};
    }
    QStringList lines = QString::fromUtf8(lou.readAllStandardOutput()).split(u'\n');
    while (lines.size() > texts.size() && lines.last().isEmpty())
        lines.removeLast();
    QStringList cells;
    for (const QString &line : lines) {
        QStringList parts;
        for (QChar c : line)
            parts << (c.unicode() >= 0x2800 && c.unicode() < 0x2900
                          ? dotsOf(c.unicode())
                          : QStringLiteral("?") + c);
        cells << parts.join(u'-');
    }
    if (cells.size() != texts.size())
        *error = QStringLiteral("lou_translate gave %1 lines for %2").arg(cells.size()).arg(texts.size());
    return cells;
}

// The course's cell table: course/braille6.txt.
QHash<QChar, Cells> readCellTable(QString *error)
{
    QHash<QChar, Cells> table;
    QFile file(kCourse + QStringLiteral("/braille6.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return table;
    }
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")));
        bool ok = false;
        const int byte = parts.value(0).toInt(&ok, 16);
        static const QRegularExpression cellsForm(QStringLiteral("^[0-6]+(-[0-6]+)*$"));
        if (!ok || byte < 0x20 || byte > 0xFF || !cellsForm.match(parts.value(1)).hasMatch()) {
            *error = QStringLiteral("braille6.txt:%1: byte and cells expected").arg(number);
            return {};
        }
        const QString character = fromCp1252(QByteArray(1, char(byte)));
        if (table.contains(character.at(0))) {
            *error = QStringLiteral("braille6.txt:%1: %2 given twice").arg(number).arg(character);
            return {};
        }
        table.insert(character.at(0), parts.value(1));
    }
    return table;
}

struct Record
{
    int lesson = 0, category = 0, type = 0, number = 0, right = -1;
    bool random = false;
    QStringList title, question, answer, listQuestions, listAnswers, candidates[3];
    QString where() const
    {
        return QStringLiteral("lesson %1 exercise %2 (type %3)").arg(lesson).arg(number).arg(type);
    }
};

QStringList lines(const QVariant &value)
{
    QStringList out;
    for (const QByteArray &line : richTextLines(value.toByteArray()))
        out << fromCp1252(line);
    return out;
}

QStringList memoLines(const QVariant &value)
{
    const QString text = fromCp1252(value.toByteArray());
    return text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
}

QList<Record> readCourse(int course)
{
    const auto table =
        openParadoxTable(kCourse + QStringLiteral("/Ex/ESER_%1.DB").arg(course));
    QHash<QString, int> field;
    for (int i = 0; i < table->fields().size(); ++i)
        field.insert(table->fields().at(i).name.toLower(), i);
    auto value = [&](int record, const char *name) {
        const int f = field.value(QString::fromLatin1(name).toLower(), -1);
        return f < 0 ? QVariant() : table->value(record, f);
    };
    QList<Record> records;
    for (int r = 0; r < table->recordCount(); ++r) {
        Record rec;
        rec.lesson = value(r, "Lezione").toInt();
        rec.category = value(r, "Cat_eser").toInt();
        rec.type = value(r, "T_eser").toInt();
        rec.number = value(r, "eser_nr").toInt();
        rec.random = value(r, "Doma_rnd").toBool();
        rec.right = value(r, "Risp_img").isValid() ? value(r, "Risp_img").toInt() : -1;
        rec.title = lines(value(r, "Tit_doma"));
        rec.question = lines(value(r, "Doma_rch"));
        rec.answer = lines(value(r, "Risp_rch"));
        rec.listQuestions = memoLines(value(r, "List_doma"));
        rec.listAnswers = memoLines(value(r, "List_risp"));
        rec.candidates[0] = lines(value(r, "Risp_img1"));
        rec.candidates[1] = lines(value(r, "Risp_img2"));
        rec.candidates[2] = lines(value(r, "Risp_img3"));
        records << rec;
    }
    return records;
}

// The lowered digits 1 ... 9, 0 (a fraction's denominator): the characters of the model
// answers and their cells in the Codice (numeri: frazioni).
const QString kLowered = QStringLiteral(",;:.?!=*\u203a\u00bb");
const QStringList kLoweredCells = QStringLiteral("2 23 25 256 26 235 2356 236 35 356").split(u' ');

// ≤ and ≥ are not in Windows-1252: a record writes them in words in print ("4 minore o
// uguale a 9"), in braille as < or > followed by = (1-2-6 2-3-5-6, 3-4-5 2-3-5-6).
QString comparisonSigns(QString print)
{
    return print.replace(QStringLiteral(" minore o uguale a "), QStringLiteral("\u2264"))
        .replace(QStringLiteral(" maggiore o uguale a "), QStringLiteral("\u2265"));
}

// Print form of a braille mathematics text: the number sign and 4-5-6 go, * is the sign ×,
// ‹ › the brackets, ' the thousands point, lowered digits ending a number a denominator.
QString mathPrint(QString braille)
{
    static const QRegularExpression fraction(QStringLiteral("\\d([,;:.?!=*\u00bb]+)(?=$|\\s)"));
    for (auto m = fraction.match(braille); m.hasMatch(); m = fraction.match(braille)) {
        QString denominator = QStringLiteral("/");
        for (QChar c : m.captured(1))
            denominator += QChar(char16_t(u'0' + (kLowered.indexOf(c) + 1) % 10));
        braille.replace(m.capturedStart(1), m.capturedLength(1), denominator);
    }
    braille.remove(u'#').remove(u'_').replace(u'\'', u'.').replace(QStringLiteral("<="), QStringLiteral("\u2264"))
        .replace(QStringLiteral(">="), QStringLiteral("\u2265"));
    return braille.replace(u'*', QChar(u'\u00d7')).replace(u'\u2039', u'(').replace(u'\u203a', u')');
}

// Value of a print expression: numbers with a decimal comma, a thousands point, a per cent;
// + - before a number; brackets; × : / before + -. None when it is not one, or a division
// of whole numbers leaves a remainder.
std::optional<double> value(const QString &text)
{
    QString s = text;
    s.remove(u' ');
    int at = 0;
    std::function<std::optional<double>()> sum, factor;
    factor = [&]() -> std::optional<double> {
        if (at < s.size() && (s[at] == u'-' || s[at] == u'+')) {
            const bool minus = s[at++] == u'-';
            const auto v = factor();
            return v ? std::optional<double>(minus ? -*v : *v) : std::nullopt;
        }
        if (at < s.size() && s[at] == u'(') {
            ++at;
            const auto v = sum();
            return v && at < s.size() && s[at++] == u')' ? v : std::nullopt;
        }
        static const QRegularExpression number(QStringLiteral("^\\d{1,3}(\\.\\d{3})+(,\\d+)?%?|^\\d+(,\\d+)?%?"));
        const auto m = number.match(QStringView(s).mid(at));
        if (!m.hasMatch())
            return std::nullopt;
        at += m.capturedLength();
        QString digits = m.captured().remove(u'.').replace(u',', u'.');
        const bool percent = digits.endsWith(u'%');
        return digits.remove(u'%').toDouble() / (percent ? 100 : 1);
    };
    auto product = [&]() -> std::optional<double> {
        auto v = factor();
        while (v && at < s.size() && QStringLiteral("\u00d7:/").contains(s[at])) {
            const QChar sign = s[at++];
            const auto w = factor();
            if (!w || (sign != u'\u00d7' && *w == 0)
                || (sign == u':' && *v == std::floor(*v) && *w == std::floor(*w) && std::fmod(*v, *w) != 0))
                return std::nullopt;
            v = sign == u'\u00d7' ? *v * *w : *v / *w;
        }
        return v;
    };
    sum = [&]() -> std::optional<double> {
        auto v = product();
        while (v && at < s.size() && (s[at] == u'+' || s[at] == u'-')) {
            const bool minus = s[at++] == u'-';
            const auto w = product();
            v = w ? std::optional<double>(minus ? *v - *w : *v + *w) : std::nullopt;
        }
        return v;
    };
    const auto v = sum();
    return at == s.size() ? v : std::nullopt;
}

bool same(std::optional<double> a, std::optional<double> b)
{
    return a && b && std::abs(*a - *b) < 1e-9;
}

// Value of a print expression of natural numbers; -1 when it is not one.
long evaluate(const QString &text)
{
    const auto v = value(text);
    return v && *v >= 0 && *v == std::floor(*v) ? long(*v) : -1;
}

// A true equation or comparison, or a bare number; units and the euro sign aside.
bool isTrue(QString print)
{
    print.remove(QRegularExpression(QStringLiteral("[a-z\u20ac]")));
    const QStringList sides = print.split(QRegularExpression(QStringLiteral("[=<>\u2264\u2265]")));
    if (sides.size() == 1)
        return value(print).has_value();
    const auto a = value(sides[0]), b = value(sides.value(1));
    if (sides.size() != 2 || !a || !b)
        return false;
    return print.contains(u'\u2264') ? *a <= *b : print.contains(u'\u2265') ? *a >= *b
           : print.contains(u'<') ? *a < *b : print.contains(u'>') ? *a > *b : same(a, b);
}

// Music: the cells of a music text of the course (duration key and note name with its
// octave, "C do4"; dotted notes as the byte pairs; rests), in braille music notation. The
// first note carries its octave sign; a later one after a fourth or fifth into another
// octave, or after a sixth or more. Also: an accidental before the note (before its octave
// sign), key and time signatures and clefs at the head (a blank after them), | the bar
// line (a blank), ! the final double bar, ~ a tie and ( ) a slur (after the note), E two
// semicrome, and notes sounded together (do4+mi4: the highest, then the intervals down).
Cells musicCells(const QString &music, bool *ok)
{
    static const QStringList names = {QStringLiteral("do"), QStringLiteral("re"), QStringLiteral("mi"),
                                      QStringLiteral("fa"), QStringLiteral("sol"), QStringLiteral("la"),
                                      QStringLiteral("si")};
    static const QStringList pitch = {QStringLiteral("145"), QStringLiteral("15"), QStringLiteral("124"),
                                      QStringLiteral("1245"), QStringLiteral("125"), QStringLiteral("24"),
                                      QStringLiteral("245")};
    static const QStringList octaveSign = {QString(), QStringLiteral("4"), QStringLiteral("45"),
                                           QStringLiteral("456"), QStringLiteral("5"), QStringLiteral("46"),
                                           QStringLiteral("56"), QStringLiteral("6")};
    // intervals 2 to 8; the digits 0 to 9 high and low in the cell (time signatures)
    static const QStringList interval = QStringLiteral("- - 34 346 3456 35 356 25 36").split(u' ');
    static const QStringList highDigit = QStringLiteral("245 1 12 14 145 15 124 1245 125 24").split(u' ');
    static const QStringList lowDigit = QStringLiteral("356 2 23 25 256 26 235 2356 236 35").split(u' ');
    static const QRegularExpression note(QStringLiteral("^(do|re|mi|fa|sol|la|si)([1-7])$"));
    static const QRegularExpression chord(
        QStringLiteral("^(do|re|mi|fa|sol|la|si)[1-7](\\+(do|re|mi|fa|sol|la|si)[1-7])*$"));
    static const QRegularExpression time(QStringLiteral("^([1-9])/([1-9])$"));
    static const QRegularExpression key(QStringLiteral("^(#{1,3}|B{1,3})$"));
    // duration key -> (dots added to the note, dotted note)
    static const std::map<QString, std::pair<QString, bool>> duration = {
        {QStringLiteral("C"), {QString(), false}},
        {QStringLiteral("S"), {QStringLiteral("6"), false}},
        {QStringLiteral("M"), {QStringLiteral("3"), false}},
        {QStringLiteral("O"), {QStringLiteral("36"), false}},
        {QStringLiteral("semicroma"), {QStringLiteral("36"), false}},
        {QStringLiteral("biscroma"), {QStringLiteral("3"), false}},
        {QStringLiteral("semibiscroma"), {QStringLiteral("6"), false}},
        {QStringLiteral("\u00fe\u00f4"), {QStringLiteral("6"), true}},  // FE F4
        {QStringLiteral("\u00fe\u00f2"), {QString(), true}},            // FE F2
        {QStringLiteral("\u00fe\u00f1"), {QStringLiteral("3"), true}},  // FE F1
        {QStringLiteral("\u00ff\u00f1"), {QStringLiteral("36"), true}}, // FF F1
    };
    static const std::map<QString, QString> sign = {
        {QStringLiteral("P"), QStringLiteral("134")}, {QStringLiteral("Q"), QStringLiteral("136")},
        {QStringLiteral("R"), QStringLiteral("1236")}, {QStringLiteral("T"), QStringLiteral("1346")},
        {QStringLiteral("|"), QStringLiteral("0")}, {QStringLiteral("!"), QStringLiteral("126-13")},
        {QStringLiteral("~"), QStringLiteral("4-14")}, {QStringLiteral("ch.sol"), QStringLiteral("345-34-123")},
        {QStringLiteral("ch.fa"), QStringLiteral("345-3456-123")}};
    static const std::map<QString, QString> accidental = {
        {QStringLiteral("#"), QStringLiteral("146")}, {QStringLiteral("B"), QStringLiteral("126")},
        {QStringLiteral("N"), QStringLiteral("16")}};
    QStringList cells;
    // The clefs are written out, for the ear: one token each.
    QStringList tokens = QString(music).replace(QStringLiteral("chiave di "), QStringLiteral("ch."))
                             .split(u' ', Qt::SkipEmptyParts);
    for (int i = tokens.indexOf(QStringLiteral("E")); i >= 0; i = tokens.indexOf(QStringLiteral("E"), i))
        tokens.replace(i, QStringLiteral("semicroma")), tokens.insert(i + 2, QStringLiteral("semicroma"));
    *ok = !tokens.isEmpty();
    int previous = -1; // the last note: octave * 7 + step
    bool heading = false, slur = false;
    auto position = [&](const QString &name) {
        const auto n = note.match(name);
        return n.captured(2).toInt() * 7 + names.indexOf(n.captured(1));
    };
    for (int i = 0; i < tokens.size() && *ok; ++i) {
        const QString t = tokens[i];
        if (heading && !time.match(t).hasMatch() && t != u'|')
            cells << QStringLiteral("0");
        heading = false;
        const auto d = duration.find(tokens.value(i + (accidental.count(t) ? 1 : 0)));
        if (auto s = sign.find(t); s != sign.end()) {
            cells << s->second;
            heading = t.startsWith(QStringLiteral("ch."));
        } else if (d != duration.end() && chord.match(tokens.value(i + 1 + (d->first != t))).hasMatch()) {
            if (d->first != t)
                cells << accidental.at(tokens[i++]);
            QList<int> notes;
            for (const QString &name : tokens.value(++i).split(u'+'))
                notes << position(name);
            std::sort(notes.begin(), notes.end());
            const int top = notes.last(), leap = std::abs(top - previous);
            if (previous < 0 || leap >= 5 || (leap >= 3 && top / 7 != previous / 7))
                cells << octaveSign[top / 7];
            previous = top;
            QString dots = pitch[top % 7] + d->second.first;
            std::sort(dots.begin(), dots.end());
            cells << dots;
            if (d->second.second)
                cells << QStringLiteral("3");
            for (int k = notes.size() - 2; k >= 0; --k) {
                *ok = *ok && top > notes[k] && top - notes[k] < 8;
                cells << interval.value(top - notes[k] + 1);
            }
            if (slur)
                cells << QStringLiteral("14");
        } else if (key.match(t).hasMatch()) {
            for (QChar c : t)
                cells << accidental.at(QString(c));
            heading = !time.match(tokens.value(i + 1)).hasMatch();
        } else if (const auto m = time.match(t); m.hasMatch()) {
            cells << QStringLiteral("3456") << highDigit[m.captured(1).toInt()] << lowDigit[m.captured(2).toInt()];
            heading = true;
        } else if (t == u'(' || t == u')') {
            if (t == u')' && !cells.isEmpty() && cells.last() == QStringLiteral("14"))
                cells.removeLast();
            slur = t == u'(';
        } else {
            *ok = false;
        }
    }
    return cells.join(u'-');
}

// What each picture of course-src/pictures/pictures.txt shows.
QHash<QString, QStringList> readPictures()
{
    QHash<QString, QStringList> pictures;
    QFile file(kSources + QStringLiteral("/pictures/pictures.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return pictures;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        line = line.left(line.indexOf(u'#')).section(u'|', 0, 0).trimmed(); // | its text alternative
        if (line.isEmpty())
            continue;
        QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")));
        const QString name = parts.takeFirst();
        pictures.insert(name, parts);
    }
    return pictures;
}

} // namespace

class CourseBrailleTest : public QObject
{
    Q_OBJECT

    QHash<QChar, Cells> m_table;
    QString m_tableError;

    Cells cellsOf(const QString &text) const
    {
        QStringList cells;
        for (QChar c : text)
            cells << (c == u' ' ? QStringLiteral("0")
                                : m_table.value(c, QStringLiteral("(%1 not in the table)").arg(c)));
        return cells.join(u'-');
    }

    // A print text of the alphabet course as the Codice writes it: each character's cells,
    // a word of two or more letters all in capitals with the capital sign twice in front
    // and its letters small.
    Cells transcription(const QString &print) const
    {
        static const QRegularExpression word(QStringLiteral("\\w+|\\W"),
                                             QRegularExpression::UseUnicodePropertiesOption);
        const QHash<QChar, QString> codice = codiceCells();
        QStringList cells;
        for (auto it = word.globalMatch(print); it.hasNext();) {
            QString part = it.next().captured();
            // numeri: a number in a text is the number sign, then its digits as a-j
            if (part.front().isDigit()) {
                cells << QStringLiteral("3456");
                for (QChar d : part)
                    cells << codice.value(QChar(u'a' + (d.unicode() - u'1' + 10) % 10));
                continue;
            }
            if (part.size() > 1 && part == part.toUpper() && part != part.toLower()) {
                cells << QStringLiteral("46-46");
                part = part.toLower();
            }
            for (QChar c : part)
                cells << (c == u' ' ? QStringLiteral("0") // in a text * is the asterisk
                                    : codice.value(c == u'*' ? QChar(0x2022) : c, QStringLiteral("(%1 not listed)").arg(c)));
        }
        return cells.join(u'-');
    }

    // A mathematics text in print, written the course's way: the number sign before every
    // number (liblouis's translation of the number alone), the decimal comma 2 and the
    // thousands point 3 within it, a fraction's denominator in lowered digits, 4-5-6 before
    // a letter a-j right after a number, each other sign as the Codice gives it (the brackets
    // of a formula 26 and 35), blanks only beside a word or the euro sign. (liblouis keeps
    // number mode after + because its table marks + as "midnum", so it would leave out the
    // number sign of the second number.)
    Cells mathCells(const QString &print) const
    {
        const QHash<QChar, QString> codice = codiceCells();
        static const QRegularExpression token(QStringLiteral("(\\d+(?:[.,]\\d+)*)(?:/(\\d+))?|[a-z]+|\\s+|\\S"));
        QList<QRegularExpressionMatch> parts;
        for (auto it = token.globalMatch(print); it.hasNext();)
            parts << it.next();
        auto word = [&](int k) {
            const QString t = k >= 0 && k < parts.size() ? parts[k].captured() : QString();
            return !t.isEmpty() && (t.at(0).isLetter() || t == QStringLiteral("\u20ac"));
        };
        QStringList cells;
        for (int i = 0; i < parts.size(); ++i) {
            const QString t = parts[i].captured();
            if (t.at(0).isDigit()) {
                cells << codice.value(u'#');
                for (QChar c : parts[i].captured(1))
                    cells << (c == u'.' ? QStringLiteral("3") : c == u',' ? QStringLiteral("2")
                              : codice.value(QChar(c == u'0' ? u'j' : u'a' + (c.unicode() - u'1'))));
                for (QChar c : parts[i].captured(2))
                    cells << kLoweredCells.value((c.digitValue() + 9) % 10);
            } else if (t.at(0).isSpace()) {
                if (word(i - 1) || word(i + 1))
                    cells << QStringLiteral("0");
            } else {
                if (t.at(0) >= u'a' && t.at(0) <= u'j' && i > 0 && parts[i - 1].captured().at(0).isDigit())
                    cells << QStringLiteral("456");
                for (QChar c : t)
                    cells << (c == u'(' ? QStringLiteral("26") : c == u')' ? QStringLiteral("35")
                              : c == u'\u2264' ? codice.value(u'<') + QStringLiteral("-2356")
                              : c == u'\u2265' ? codice.value(u'>') + QStringLiteral("-2356") : codice.value(c));
            }
        }
        return cells.join(u'-');
    }

private slots:
    void initTestCase()
    {
        m_table = readCellTable(&m_tableError);
        QVERIFY2(m_tableError.isEmpty(), qPrintable(m_tableError));
        QVERIFY(m_table.size() > 200);
    }

    // Every character the course uses has the Codice's cells in the course's table, and
    // liblouis writes them too unless the difference is listed with its reason.
    void cellTableFollowsTheCodice()
    {
        const QHash<QChar, QString> codice = codiceCells();
        QStringList problems, texts;
        QList<QChar> witnessed;
        for (const Expected &e : kCodice) {
            QString characters = QString::fromUtf16(e.characters);
            for (QChar c : QString::fromUtf16(e.characters)) // a copy: the loop appends
                if (c.isLower() && c.toUpper() != c)
                    characters += c.toUpper();
            for (QChar c : characters) {
                if (m_table.value(c) != codice.value(c))
                    problems << QStringLiteral("%1: table %2, Codice (%3) %4")
                                    .arg(c).arg(m_table.value(c), QString::fromLatin1(e.section),
                                              codice.value(c));
                // the number sign alone is an escape in liblouis; digits are witnessed below
                if (e.witness && c != u'#' && QString::fromUtf16(e.characters).contains(c)) {
                    witnessed << c;
                    texts << QString(c);
                }
            }
        }
        for (char d = '0'; d <= '9'; ++d) {
            witnessed << QChar(d);
            texts << QString(QChar(d));
        }
        QString error;
        const QStringList louisCells = louis(texts, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (int i = 0; i < texts.size(); ++i) {
            const QChar c = witnessed[i];
            const Cells ours = c.isDigit() ? cellsOf(QStringLiteral("#") + c) : cellsOf(c);
            if (ours != louisCells[i] && !louisMayDiffer(c))
                problems << QStringLiteral("%1: table %2, liblouis %3").arg(c).arg(ours, louisCells[i]);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    // Every character written in the course's braille exercises is one the check above
    // covers (or a blank or a digit): nothing in the exercises has unchecked cells.
    void exercisesUseCheckedCharacters()
    {
        const QHash<QChar, QString> codice = codiceCells();
        QStringList strays;
        for (int course = 1; course <= 3; ++course) {
            for (const Record &r : readCourse(course)) {
                QStringList braille;
                if (r.type == 0 || r.type == 100 || r.type == 104 || r.type == 200)
                    braille = r.answer + (r.type == 0 ? r.listAnswers : QStringList());
                else if (r.type == 1 || r.type == 101 || r.type == 103 || r.type == 201)
                    braille = r.question + r.listQuestions;
                else
                    braille = r.question + r.answer + r.listQuestions + r.listAnswers;
                if (r.type == 100)
                    braille += r.listAnswers;
                for (const QString &line : braille)
                    for (QChar c : line)
                        if (!codice.contains(c) && c != u' ' && !(course < 3 && c.isDigit()))
                            strays << QStringLiteral("%1 in %2").arg(c).arg(r.where());
            }
        }
        QVERIFY2(strays.isEmpty(), qPrintable(strays.join(QStringLiteral("; "))));
    }

    // The alphabet: model answers in braille are the transcription of the print question
    // (type 0), questions in braille the transcription of the print answer (type 1), and a
    // text to correct (type 2) becomes a correct transcription of itself, not the question.
    void alphabetTranscriptions()
    {
        struct Pair
        {
            QString print, braille, where;
        };
        QList<Pair> pairs;
        QStringList problems;
        // Emphasis (corsivo :_ _:, neretto =_ _=, sottolineato -_ _-) has no print of its own:
        // the braille without it is the transcription, and a print question's title names it.
        static const QRegularExpression emphasis(QStringLiteral("([:=-])_(.+?)_\\1"));
        for (Record r : readCourse(1)) {
            for (QStringList *braille : {&r.answer, &r.question, &r.listAnswers, &r.listQuestions})
                for (QString &line : *braille)
                    for (auto m = emphasis.match(line); m.hasMatch(); m = emphasis.match(line)) {
                        const QString kind = m.captured(1) == u':' ? QStringLiteral("corsivo")
                                             : m.captured(1) == u'=' ? QStringLiteral("neretto") : QStringLiteral("sottolineat");
                        if (r.type == 0 && !(r.title.join(u' ').contains(kind) && r.title.join(u' ').contains(m.captured(2))))
                            problems << r.where() + QStringLiteral(": the title does not say %1 is %2").arg(m.captured(2), kind);
                        line.replace(m.capturedStart(), m.capturedLength(), m.captured(2));
                    }
            QStringList prints, brailles;
            if (r.random) {
                if (r.listQuestions.size() != r.listAnswers.size() || r.listQuestions.isEmpty())
                    problems << r.where() + QStringLiteral(": random lists not aligned");
                prints = r.type == 0 ? r.listQuestions : r.listAnswers;
                brailles = r.type == 0 ? r.listAnswers : r.listQuestions;
            } else if (r.type == 0) {
                prints = {r.question.join(u' ')};
                brailles = {r.answer.join(u' ')};
            } else if (r.type == 1) {
                prints = {r.answer.join(u' ')};
                brailles = {r.question.join(u' ')};
            } else if (r.type == 2) {
                // The braille font draws each character as its own transcription, but for
                // the signs of a word in capitals (||roma: ROMA) and of a number (#12: 12).
                brailles = {r.answer.join(u' ')};
                QString print = brailles[0];
                print.remove(QRegularExpression(QStringLiteral("#(?=\\d)")));
                static const QRegularExpression capitals(QStringLiteral("\\|\\|(\\w+)"));
                for (auto m = capitals.match(print); m.hasMatch(); m = capitals.match(print))
                    print.replace(m.capturedStart(), m.capturedLength(), m.captured(1).toUpper());
                prints = {print};
                if (r.question == r.answer)
                    problems << r.where() + QStringLiteral(": nothing to correct");
            }
            for (int i = 0; i < prints.size() && i < brailles.size(); ++i)
                pairs << Pair{prints[i], brailles[i], r.where()};
        }
        QStringList texts;
        for (const Pair &p : pairs)
            texts << p.print;
        QString error;
        const QStringList witness = louis(texts, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (int i = 0; i < pairs.size(); ++i) {
            const Cells expected = transcription(pairs[i].print);
            if (cellsOf(pairs[i].braille) != expected)
                problems << QStringLiteral("%1: %2 is %3, the Codice writes %4 as %5")
                                .arg(pairs[i].where, pairs[i].braille, cellsOf(pairs[i].braille),
                                     pairs[i].print, expected);
            if (expected != witness[i] && !louisMayDiffer(pairs[i].print))
                problems << QStringLiteral("%1: liblouis writes %2 as %3, not %4")
                                .arg(pairs[i].where, pairs[i].print, witness[i], expected);
        }
        QVERIFY(pairs.size() > 60);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    // Mathematics: braille operations are the print ones written the course's way (the
    // Codice's cells, liblouis witnessing the numbers); equations and results are right where they should be,
    // corrections fix a wrong result, and picture answers match what the pictures show.
    void mathematics()
    {
        const QHash<QString, QStringList> pictures = readPictures();
        QVERIFY(!pictures.isEmpty());
        struct Item
        {
            QString print, braille, where;
        };
        QList<Item> items;
        QStringList problems;
        auto wantTrue = [&](const QString &print, const QString &where) {
            if (!isTrue(print))
                problems << QStringLiteral("%1: %2 is not right").arg(where, print);
        };
        for (const Record &r : readCourse(2)) {
            const QString where = r.where();
            QList<QPair<QString, QString>> qa; // (question, answer)
            if (r.random) {
                if (r.listQuestions.size() != r.listAnswers.size() || r.listQuestions.isEmpty())
                    problems << where + QStringLiteral(": random lists not aligned");
                for (int i = 0; i < r.listQuestions.size() && i < r.listAnswers.size(); ++i)
                    qa << qMakePair(comparisonSigns(r.listQuestions[i]), r.listAnswers[i]);
            } else {
                qa << qMakePair(comparisonSigns(r.question.join(QString())), r.answer.join(QString()));
            }
            for (const auto &[question, answer] : qa) {
                switch (r.type) {
                case 100:
                    items << Item{question, answer, where};
                    wantTrue(question, where);
                    if (answer.contains(u' ') && !question.contains(QRegularExpression(QStringLiteral("[a-z\u20ac]"))))
                        problems << where + QStringLiteral(": braille with blanks");
                    break;
                case 101:
                    // a number or a comparison read back, or the result of an operation
                    if (cellsOf(question) == mathCells(answer))
                        items << Item{answer, question, where};
                    else if (same(value(mathPrint(question)), value(answer)))
                        items << Item{mathPrint(question), question, where};
                    else
                        problems << QStringLiteral("%1: %2 does not give %3")
                                        .arg(where, mathPrint(question), answer);
                    break;
                case 102:
                    items << Item{mathPrint(answer), answer, where};
                    wantTrue(mathPrint(answer), where);
                    if (question == answer)
                        problems << where + QStringLiteral(": nothing to correct");
                    break;
                case 103: {
                    items << Item{mathPrint(question), question, where};
                    const long wanted = evaluate(mathPrint(question));
                    for (int k = 0; k < 3; ++k) {
                        const QString name =
                            QStringLiteral("%1_103_%2%3").arg(r.lesson).arg(r.number).arg(QChar(u'a' + k));
                        const QStringList shown = pictures.value(name);
                        const bool match = shown.size() == 2 && shown[0] == QStringLiteral("dots")
                                           && shown[1].toLong() == wanted;
                        if (match != (k == r.right))
                            problems << QStringLiteral("%1: picture %2 (%3) and answer %4")
                                            .arg(where, name, shown.join(u' '))
                                            .arg(r.right + 1);
                        if (!QFile::exists(kCourse + QStringLiteral("/imgex/b/%1/103/%2%3.bmp")
                                                         .arg(r.lesson)
                                                         .arg(r.number)
                                                         .arg(QChar(u'a' + k))))
                            problems << where + QStringLiteral(": picture file missing");
                    }
                    break;
                }
                case 104: {
                    items << Item{mathPrint(answer), answer, where};
                    const QStringList shown =
                        pictures.value(QStringLiteral("%1_104_%2").arg(r.lesson).arg(r.number));
                    QString expected;
                    if (shown.size() == 2)
                        expected = shown[1];
                    else if (shown.size() == 3) {
                        const long a = shown[1].toLong(), b = shown[2].toLong();
                        if (shown[0] == QStringLiteral("sum"))
                            expected = QStringLiteral("%1+%2=%3").arg(a).arg(b).arg(a + b);
                        else if (shown[0] == QStringLiteral("diff"))
                            expected = QStringLiteral("%1-%2=%3").arg(a).arg(b).arg(a - b);
                        else if (shown[0] == QStringLiteral("groups"))
                            expected = QStringLiteral("%1\u00d7%2=%3").arg(a).arg(b).arg(a * b);
                    }
                    if (mathPrint(answer) != expected)
                        problems << QStringLiteral("%1: answer %2, the picture shows %3")
                                        .arg(where, mathPrint(answer), shown.join(u' '));
                    if (!QFile::exists(kCourse + QStringLiteral("/imgex/b/%1/104/%2.bmp")
                                                     .arg(r.lesson)
                                                     .arg(r.number)))
                        problems << where + QStringLiteral(": picture file missing");
                    break;
                }
                default:
                    problems << where + QStringLiteral(": not a mathematics type");
                }
            }
            // Braille in a title stands in the tag form that the windows rewrite.
            for (const QString &line : r.title) {
                const int tag = line.indexOf(QStringLiteral("</FONT><FONT FACE=\"ZEV Braille 6\""));
                if (line.contains(QStringLiteral("<FONT")) && tag < 0)
                    problems << where + QStringLiteral(": braille run not in the tag form");
                if (tag >= 0 && line.indexOf(QStringLiteral("</FONT>"), tag + 33) < 0)
                    problems << where + QStringLiteral(": braille run not closed");
            }
        }
        // Each number is the number sign and its digits (numeri), each sign its cells in the
        // Codice; liblouis writes the numbers so too.
        QStringList numbers;
        static const QRegularExpression digits(QStringLiteral("\\d+"));
        for (const Item &item : items)
            for (auto it = digits.globalMatch(item.print); it.hasNext();)
                numbers << it.next().captured();
        QString error;
        const QStringList translated = louis(numbers, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (int i = 0; i < numbers.size(); ++i)
            if (mathCells(numbers[i]) != translated[i])
                problems << QStringLiteral("liblouis writes %1 as %2").arg(numbers[i], translated[i]);
        for (const Item &item : items)
            if (cellsOf(item.braille) != mathCells(item.print))
                problems << QStringLiteral("%1: %2 is %3, %4 is written %5")
                                .arg(item.where, item.braille, cellsOf(item.braille), item.print,
                                     mathCells(item.print));
        QVERIFY(items.size() > 70);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    // Music: the braille of type 200 is the braille music of the question; the right
    // candidate of type 201 is the one whose braille music is the question, and only it.
    void music()
    {
        QStringList problems;
        int checked = 0;
        for (const Record &r : readCourse(3)) {
            bool ok = false;
            if (r.type == 200) {
                const Cells expected = musicCells(r.question.join(u' '), &ok);
                if (!ok || cellsOf(r.answer.join(QString())) != expected)
                    problems << QStringLiteral("%1: %2 for %3 (%4)")
                                    .arg(r.where(), cellsOf(r.answer.join(QString())),
                                         r.question.join(u' '), expected);
            } else if (r.type == 201) {
                const Cells question = cellsOf(r.question.join(QString()));
                if (r.question.join(QString()).contains(u'<')) // the page would open a tag there
                    problems << r.where() + QStringLiteral(": < in the braille question, write \u00ea");
                for (int k = 0; k < 3; ++k) {
                    const bool match = musicCells(r.candidates[k].join(u' '), &ok) == question && ok;
                    if (match != (k == r.right))
                        problems << QStringLiteral("%1: candidate %2 (%3), right answer %4")
                                        .arg(r.where())
                                        .arg(k + 1)
                                        .arg(r.candidates[k].join(u' '))
                                        .arg(r.right + 1);
                }
            } else {
                problems << r.where() + QStringLiteral(": not a music type");
            }
            ++checked;
        }
        QVERIFY(checked > 60);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    // Every lesson of every course: the four categories, every type of the course, a
    // verification test of exactly ten exercises (so that every grade can be reached),
    // numbers of exercises unique within the lesson, at least three lessons.
    void courseShape()
    {
        const std::set<int> types[4] = {{}, {0, 1, 2}, {100, 101, 102, 103, 104}, {200, 201}};
        QStringList problems;
        for (int course = 1; course <= 3; ++course) {
            std::map<int, std::map<int, int>> perCategory;
            std::map<int, std::set<int>> perType, numbers;
            int randoms = 0;
            for (const Record &r : readCourse(course)) {
                ++perCategory[r.lesson][r.category];
                perType[r.lesson].insert(r.type);
                if (!numbers[r.lesson].insert(r.number).second)
                    problems << QStringLiteral("course %1 %2: number used twice").arg(course).arg(r.where());
                randoms += r.random;
                if (r.title.isEmpty())
                    problems << QStringLiteral("course %1 %2: no title").arg(course).arg(r.where());
            }
            if (perCategory.size() < 3)
                problems << QStringLiteral("course %1: %2 lessons").arg(course).arg(perCategory.size());
            for (const auto &[lesson, categories] : perCategory) {
                for (int c = 1; c <= 4; ++c)
                    if (!categories.count(c) && (c != 1 || lesson != 0)) // nothing to review yet
                        problems << QStringLiteral("course %1 lesson %2: no category %3").arg(course).arg(lesson).arg(c);
                if (categories.count(4) && categories.at(4) != 10)
                    problems << QStringLiteral("course %1 lesson %2: %3 test exercises")
                                    .arg(course).arg(lesson).arg(categories.at(4));
                if (perType[lesson] != types[course])
                    problems << QStringLiteral("course %1 lesson %2: types not those of the course").arg(course).arg(lesson);
            }
            if (course < 3 && randoms == 0)
                problems << QStringLiteral("course %1: no random exercise").arg(course);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    // The lesson pages: every link reaches a page of the course (and its section), every
    // exercise link runs a lesson that has exercises, every braille cell has a text
    // alternative, and the code table's links to the lessons hold the word "jump".
    void lessonPages()
    {
        const QDir html(kCourse + QStringLiteral("/html"));
        std::set<QString> lessons; // "course digit + lesson" of the tables
        for (int course = 1; course <= 3; ++course)
            for (const Record &r : readCourse(course))
                lessons.insert(QStringLiteral("%1.%2").arg(course).arg(r.lesson));
        QStringList problems;
        int exerciseLinks = 0, jumpLinks = 0;
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
        static const QRegularExpression brailleSpan(QStringLiteral("<span class=\"brl\"[^>]*>"));
        static const QRegularExpression lesson(QStringLiteral("^(\\d)(\\d\\d)eser\\.htm$"));
        const QStringList pages =
            html.entryList({QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(pages.contains(QStringLiteral("fr1.htm")));
        QVERIFY(pages.contains(QStringLiteral("table6.html")));
        for (const QString &name : pages) {
            QFile file(html.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = fromCp1252(file.readAll());
            for (auto it = brailleSpan.globalMatch(text); it.hasNext();)
                if (!it.next().captured().contains(QStringLiteral("aria-label=\"braille: ")))
                    problems << name + QStringLiteral(": a braille cell without its dots");
            for (auto it = href.globalMatch(text); it.hasNext();) {
                const QString link = it.next().captured(1);
                const QString command = link.section(u'#', 0, 0);
                if (name == QStringLiteral("table6.html") && !link.startsWith(u'#') && !link.endsWith(QStringLiteral(".css"))
                    && !link.contains(QStringLiteral("jump")))
                    problems << QStringLiteral("table6.html: %1 would open inside the exercises").arg(link);
                if (link.startsWith(QStringLiteral("http:")) || link.startsWith(QStringLiteral("mailto:"))
                    || command == QStringLiteral("indietro.htm") || command == QStringLiteral("trova.htm")
                    || command == QStringLiteral("esci.htm") || command == QStringLiteral("progressi.htm")
                    || QRegularExpression(QStringLiteral("^[123]ripasso\\.htm$")).match(command).hasMatch()
                    || link.endsWith(QStringLiteral(".css")))
                    continue;
                if (const auto m = lesson.match(link); m.hasMatch()) {
                    ++exerciseLinks;
                    const QString key =
                        QStringLiteral("%1.%2").arg(m.captured(1)).arg(m.captured(2).toInt() - 1);
                    if (!lessons.count(key))
                        problems << QStringLiteral("%1: %2 runs a lesson without exercises").arg(name, link);
                    continue;
                }
                const QString target = link.section(u'#', 0, 0).isEmpty() ? name : link.section(u'#', 0, 0);
                const QString anchor = link.section(u'#', 1);
                QFile page(html.filePath(target));
                if (!page.open(QIODevice::ReadOnly)) {
                    problems << QStringLiteral("%1: %2 leads nowhere").arg(name, link);
                    continue;
                }
                if (!anchor.isEmpty()
                    && !page.readAll().contains(QStringLiteral("id=\"%1\"").arg(anchor).toLatin1()))
                    problems << QStringLiteral("%1: %2 has no such section").arg(name, link);
                if (name == QStringLiteral("table6.html") && target != name)
                    ++jumpLinks;
            }
        }
        QCOMPARE(exerciseLinks, int(lessons.size()));
        QVERIFY(jumpLinks >= 3);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    // The helpers of the checks above catch what they are meant to catch.
    void checkHelpers()
    {
        QCOMPARE(evaluate(QStringLiteral("12 : 4")), 3L);
        QCOMPARE(evaluate(QStringLiteral("2+3\u00d74")), 14L);
        QCOMPARE(evaluate(QStringLiteral("7:2")), -1L);
        QVERIFY(isTrue(QStringLiteral("9-4=5")));
        QVERIFY(!isTrue(QStringLiteral("5+2=8")));
        QVERIFY(isTrue(QStringLiteral("(2 + 3) \u00d7 4 = 20")) && isTrue(QStringLiteral("3 - 7 = -4")) && !isTrue(QStringLiteral("9 < 4")));
        QVERIFY(isTrue(QStringLiteral("-2\u22640")) && isTrue(QStringLiteral("4\u22654")) && !isTrue(QStringLiteral("5\u22643")));
        QVERIFY(isTrue(QStringLiteral("1.000 + 2,5 = 1.002,5")) && !isTrue(QStringLiteral("2 + 3 \u00d7 4 = 20")));
        QCOMPARE(mathPrint(QStringLiteral("#3.")), QStringLiteral("3/4"));
        QCOMPARE(mathCells(QStringLiteral("(1/10 - 12b) < 4,50 \u20ac")),
                 QStringLiteral("26-3456-1-2-356-36-3456-1-12-456-12-35-126-3456-145-2-15-245-0-45-15"));
        bool ok = false;
        // music text -> cells ("" where the text is not one)
        const std::pair<const char16_t *, const char *> music[] = {
            {u"C do4 M re4", "5-145-135"},           // a second: one octave sign
            {u"\u00fe\u00f1 do4", "5-1345-3"},       // dotted minima
            {u"C fa4 C do5", "5-1245-46-145"},       // a fifth into the next octave
            {u"C do4 C sol4", "5-145-125"},          // a fifth within the octave
            {u"C do4 C la4", "5-145-5-24"},          // a sixth
            {u"C si3 C do4", "456-245-145"},         // a second across octaves
            {u"C do4 T C re4", "5-145-1346-15"},     // a rest between
            {u"# 3/4 B S si4 | N M si4 !", "146-3456-14-256-0-126-5-2456-0-16-2345-126-13"},
            {u"ch.fa E do4 re4 ~ ( C re4 C mi4 )", "345-3456-123-0-5-13456-1356-4-14-15-14-124"},
            {u"M do4+mi4+sol4 S do5+do6", "5-1235-346-35-56-1456-36"}, // chords, a leap
            {u"C do", ""}, {u"C ut4", ""}, {u"C do8", ""}, {u"M do4+do4", ""}, {u"M do4+", ""}, {u"N", ""},
        };
        for (const auto &[text, cells] : music) {
            const Cells got = musicCells(QString::fromUtf16(text), &ok);
            QCOMPARE(ok ? got : QString(), QString::fromLatin1(cells));
        }
        QCOMPARE(transcription(QStringLiteral("ROMA, Roma (s\u00ec)")),
                 QStringLiteral("46-46-1235-135-134-1-2-0-46-1235-135-134-1-0-2356-234-34-2356"));
        QCOMPARE(cellsOf(QStringLiteral("Re")), QStringLiteral("46-1235-15"));
    }
};

QTEST_GUILESS_MAIN(CourseBrailleTest)
#include "tst_coursebraille.moc"
