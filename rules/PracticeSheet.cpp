// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/PracticeSheet.h"

#include "rules/CellSpeech.h"
#include "rules/Cp1252.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamWriter>

#include <algorithm>
#include <tuple>

namespace {

constexpr int Question = 1, Answer = 2;

int brailleTexts(int type)
{
    switch (type) {
    case 0:   // question in print, answer in braille
    case 100: // the same in mathematics
    case 104: // a picture, the answer in braille
    case 200: // music in print, the answer in braille music
        return Answer;
    case 1:   // question in braille, answer in print
    case 101: // a number in braille, the answer in digits
    case 103: // a number in braille, a choice of pictures
    case 201: // braille music, a choice of writings
        return Question;
    case 2:   // a braille text to correct in the work box
    case 102: // a braille operation to correct
        return Question | Answer;
    default:
        return 0;
    }
}

// A sign the sheet and the page show: its character in the course ("e"), its cell as a braille
// pattern.
QString signCharacter(Cell cell, const CellTable &table)
{
    const std::optional<char> character = table.characterOf(cell);
    return character ? fromCp1252(QByteArray(1, *character)) : QStringLiteral("?");
}

// "nessuno", "1 segno", "4 segni".
QString signCount(qsizetype count)
{
    return count == 0   ? QStringLiteral("nessuno")
           : count == 1 ? QStringLiteral("1 segno")
                        : QStringLiteral("%1 segni").arg(count);
}

QString braillePattern(Cell cell)
{
    return QString(QChar(char16_t(0x2800 + cell)));
}

} // namespace

QByteArray exerciseBraille(int type, const QByteArray &question, const QByteArray &answer)
{
    const int texts = brailleTexts(type);
    QByteArray braille;
    if (texts & Question)
        braille += question;
    if ((texts & Question) && (texts & Answer))
        braille += '\n';
    if (texts & Answer)
        braille += answer;
    return braille;
}

std::array<int, 4> lessonsReached(const QList<ExerciseEntry> &exercises,
                                  const QList<RunEntry> &runs)
{
    std::array<int, 4> reached{-1, -1, -1, -1};
    for (const ExerciseEntry &entry : exercises) {
        if (entry.course >= 1 && entry.course <= 3)
            reached[entry.course] = std::max(reached[entry.course], entry.lesson);
    }
    for (const RunEntry &run : runs) {
        if (run.course >= 1 && run.course <= 3)
            reached[run.course] = std::max(reached[run.course], run.lesson);
    }
    return reached;
}

SignMemory memoryFromRecord(const QList<ExerciseEntry> &exercises,
                            const QList<PracticeExercise> &catalogue)
{
    const auto key = [](int course, int lesson, int category, int type, int number,
                        const QString &identity) {
        return QStringLiteral("%1 %2 %3 %4 %5 %6")
            .arg(course).arg(lesson).arg(category).arg(type).arg(number).arg(identity);
    };
    QHash<QString, const PracticeExercise *> byKey;
    for (const PracticeExercise &exercise : catalogue)
        byKey.insert(key(exercise.course, exercise.lesson, exercise.category, exercise.type,
                         exercise.number, exercise.identity), &exercise);
    SignMemory memory;
    for (const ExerciseEntry &entry : exercises) {
        if (const PracticeExercise *exercise = byKey.value(key(entry.course, entry.lesson,
                entry.category, entry.type, entry.number, entry.identity)))
            memory.practise(entry.course, exercise->signs, entry.outcome, entry.at.date());
    }
    return memory;
}

QList<int> todayChoice(const QList<PracticeExercise> &catalogue, const SignMemory &memory,
                       const std::array<int, 4> &reached, const QDate &today, int limit)
{
    struct DueSign
    {
        QDate due;
        int box;
        int course;
        Cell cell;
    };
    QList<DueSign> dueSigns;
    QSet<int> dueKeys; // course * 64 + cell
    for (int course = 1; course <= SignMemory::Courses; ++course) {
        for (const Cell cell : memory.due(course, today)) {
            const SignState state = memory.sign(course, cell);
            dueSigns << DueSign{state.due, state.box, course, cell};
            dueKeys << course * 64 + cell;
        }
    }
    std::stable_sort(dueSigns.begin(), dueSigns.end(), [](const DueSign &a, const DueSign &b) {
        return std::tie(a.due, a.box, a.course, a.cell) < std::tie(b.due, b.box, b.course, b.cell);
    });
    // The exercises of the lessons reached that hold each sign, in table order.
    QHash<int, QList<int>> holding;
    for (int index = 0; index < catalogue.size(); ++index) {
        const PracticeExercise &exercise = catalogue[index];
        if (exercise.course < 1 || exercise.course > 3 || exercise.lesson > reached[exercise.course])
            continue;
        for (const Cell cell : exercise.signs)
            holding[exercise.course * 64 + cell] << index;
    }
    QList<int> chosen;
    QSet<int> used, covered;
    // The exercise of a sign that covers most of the due signs still open; `avoid`, a sign the
    // exercise should rather not hold.
    const auto pick = [&](int course, Cell cell, int avoid) {
        int best = -1, bestOpen = -1;
        bool bestAvoids = false;
        for (const int index : holding.value(course * 64 + cell)) {
            if (used.contains(index))
                continue;
            int open = 0;
            for (const Cell sign : catalogue[index].signs) {
                const int key = course * 64 + sign;
                open += dueKeys.contains(key) && !covered.contains(key) ? 1 : 0;
            }
            const bool avoids = avoid < 0 || !catalogue[index].signs.contains(Cell(avoid));
            if (best < 0 || (avoids && !bestAvoids) || (avoids == bestAvoids && open > bestOpen)) {
                best = index;
                bestOpen = open;
                bestAvoids = avoids;
            }
        }
        return best;
    };
    const auto take = [&](int index) {
        chosen << index;
        used << index;
        for (const Cell sign : catalogue[index].signs)
            covered << catalogue[index].course * 64 + sign;
    };
    for (const DueSign &sign : dueSigns) {
        if (chosen.size() >= limit)
            break;
        if (covered.contains(sign.course * 64 + sign.cell))
            continue;
        const int index = pick(sign.course, sign.cell, -1);
        if (index < 0)
            continue;
        take(index);
        const std::optional<Confusion> pair = memory.mostFrequentConfusion(sign.course, sign.cell);
        if (!pair || chosen.size() >= limit)
            continue;
        const Cell other = pair->written == sign.cell ? pair->expected : pair->written;
        if (const int contrast = pick(sign.course, other, sign.cell); contrast >= 0)
            take(contrast);
    }
    return chosen;
}

QList<QList<Cell>> sheetLines(const QList<PracticeExercise> &catalogue, const SignMemory &memory,
                              const std::array<int, 4> &reached, const CellTable &table,
                              int width)
{
    constexpr int WordLines = 3;
    QList<QList<Cell>> lines;
    for (int course = 1; course <= SignMemory::Courses; ++course) {
        const QList<Cell> weak = memory.weakest(course, 5);
        if (weak.isEmpty())
            continue;
        // The words of the course's braille, each once, in table order.
        QList<QList<Cell>> words;
        QSet<QByteArray> seen;
        for (const PracticeExercise &exercise : catalogue) {
            if (exercise.course != course || exercise.lesson > reached[course])
                continue;
            for (const QByteArray &word : exercise.braille.simplified().split(' ')) {
                QList<Cell> cells;
                for (const char character : word)
                    cells << table.cellsOf(character);
                if (cells.isEmpty() || cells.size() > width || cells.contains(Cell(0)))
                    continue;
                const QByteArray key(reinterpret_cast<const char *>(cells.constData()), cells.size());
                if (!seen.contains(key)) {
                    seen << key;
                    words << cells;
                }
            }
        }
        for (const Cell sign : weak) {
            if (!lines.isEmpty())
                lines << QList<Cell>();
            QList<Cell> first{sign, 0, sign, 0, sign};
            if (const std::optional<Confusion> pair = memory.mostFrequentConfusion(course, sign)) {
                const Cell other = pair->written == sign ? pair->expected : pair->written;
                first << 0 << 0 << other << 0 << other << 0 << other;
            }
            lines << first.mid(0, width);
            QList<Cell> line;
            int wordLines = 0;
            for (const QList<Cell> &word : words) {
                if (wordLines == WordLines)
                    break;
                if (!word.contains(sign) || word.size() < 2)
                    continue;
                if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                    lines << line;
                    line.clear();
                    if (++wordLines == WordLines)
                        break;
                }
                if (!line.isEmpty())
                    line << 0;
                line << word;
            }
            if (!line.isEmpty() && wordLines < WordLines)
                lines << line;
        }
    }
    return lines;
}

char asciiBraille(Cell cell)
{
    static const char ascii[] = " A1B'K2L@CIF/MSP\"E3H9O6R^DJG>NTQ,*5<-U8V.%[$+X!&;:4\\0Z7(_?W]#Y)=";
    return ascii[cell & 63];
}

QByteArray sheetBrf(const QList<QList<Cell>> &lines, int cols, int rows)
{
    QByteArray brf;
    for (int index = 0; index < lines.size(); ++index) {
        if (index > 0 && index % rows == 0)
            brf += '\f';
        for (const Cell cell : lines[index].mid(0, cols))
            brf += asciiBraille(cell);
        brf += "\r\n";
    }
    if (!lines.isEmpty())
        brf += '\f';
    return brf;
}

QByteArray sheetPef(const QList<QList<Cell>> &lines, const QString &title, const QDate &date,
                    const QString &identifier, int cols, int rows)
{
    QByteArray pef;
    QXmlStreamWriter xml(&pef);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    const QString ns = QStringLiteral("http://www.daisy.org/ns/2008/pef");
    const QString dc = QStringLiteral("http://purl.org/dc/elements/1.1/");
    xml.writeDefaultNamespace(ns);
    xml.writeNamespace(dc, QStringLiteral("dc"));
    xml.writeStartElement(ns, QStringLiteral("pef"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2008-1"));
    xml.writeStartElement(ns, QStringLiteral("head"));
    xml.writeStartElement(ns, QStringLiteral("meta"));
    xml.writeTextElement(dc, QStringLiteral("format"), QStringLiteral("application/x-pef+xml"));
    xml.writeTextElement(dc, QStringLiteral("identifier"), identifier);
    xml.writeTextElement(dc, QStringLiteral("title"), title);
    xml.writeTextElement(dc, QStringLiteral("language"), QStringLiteral("it"));
    xml.writeTextElement(dc, QStringLiteral("date"), date.toString(Qt::ISODate));
    xml.writeEndElement(); // meta
    xml.writeEndElement(); // head
    xml.writeStartElement(ns, QStringLiteral("body"));
    xml.writeStartElement(ns, QStringLiteral("volume"));
    xml.writeAttribute(QStringLiteral("cols"), QString::number(cols));
    xml.writeAttribute(QStringLiteral("rows"), QString::number(rows));
    xml.writeAttribute(QStringLiteral("rowgap"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("duplex"), QStringLiteral("false"));
    xml.writeStartElement(ns, QStringLiteral("section"));
    // A volume holds at least one page, a page at least one row.
    const qsizetype count = std::max<qsizetype>(lines.size(), 1);
    for (qsizetype index = 0; index < count; ++index) {
        if (index % rows == 0) {
            if (index > 0)
                xml.writeEndElement(); // page
            xml.writeStartElement(ns, QStringLiteral("page"));
        }
        QString row;
        for (const Cell cell : lines.value(index).mid(0, cols))
            row += braillePattern(cell);
        xml.writeTextElement(ns, QStringLiteral("row"), row);
    }
    xml.writeEndDocument(); // closes page, section, volume, body, pef
    return pef;
}

QString signsSection(const SignMemory &memory, int course, const QString &courseName,
                     const QDate &today, const CellTable &table)
{
    const QList<Cell> practised = memory.practised(course);
    if (practised.isEmpty())
        return QStringLiteral("<p>%1: nessun segno ancora esercitato.</p>\n").arg(courseName);
    QString html =
        QStringLiteral("<table><caption>%1: i segni</caption><tbody>\n"
                       "<tr><th scope=\"row\">Segni imparati (scatola %2 o più su %3)</th>"
                       "<td>%4 su %5</td></tr>\n"
                       "<tr><th scope=\"row\">Segni da ripassare oggi</th><td>%6</td></tr>\n"
                       "</tbody></table>\n")
            .arg(courseName)
            .arg(Leitner::LearnedBox)
            .arg(Leitner::Boxes)
            .arg(memory.learnedCount(course))
            .arg(practised.size())
            .arg(signCount(memory.due(course, today).size()));
    html += QStringLiteral(
                "<table><caption>%1: i segni più deboli</caption><thead><tr>"
                "<th scope=\"col\">Segno</th><th scope=\"col\">Punti</th>"
                "<th scope=\"col\">Scatola</th><th scope=\"col\">Prossimo ripasso</th>"
                "<th scope=\"col\">Confusione più frequente</th></tr></thead><tbody>\n")
                .arg(courseName);
    for (const Cell cell : memory.weakest(course, 5)) {
        const SignState state = memory.sign(course, cell);
        QString confusion = QStringLiteral("nessuna");
        if (const std::optional<Confusion> pair = memory.mostFrequentConfusion(course, cell)) {
            const Cell other = pair->written == cell ? pair->expected : pair->written;
            confusion = QStringLiteral("%1 ↔ %2, %3")
                            .arg(signCharacter(cell, table), signCharacter(other, table),
                                 pair->count == 1 ? QStringLiteral("1 volta")
                                                  : QStringLiteral("%1 volte").arg(pair->count));
        }
        html += QStringLiteral("<tr><th scope=\"row\">%1 <span aria-hidden=\"true\">%2</span></th>"
                               "<td>%3</td><td>%4 di %5</td><td>%6</td><td>%7</td></tr>\n")
                    .arg(signCharacter(cell, table).toHtmlEscaped(), braillePattern(cell),
                         spokenCell(cell))
                    .arg(state.box)
                    .arg(Leitner::Boxes)
                    .arg(state.due <= today ? QStringLiteral("oggi")
                                            : state.due.toString(QStringLiteral("dd/MM/yyyy")),
                         confusion.toHtmlEscaped());
    }
    return html + QStringLiteral("</tbody></table>\n");
}
