// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/RandomRules.h"

#include "rules/Services.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The whole text as a number of the given base; nothing when a character is left over, the
// text is empty or the value does not fit.
template <class Number> std::optional<Number> readAll(const QByteArray &text, int base)
{
    Number value{};
    const char *end = text.constData() + text.size();
    const auto [stop, error] = std::from_chars(text.constData(), end, value, base);
    if (error != std::errc() || stop != end)
        return {};
    return value;
}

// Raises a string of decimal digits by one unit in its last place; returns whether a digit
// was added in front (999 -> 1000).
bool addOneUnit(std::string &digits)
{
    auto i = qsizetype(digits.size()) - 1;
    while (i >= 0 && digits[size_t(i)] == '9')
        digits[size_t(i--)] = '0';
    if (i < 0) {
        digits.insert(digits.begin(), '1');
        return true;
    }
    ++digits[size_t(i)];
    return false;
}

// Puts the decimal comma into a drawn number when it is asked for and the digit set is large
// enough: never first, never last from three characters on, last for two; returns its place
// counting from 1, or 0 when no comma was placed (shorter numbers have no place for it).
int placeComma(QByteArray &text, const ArithmeticSettings &settings, RandomGenerator &random)
{
    if (!settings.useComma || settings.digits.size() <= 2 || settings.length < 2
        || text.size() < settings.length)
        return 0;
    const int place = settings.length == 2 ? 2 : 2 + random.next(settings.length - 2);
    text[place - 1] = ',';
    return place;
}

struct Operator
{
    char print;
    char braille;
};

const Operator operators[] = {{'+', '+'}, {'-', '-'}, {'x', '('}, {':', '/'}};

long double compute(int operation, long double x, long double y)
{
    switch (operation) {
    case 1:
        return x + y;
    case 2:
        return x - y;
    case 3:
        return x * y;
    default:
        return y == 0 ? 1 : x / y;
    }
}

} // namespace

std::optional<qint32> readWholeNumber(const QByteArray &text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const QByteArray rest = text.mid(start);
    // Hexadecimal: up to 32 bits, so that $FFFFFFFF is -1.
    std::optional<quint32> hex;
    if (rest.startsWith('$') || rest.startsWith('x') || rest.startsWith('X'))
        hex = readAll<quint32>(rest.mid(1), 16);
    else if (rest.startsWith("0x") || rest.startsWith("0X"))
        hex = readAll<quint32>(rest.mid(2), 16);
    else if (rest.startsWith('+') && !rest.startsWith("+-"))
        return readAll<qint32>(rest.mid(1), 10);
    else
        return readAll<qint32>(rest, 10);
    if (!hex)
        return {};
    return qint32(*hex);
}

std::optional<long double> readDecimalNumber(const QByteArray &text)
{
    const QByteArray number = text.trimmed();
    std::string plain; // the same number with a decimal point, for the locale-free reader
    bool comma = false;
    bool digits = false;
    for (qsizetype i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (i == 0 && (c == '-' || c == '+')) {
            if (c == '-')
                plain += c;
        } else if (c == ',' && !comma) {
            comma = true;
            plain += '.';
        } else if (isDigit(c)) {
            digits = true;
            plain += c;
        } else {
            return {};
        }
    }
    if (!digits)
        return {};
    long double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return {};
    return value;
}

QByteArray DrawRandomText(const QByteArray &set, int count, RandomGenerator &random)
{
    QByteArray text;
    if (set.isEmpty())
        return text;
    for (int i = 0; i < count; ++i)
        text += set.at(random.next(int(set.size())));
    return text;
}

char DigitToLetter(char c)
{
    if (c == '0')
        return 'j';
    if (c >= '1' && c <= '9')
        return char('a' + (c - '1'));
    return c;
}

QByteArray DigitsToLetters(QByteArray text)
{
    for (char &c : text)
        c = DigitToLetter(c);
    return text;
}

QByteArray FormatNumber(long double value, int decimals)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    decimals = std::max(decimals, 0);

    // The decimal expansion: digits d1 d2 ... with the decimal point after `point` of them.
    constexpr int significant = std::min(18, std::numeric_limits<long double>::digits10);
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, significant - 1);
    const std::string expansion(buffer, written.ptr);
    const size_t e = expansion.find('e');
    std::string digits = expansion.substr(0, 1) + (e > 2 ? expansion.substr(2, e - 2) : "");
    qint64 point = std::stoi(expansion.substr(e + 1)) + 1;

    // Rounded to `decimals` places on the expansion, a half away from zero.
    const qint64 kept = point + decimals;
    if (kept < qint64(digits.size())) {
        const bool up = kept >= 0 && digits[size_t(kept)] >= '5';
        digits.resize(size_t(std::max<qint64>(kept, 0)));
        if (up && addOneUnit(digits))
            ++point;
    }
    const auto digitAt = [&](qint64 i) {
        return i >= 0 && i < qint64(digits.size()) ? digits[size_t(i)] : '0';
    };

    std::string integer;
    for (qint64 i = 0; i < point; ++i)
        integer += digitAt(i);
    if (integer.empty())
        integer = "0";
    std::string fraction;
    for (qint64 i = point; i < point + decimals; ++i)
        fraction += digitAt(i);

    QByteArray result;
    const bool zero = std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
    if (value < 0 && !zero)
        result += '-';
    for (size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            result += '.';
        result += integer[i];
    }
    if (decimals > 0)
        result += ',' + QByteArray::fromStdString(fraction);
    return result;
}

QList<QByteArray> GenerateTexts(const QByteArray &set, int length, int count,
                                RandomGenerator &random)
{
    QList<QByteArray> texts;
    for (int i = 0; i < count; ++i)
        texts << DrawRandomText(set, length, random);
    return texts;
}

ArithmeticData GenerateArithmetic(const ArithmeticSettings &settings, RandomGenerator &random)
{
    ArithmeticData data;
    const auto stop = [&data](const QByteArray &text) {
        data.stopped = true;
        data.unreadable = text;
        return data;
    };
    const bool withOperation = settings.operation >= 1 && settings.operation <= 4;
    for (int pass = 0; pass < settings.count; ++pass) {
        QByteArray first = DrawRandomText(settings.digits, settings.length, random);
        int comma = placeComma(first, settings, random);
        const std::optional<long double> x = readDecimalNumber(first);
        if (!x)
            return stop(first);

        ArithmeticItem item;
        if (!withOperation) {
            const int decimals = settings.useComma ? settings.length - comma : 0;
            item.print = FormatNumber(*x, decimals);
            item.braille = DigitsToLetters('#' + item.print);
        } else {
            QByteArray second = DrawRandomText(settings.digits, settings.length, random);
            if (const int place = placeComma(second, settings, random))
                comma = place;
            const std::optional<long double> y = readDecimalNumber(second);
            if (!y)
                return stop(second);
            // The decimals of the second number are those of all three numbers.
            const int decimals = settings.useComma ? settings.length - comma : 0;
            const QByteArray X = FormatNumber(*x, decimals);
            const QByteArray Y = FormatNumber(*y, decimals);
            const QByteArray R = FormatNumber(compute(settings.operation, *x, *y), decimals);
            const Operator &sign = operators[settings.operation - 1];
            item.print = X + sign.print + Y + '=' + R;
            item.braille = DigitsToLetters('#' + X + sign.braille + '#' + Y + "=#" + R);
        }
        data.items << item;
    }
    return data;
}
