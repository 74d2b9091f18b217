// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <optional>

class RandomGenerator;

// A whole number as the generator's fields hold it: leading blanks, then either an optional
// sign and decimal digits within the signed 32-bit range, or a hexadecimal number of at most
// 32 bits introduced by $, x or 0x; nothing may follow. Nothing when the text is empty, holds
// a stray character or overflows.
std::optional<qint32> readWholeNumber(const QByteArray &text);

// A drawn text read as a decimal number with the decimal comma: blanks around it, an optional
// sign, digits with at most one comma among or after them, at least one digit. Nothing when
// the text is no such number or is too large to be held.
std::optional<long double> readDecimalNumber(const QByteArray &text);

// count characters drawn from set with replacement, each position equally likely; empty when
// count is 0 or less or the set is empty.
QByteArray DrawRandomText(const QByteArray &set, int count, RandomGenerator &random);

// The letter that stands for a digit in braille (1 a, 2 b ... 9 i, 0 j); any other character
// is returned unchanged.
char DigitToLetter(char c);
// Every digit of a text written as its letter.
QByteArray DigitsToLetters(QByteArray text);

// A number in the course's style, with Italian separators whatever the desktop's locale: a
// minus sign when negative, the integer part in groups of three digits separated by full
// stops, and when decimals > 0 a comma and exactly that many decimals. The value is rounded on
// its decimal expansion of up to 18 significant digits, a half away from zero.
QByteArray FormatNumber(long double value, int decimals);

// The generator of the list dialogs: count texts of length characters drawn from set; each
// text is both the question and the answer of its pair.
QList<QByteArray> GenerateTexts(const QByteArray &set, int length, int count,
                                RandomGenerator &random);

// What the arithmetic generator is asked for.
struct ArithmeticSettings
{
    QByteArray digits;     // the characters numbers are drawn from
    int length = 1;        // characters of each drawn number
    int count = 1;         // pairs to make
    bool useComma = false; // put a decimal comma into each drawn number
    int operation = 0;     // 0 none, 1 sum, 2 difference, 3 product, 4 quotient
};

// One generated number or equality, in print and in braille notation.
struct ArithmeticItem
{
    QByteArray print;
    QByteArray braille;
};

struct ArithmeticData
{
    QList<ArithmeticItem> items; // made in order, up to a stop
    bool stopped = false;        // a drawn text could not be read as a number
    QByteArray unreadable;       // that text
};

// The generator of the arithmetic dialogs: count random numbers, or equalities of two random
// numbers and their result, each in print notation (12-57=-45) and in braille notation
// (#ab-#eg=#-de). A division by zero gives 1. Generation stops at the first drawn text that
// cannot be read as a number, keeping the items made before it.
ArithmeticData GenerateArithmetic(const ArithmeticSettings &settings, RandomGenerator &random);
