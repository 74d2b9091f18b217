// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ExerciseRules.h"

#include "rules/dm_Unit1.h"
#include "rules/Paradox.h"

#include <algorithm>

int firstDifference(const QByteArray &answer, const QByteArray &model)
{
    if (answer == model)
        return -1;
    const qsizetype longer = std::max(answer.size(), model.size());
    for (qsizetype i = 0; i < longer; ++i) {
        if (i >= answer.size() || i >= model.size() || answer[i] != model[i])
            return int(i);
    }
    return -1;
}

bool answerIsRight(const QByteArray &answer, const QByteArray &model)
{
    return !answer.isEmpty() && NormalizeAnswer(answer) == NormalizeAnswer(model);
}

bool choiceIsRight(int right, int pressed)
{
    return right >= 0 && right <= 2 && pressed == right;
}

QByteArray RewriteBrailleRun(QByteArray line, int category)
{
    static const QByteArray tag = "</FONT><FONT FACE=\"ZEV Braille 6\"";
    const qsizetype i = line.indexOf(tag);
    if (i < 0)
        return line;
    const qsizetype close = line.indexOf('>', i + tag.size());
    line.remove(i, close < 0 ? line.size() - i : close - i + 1);
    line.insert(i, "<span class=\"braille" + QByteArray::number(category) + "\">");

    // The range is fixed before the scan; a pair near the end makes the line longer, and
    // the character before the slash goes with the seven, whatever it is.
    const qsizetype last = line.size() - 3;
    for (qsizetype p = i; p <= last; ++p) {
        if (line[p] == '/' && line[p + 1] == 'F') {
            line.remove(p - 1, 7);
            line.insert(p - 1, "</span>");
        }
    }
    return line;
}

QByteArray RewriteMusicPairs(QByteArray line)
{
    static const struct
    {
        char first, second, sign;
    } rules[] = {
        {'\xfe', '\xf4', '\xd3'},
        {'\xfe', '\xf2', '\xd4'},
        {'\xfe', '\xf1', '\xd2'},
        {'\xff', '\xf1', '\xda'},
    };
    for (const auto &rule : rules) {
        const char pair[] = {rule.first, rule.second};
        const qsizetype p = line.indexOf(QByteArrayView(pair, 2));
        if (p >= 0) {
            line[p] = rule.sign;
            line[p + 1] = 'v';
        }
    }
    return line;
}

QByteArray bitmapData(const QByteArray &picture)
{
    return hasGraphicHeader(picture) ? picture.mid(8) : picture;
}
