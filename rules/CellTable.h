// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/ProgramState.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QList>

#include <array>
#include <functional>
#include <optional>

// Reads a course's table of characters: one line a byte ("byte field …", the byte in
// hexadecimal), "#" comment lines. `line` is called with each byte and the line's fields
// (the byte's own first); a line with fewer than `fields` fields, or no byte, is reported
// with `what` and left out.
void readByteTable(const QByteArray &text, int fields, const char *what,
                   const std::function<void(quint8 byte, const QList<QByteArray> &fields)> &line);

// What `read` makes of a file of the course's folder (a backslash path under ContentDir; an
// empty text when it cannot be read), kept until ContentDir changes. One cache a call site.
template <class Read> const auto &readCourseFile(const char *relative, Read read)
{
    static decltype(read(QByteArray())) made;
    static QString readFrom;
    const QString path = contentFile(QString::fromLatin1(relative));
    if (readFrom.isNull() || path != readFrom) {
        readFrom = path;
        QFile file(path);
        made = read(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return made;
}

// A six-dot braille cell: bit 0 is dot 1, ..., bit 5 is dot 6; 0 is the empty cell.
using Cell = quint8;

// A cell as its raised dots in increasing order ("1245"); "0" for the empty cell.
QByteArray dotsText(Cell cell);
// The cell written as dots ("1245", "0"); none when the text is not a six-dot cell.
std::optional<Cell> cellOfDots(QByteArrayView dots);

// Which cells each Windows-1252 character stands for, and which character a single cell is
// written with. A capital letter may be two cells (the capital sign, then the letter).
class CellTable
{
public:
    // A course's table file: lines "byte cells character" (byte in hexadecimal, cells as
    // dots joined by "-"), "#" comment lines. A byte from 0x20 up that is not listed
    // stands for the full cell 123456, as the course's fonts draw it.
    static CellTable fromCourseText(const QByteArray &text);
    // liblouis's Italian six-dot table it-it-comp6.utb: each character translated alone,
    // a digit without the number sign in front (the sign is the character "#"). Characters
    // that the table does not define have no cells. Empty when liblouis cannot load it.
    static CellTable fromLiblouis();

    bool isEmpty() const { return m_listed == 0; }
    // The cells of a character; none for line breaks and characters without braille.
    const QList<Cell> &cellsOf(char character) const { return m_cells[quint8(character)]; }
    // The first character the table lists as this one cell; none when no character is.
    std::optional<char> characterOf(Cell cell) const;

private:
    void add(quint8 byte, const QList<Cell> &cells);

    std::array<QList<Cell>, 256> m_cells;
    std::array<int, 64> m_character = [] {
        std::array<int, 64> none;
        none.fill(-1);
        return none;
    }();
    int m_listed = 0;
};

// The table of the course in ContentDir ("\braille6.txt"), or liblouis's when the course
// carries none; read again when ContentDir changes.
const CellTable &courseCells();

// A text as the sequence of its cells, in a form that NormalizeAnswer reads as it reads a
// text: the empty cell is a blank, line breaks stay line breaks. Two texts written with the
// same cells give the same bytes.
QByteArray cellText(const QByteArray &text, const CellTable &table);
// The check of the answer boxes on cells: both texts through the table, then normalised and
// compared; an empty answer is never right.
bool answerIsRightByCells(const QByteArray &answer, const QByteArray &model,
                          const CellTable &table);
// The position in `answer` of the character that holds the first cell differing from
// `model` (the texts as they stand, one LF a line break); the length of the answer when it
// is a beginning of the model, -1 when the cells are the same.
int firstCellDifference(const QByteArray &answer, const QByteArray &model, const CellTable &table);
