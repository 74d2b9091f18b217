// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/CellTable.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <utility>

// Braille said as braille: each cell by its raised dots, in Italian, so that a learner who
// cannot see the screen hears the cells and never the print they stand for.

// One cell: "punto 1", "punti 1 4"; the empty cell is "spazio".
QString spokenCell(Cell cell);
// Several cells, one after another: "punti 4 6, punti 1 2 3 5".
QString spokenCells(const QList<Cell> &cells);

// A text drawn in the braille font, as its cells are heard. `starts`, when given, receives
// for each character of the text the offset in the spoken text where its cells begin, and
// one more entry, the spoken text's length. A line break is "a capo"; a character that
// the table gives no cells is "segno senza cella".
QString spokenBraille(const QByteArray &text, const CellTable &table,
                      QList<qsizetype> *starts = nullptr);

// "prima", "seconda", ... "ventesima"; beyond that, "numero 21". Feminine, as for "cella".
QString ordinalFeminine(int number);

// What "Aiuto" says about the first place where a braille answer differs from the model
// (both as they stand, one LF a line break): which cell it is, counted from the start of
// its line ("riga 2, " in front when the answer has several lines), and what it should be
// ("terza cella: dovrebbe essere punti 1 4"; "... dovrebbe andare a capo"; "... è di troppo").
// `position` is the character of the answer that "Aiuto" selects. With `byCells` the two
// texts are compared on their cells, otherwise character by character. Empty when the
// answer does not differ.
QString cellHelp(const QByteArray &answer, const QByteArray &model, int position,
                 const CellTable &table, bool byCells);

// What differs in the first wrong cell of a braille answer, in words a learner understands
// (both texts as they stand, one LF a line break, read through the course's cells):
// "Terza cella: manca il punto 4.", "Terza cella: c'è in più il punto 3.", "Terza cella: è la
// cella girata allo specchio (punti 4 5 invece di 1 2).", "Terza cella: spostata di una
// riga.", "Manca la terza cella.", "Manca una cella alla fine.", "C'è una cella in più dopo
// la quarta." Only the first difference is named. Empty when the cells are the model's, or
// when the first difference is no cell (a line break, a sign without cells).
QString wrongCell(const QByteArray &answer, const QByteArray &model, const CellTable &table);

// The first wrong cell of a braille answer as wrongCell finds it, when it is one cell written
// for another: (written, expected). None when the cells are the model's, or when the first
// difference is a cell missing or one too many, a line break or a sign without cells.
std::optional<std::pair<Cell, Cell>> wrongCellPair(const QByteArray &answer,
                                                   const QByteArray &model,
                                                   const CellTable &table);

// The signs that the music font draws for some bytes, with their spoken names. The other
// bytes are letters, digits and signs of print, and are read as they are.
class MusicSigns
{
public:
    // The course's table: lines "byte sign name" (byte in hexadecimal, the sign as a
    // reminder, then the spoken name, which may hold blanks; a byte drawn as nothing has
    // the name "-"); "#" comment lines.
    static MusicSigns fromCourseText(const QByteArray &text);

    bool isEmpty() const { return m_listed == 0; }
    // Whether the font draws the byte as a sign of its own.
    bool isSign(char byte) const { return m_listed && m_signs[quint8(byte)].has_value(); }
    // The name of the sign; empty for a sign drawn as nothing.
    QString nameOf(char byte) const;

private:
    std::array<std::optional<QString>, 256> m_signs;
    int m_listed = 0;
};

// The table of the course in ContentDir ("\font\segni_musicali.txt"); empty when the course
// carries none. Read again when ContentDir changes.
const MusicSigns &courseMusicSigns();

// A text drawn in the music font (as it stands on the page, its pairs already rewritten),
// as it is heard: each sign by its name, the print between the signs as it is.
QString spokenMusic(const QByteArray &text, const MusicSigns &signs);
