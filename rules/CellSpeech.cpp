// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/CellSpeech.h"

#include "rules/ProgramState.h"
#include "rules/Cp1252.h"

#include <QFile>

static const QString CellSeparator = QStringLiteral(", ");

QString spokenCell(Cell cell)
{
    if (cell == 0)
        return QStringLiteral("spazio");
    QString dots;
    int count = 0;
    for (int dot = 0; dot < 6; ++dot) {
        if (cell & (1 << dot)) {
            dots += QLatin1Char(' ') + QChar(u'1' + dot);
            ++count;
        }
    }
    return (count == 1 ? QStringLiteral("punto") : QStringLiteral("punti")) + dots;
}

QString spokenCells(const QList<Cell> &cells)
{
    QStringList spoken;
    for (Cell cell : cells)
        spoken << spokenCell(cell);
    return spoken.join(CellSeparator);
}

// What a character of a braille text is heard as, without the separator.
static QString spokenCharacter(char character, const CellTable &table)
{
    if (character == '\n')
        return QStringLiteral("a capo");
    const QList<Cell> &cells = table.cellsOf(character);
    return cells.isEmpty() ? QStringLiteral("segno senza cella") : spokenCells(cells);
}

QString spokenBraille(const QByteArray &text, const CellTable &table, QList<qsizetype> *starts)
{
    QString spoken;
    if (starts)
        starts->clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (starts)
            starts->append(spoken.size());
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // CR LF is one line break, heard once
        if (!spoken.isEmpty())
            spoken += CellSeparator;
        spoken += spokenCharacter(text[i], table);
    }
    if (starts)
        starts->append(spoken.size());
    return spoken;
}

QString ordinalFeminine(int number)
{
    static const char *const names[] = {
        "prima",       "seconda",        "terza",         "quarta",          "quinta",
        "sesta",       "settima",        "ottava",        "nona",            "decima",
        "undicesima",  "dodicesima",     "tredicesima",   "quattordicesima", "quindicesima",
        "sedicesima",  "diciassettesima", "diciottesima", "diciannovesima",  "ventesima"};
    if (number >= 1 && number <= 20)
        return QString::fromLatin1(names[number - 1]);
    return QStringLiteral("numero %1").arg(number);
}

namespace {

// A text read as the learner meets it: one unit a cell, a line break as Break, a character
// without cells as NoCell. `owners` gets the character that holds each unit.
constexpr int Break = -1;
constexpr int NoCell = -2;

QList<int> readUnits(const QByteArray &text, const CellTable &table, QList<int> *owners)
{
    QList<int> units;
    for (int i = 0; i < text.size(); ++i) {
        const QList<Cell> &cells = table.cellsOf(text[i]);
        if (text[i] == '\n')
            units.append(Break);
        else if (cells.isEmpty())
            units.append(NoCell);
        for (Cell cell : cells)
            units.append(cell);
        owners->resize(units.size(), i);
    }
    return units;
}

} // namespace

QString cellHelp(const QByteArray &answer, const QByteArray &model, int position,
                 const CellTable &table, bool byCells)
{
    QList<int> answerOwners, modelOwners;
    const QList<int> written = readUnits(answer, table, &answerOwners);
    const QList<int> wanted = readUnits(model, table, &modelOwners);
    if (position < 0 || (byCells ? written == wanted : answer == model))
        return {};

    // The unit where the difference is, and what the model has there.
    qsizetype unit = 0;
    QList<int> should;
    if (byCells) {
        while (unit < written.size() && unit < wanted.size() && written[unit] == wanted[unit])
            ++unit;
        if (unit < wanted.size())
            should = {wanted[unit]};
    } else {
        // The characters before `position` are the same in both texts, and so their units.
        unit = std::lower_bound(answerOwners.begin(), answerOwners.end(), position)
               - answerOwners.begin();
        for (qsizetype i = unit; i < wanted.size() && modelOwners[i] == modelOwners[unit]; ++i)
            should.append(wanted[i]);
    }

    int line = 1;
    int cell = 1;
    for (qsizetype i = 0; i < unit && i < written.size(); ++i) {
        if (written[i] == Break) {
            ++line;
            cell = 1;
        } else {
            ++cell;
        }
    }
    QString where = ordinalFeminine(cell) + QStringLiteral(" cella");
    if (answer.contains('\n') || model.contains('\n'))
        where = QStringLiteral("riga %1, ").arg(line) + where;

    if (should.isEmpty())
        return where + QStringLiteral(": è di troppo");
    QString what;
    if (should.first() == Break) {
        what = QStringLiteral("dovrebbe andare a capo");
    } else if (should.first() == NoCell) {
        what = QStringLiteral("dovrebbe essere un segno senza cella");
    } else {
        QList<Cell> cells;
        for (int unitCell : should)
            cells.append(Cell(unitCell));
        what = QStringLiteral("dovrebbe essere ") + spokenCells(cells);
    }
    const bool missing = unit >= written.size();
    return where + (missing ? QStringLiteral(": manca, ") : QStringLiteral(": ")) + what;
}

namespace {

// "il punto 4", "i punti 4 e 5", "i punti 1, 2 e 3".
QString dotNames(Cell dots)
{
    QStringList numbers;
    for (int dot = 1; dot <= 6; ++dot) {
        if (dots & (1 << (dot - 1)))
            numbers << QString::number(dot);
    }
    if (numbers.size() == 1)
        return QStringLiteral("il punto ") + numbers.first();
    const QString last = numbers.takeLast();
    return QStringLiteral("i punti ") + numbers.join(QLatin1String(", ")) + QStringLiteral(" e ")
           + last;
}

// "punti 4 5", "punto 4".
QString dotsSpoken(Cell cell)
{
    QString digits;
    for (const char dot : dotsText(cell))
        digits += (digits.isEmpty() ? QString() : QStringLiteral(" ")) + QLatin1Char(dot);
    return (digits.size() == 1 ? QStringLiteral("punto ") : QStringLiteral("punti ")) + digits;
}

// The cell as the other side of the sheet shows it: the columns swapped.
Cell mirrored(Cell cell)
{
    return Cell(((cell & 07) << 3) | ((cell >> 3) & 07));
}

// The cell one row lower or higher, where its dots leave room for that.
bool shiftedOneRow(Cell written, Cell wanted)
{
    constexpr Cell bottom = 044, top = 011;
    return ((wanted & bottom) == 0 && written == Cell(wanted << 1))
           || ((wanted & top) == 0 && written == Cell(wanted >> 1));
}

QString capitalised(QString text)
{
    text[0] = text[0].toUpper();
    return text;
}

} // namespace

namespace {

// The cells of an answer and of its model, and where they first differ.
struct FirstDifference
{
    QList<int> written, wanted;
    qsizetype unit = 0;
};

FirstDifference firstDifference(const QByteArray &answer, const QByteArray &model,
                                const CellTable &table)
{
    QList<int> answerOwners, modelOwners;
    FirstDifference difference{readUnits(answer, table, &answerOwners),
                               readUnits(model, table, &modelOwners)};
    const QList<int> &written = difference.written, &wanted = difference.wanted;
    qsizetype &unit = difference.unit;
    while (unit < written.size() && unit < wanted.size() && written[unit] == wanted[unit])
        ++unit;
    return difference;
}

} // namespace

QString wrongCell(const QByteArray &answer, const QByteArray &model, const CellTable &table)
{
    const auto [written, wanted, unit] = firstDifference(answer, model, table);
    if (unit == written.size() && unit == wanted.size())
        return {};
    int line = 1;
    int cell = 1;
    for (qsizetype i = 0; i < unit; ++i) {
        if (written[i] == Break) {
            ++line;
            cell = 1;
        } else {
            ++cell;
        }
    }
    const bool lines = answer.contains('\n') || model.contains('\n');
    const QString where = lines ? QStringLiteral("Riga %1, %2 cella").arg(line).arg(ordinalFeminine(cell))
                                : capitalised(ordinalFeminine(cell)) + QStringLiteral(" cella");
    const auto extraAfter = [&] {
        return cell == 1 ? QStringLiteral("C'è una cella in più all'inizio.")
                         : QStringLiteral("C'è una cella in più dopo la %1.").arg(ordinalFeminine(cell - 1));
    };
    if (unit >= written.size())
        return wanted.size() - unit == 1 ? QStringLiteral("Manca una cella alla fine.")
                                         : QStringLiteral("Mancano %1 celle alla fine.")
                                               .arg(wanted.size() - unit);
    if (unit >= wanted.size())
        return extraAfter();
    if (written[unit] < 0 || wanted[unit] < 0)
        return {};
    if (written.mid(unit + 1) == wanted.mid(unit))
        return extraAfter();
    if (written.mid(unit) == wanted.mid(unit + 1))
        return QStringLiteral("Manca la %1 cella.").arg(ordinalFeminine(cell));
    const Cell is = Cell(written[unit]);
    const Cell should = Cell(wanted[unit]);
    if (mirrored(is) == should)
        return where + QStringLiteral(": è la cella girata allo specchio (%1 invece di %2).")
                           .arg(dotsSpoken(is), dotsSpoken(should).section(QLatin1Char(' '), 1));
    if (shiftedOneRow(is, should))
        return where + QStringLiteral(": spostata di una riga.");
    QStringList differences;
    if (const Cell missing = should & ~is) {
        differences << (dotNames(missing).startsWith(QLatin1String("il "))
                            ? QStringLiteral("manca ")
                            : QStringLiteral("mancano "))
                           + dotNames(missing);
    }
    if (const Cell extra = is & ~should) {
        differences << (dotNames(extra).startsWith(QLatin1String("il "))
                            ? QStringLiteral("c'è in più ")
                            : QStringLiteral("ci sono in più "))
                           + dotNames(extra);
    }
    return where + QStringLiteral(": ") + differences.join(QLatin1String(", ")) + QLatin1Char('.');
}

std::optional<std::pair<Cell, Cell>> wrongCellPair(const QByteArray &answer,
                                                   const QByteArray &model,
                                                   const CellTable &table)
{
    const auto [written, wanted, unit] = firstDifference(answer, model, table);
    // As wrongCell reads it: a cell missing or one too many is no cell written for another.
    if (unit >= written.size() || unit >= wanted.size() || written[unit] < 0 || wanted[unit] < 0
        || written.mid(unit + 1) == wanted.mid(unit) || written.mid(unit) == wanted.mid(unit + 1))
        return std::nullopt;
    return std::make_pair(Cell(written[unit]), Cell(wanted[unit]));
}

MusicSigns MusicSigns::fromCourseText(const QByteArray &text)
{
    MusicSigns signs;
    readByteTable(text, 3, "Music sign table",
                  [&signs](quint8 byte, const QList<QByteArray> &fields) {
                      const QByteArray name = fields.mid(2).join(' ');
                      if (!signs.m_signs[byte])
                          ++signs.m_listed;
                      signs.m_signs[byte] = name == "-" ? QString() : QString::fromUtf8(name);
                  });
    return signs;
}

QString MusicSigns::nameOf(char byte) const
{
    const std::optional<QString> &name = m_signs[quint8(byte)];
    return name ? *name : QString();
}

const MusicSigns &courseMusicSigns()
{
    return readCourseFile("\\font\\segni_musicali.txt", &MusicSigns::fromCourseText);
}

QString spokenMusic(const QByteArray &text, const MusicSigns &signs)
{
    QString spoken;
    QByteArray print;
    const auto flushPrint = [&] {
        const QString words = fromCp1252(print).simplified();
        if (!words.isEmpty())
            spoken += (spoken.isEmpty() ? QString() : QStringLiteral(" ")) + words;
        print.clear();
    };
    for (char byte : text) {
        if (!signs.isSign(byte)) {
            print.append(byte);
            continue;
        }
        flushPrint();
        const QString name = signs.nameOf(byte);
        if (!name.isEmpty())
            spoken += (spoken.isEmpty() ? QString() : QStringLiteral(", ")) + name;
    }
    flushPrint();
    return spoken;
}
