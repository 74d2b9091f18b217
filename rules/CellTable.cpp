// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/CellTable.h"

#include "rules/ProgramState.h"
#include "rules/ExerciseRules.h"
#include "rules/Cp1252.h"

#include <QFile>

#include <liblouis.h>

QByteArray dotsText(Cell cell)
{
    QByteArray dots;
    for (int dot = 0; dot < 6; ++dot) {
        if (cell & (1 << dot))
            dots.append(char('1' + dot));
    }
    return dots.isEmpty() ? QByteArray("0") : dots;
}

std::optional<Cell> cellOfDots(QByteArrayView dots)
{
    if (dots == "0")
        return Cell(0);
    if (dots.isEmpty())
        return std::nullopt;
    Cell cell = 0;
    char previous = '0';
    for (char dot : dots) {
        // Dots in increasing order, each once.
        if (dot <= previous || dot > '6')
            return std::nullopt;
        cell |= Cell(1 << (dot - '1'));
        previous = dot;
    }
    return cell;
}

std::optional<char> CellTable::characterOf(Cell cell) const
{
    const int character = cell < m_character.size() ? m_character[cell] : -1;
    if (character < 0)
        return std::nullopt;
    return char(character);
}

void CellTable::add(quint8 byte, const QList<Cell> &cells)
{
    if (!m_cells[byte].isEmpty() || cells.isEmpty())
        return; // the first line of a byte counts
    m_cells[byte] = cells;
    ++m_listed;
    if (cells.size() == 1 && m_character[cells[0]] < 0)
        m_character[cells[0]] = byte;
}

void readByteTable(const QByteArray &text, int fields, const char *what,
                   const std::function<void(quint8 byte, const QList<QByteArray> &fields)> &line)
{
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray trimmed = raw.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        const QList<QByteArray> parts = trimmed.simplified().split(' ');
        bool ok = false;
        const uint byte = parts[0].toUInt(&ok, 16);
        if (!ok || byte > 0xFF || parts.size() < fields) {
            qWarning("%s: line not read: %s", what, trimmed.constData());
            continue;
        }
        line(quint8(byte), parts);
    }
}

CellTable CellTable::fromCourseText(const QByteArray &text)
{
    CellTable table;
    readByteTable(text, 2, "Cell table", [&table](quint8 byte, const QList<QByteArray> &fields) {
        QList<Cell> cells;
        for (const QByteArray &dots : fields[1].split('-')) {
            const std::optional<Cell> cell = cellOfDots(dots);
            if (!cell) {
                cells.clear();
                break;
            }
            cells.append(*cell);
        }
        if (cells.isEmpty())
            qWarning("Cell table: cells not read: %s", fields.join(' ').constData());
        table.add(byte, cells);
    });
    if (table.isEmpty())
        return table;
    const QList<Cell> full = {Cell(0x3F)};
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (table.m_cells[byte].isEmpty())
            table.m_cells[byte] = full; // drawn so, but never written for that cell
    }
    return table;
}

// The cells liblouis writes for one character alone; none when the table does not define it.
static QList<Cell> louisCells(char32_t character)
{
    const widechar in[] = {widechar(character)};
    int inLength = 1;
    widechar out[32];
    int outLength = 32;
    QList<Cell> cells;
    if (!lou_translateString("it-it-comp6.utb", in, &inLength, out, &outLength, nullptr, nullptr,
                             dotsIO | ucBrl | noUndefined))
        return cells;
    for (int i = 0; i < outLength; ++i) {
        // Unicode braille patterns; six-dot cells only.
        if (out[i] < 0x2800 || out[i] > 0x283F)
            return {};
        cells.append(Cell(out[i] - 0x2800));
    }
    return cells;
}

CellTable CellTable::fromLiblouis()
{
    CellTable table;
    const QList<Cell> numberSign = louisCells(U'#');
    // Letters first, as in a course's table: a cell that a letter shares with a digit or a
    // sign (1 is "a" and the digit 1) is written as the letter.
    for (const bool letters : {true, false}) {
        for (int byte = 0x20; byte <= 0xFF; ++byte) {
            const QString character = fromCp1252(QByteArray(1, char(byte)));
            if (character.size() != 1 || character[0] == QChar::ReplacementCharacter)
                continue; // a byte that Windows-1252 leaves unassigned
            if (character[0].isLetter() != letters)
                continue;
            QList<Cell> cells = louisCells(character[0].unicode());
            // A digit alone comes with the number sign in front.
            if (character[0].isDigit() && cells.size() == 2 && numberSign.size() == 1
                && cells[0] == numberSign[0])
                cells.removeFirst();
            table.add(quint8(byte), cells);
        }
    }
    lou_free();
    return table;
}

const CellTable &courseCells()
{
    return readCourseFile("\\braille6.txt", [](const QByteArray &text) {
        const CellTable table = CellTable::fromCourseText(text);
        return table.isEmpty() ? CellTable::fromLiblouis() : table;
    });
}

namespace {

// One unit of a text read on cells: a cell (0 to 63), or a character without cells
// (256 + its byte), such as a line break.
using Unit = int;

QList<Unit> units(const QByteArray &text, const CellTable &table, QList<int> *owners = nullptr)
{
    QList<Unit> result;
    for (int i = 0; i < text.size(); ++i) {
        const QList<Cell> &cells = table.cellsOf(text[i]);
        if (cells.isEmpty())
            result.append(256 + quint8(text[i]));
        for (Cell cell : cells)
            result.append(cell);
        if (owners)
            owners->resize(result.size(), i);
    }
    return result;
}

} // namespace

QByteArray cellText(const QByteArray &text, const CellTable &table)
{
    // A blank for the empty cell, one byte above '@' for each other cell; line breaks as
    // they are; any other character without cells escaped, so that it meets no cell.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (Unit unit : units(text, table)) {
        if (unit == 0)
            bytes.append(' ');
        else if (unit < 64)
            bytes.append(char('@' + unit));
        else if (unit == 256 + '\r' || unit == 256 + '\n')
            bytes.append(char(unit - 256));
        else
            bytes.append('\x1f').append(char(unit - 256));
    }
    return bytes;
}

bool answerIsRightByCells(const QByteArray &answer, const QByteArray &model, const CellTable &table)
{
    // A text that is not empty has cells, or characters that stand for themselves.
    return answerIsRight(cellText(answer, table), cellText(model, table));
}

int firstCellDifference(const QByteArray &answer, const QByteArray &model, const CellTable &table)
{
    QList<int> owners;
    const QList<Unit> written = units(answer, table, &owners);
    const QList<Unit> wanted = units(model, table);
    if (written == wanted)
        return -1;
    const qsizetype common = std::min(written.size(), wanted.size());
    qsizetype first = 0;
    while (first < common && written[first] == wanted[first])
        ++first;
    return first < written.size() ? owners[first] : int(answer.size());
}
