// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Commands.h"

namespace {

QString partBelow(const QString &url, const QString &contentDirUrl)
{
    if (contentDirUrl.isEmpty() || !url.startsWith(contentDirUrl))
        return url;
    const QString rest = url.mid(contentDirUrl.size());
    if (!rest.isEmpty() && !contentDirUrl.endsWith(QLatin1Char('/')) && rest[0] != QLatin1Char('/')
        && rest[0] != QLatin1Char('\\') && rest[0] != QLatin1Char('?')
        && rest[0] != QLatin1Char('#'))
        return url; // a sibling folder whose name only begins like the content folder
    return rest;
}

} // namespace

NavigationCommand readLessonLink(const QString &text)
{
    NavigationCommand command;
    command.kind = NavigationCommand::Lesson;
    const int p = text.indexOf(QLatin1String("eser.htm"));
    if (p < 3)
        return command;
    const QString digits = text.mid(p - 3, 3);
    int v = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return command;
        v = v * 10 + (c.unicode() - '0');
    }
    command.lesson = v % 100 - 1;
    command.course = v / 100;
    return command;
}

NavigationCommand classifyNavigation(const QString &url, const QString &contentDirUrl)
{
    NavigationCommand command;
    const QString upper = url.toUpper();
    if (upper.contains(QLatin1String("MAILTO:")) || upper.contains(QLatin1String("HTTP:"))) {
        command.kind = NavigationCommand::External;
        return command;
    }
    const QString own = partBelow(url, contentDirUrl);
    for (const CommandWord &entry : CommandWords) {
        const qsizetype at = own.indexOf(entry.word);
        if (at < 0)
            continue;
        if (entry.kind == NavigationCommand::Lesson)
            return readLessonLink(own);
        command.kind = entry.kind;
        if (entry.kind == NavigationCommand::Review) {
            // The course is the digit before the word; 0 when there is none.
            const char16_t digit = at > 0 ? own.at(at - 1).unicode() : u' ';
            const int value = digit >= u'0' && digit <= u'9' ? digit - u'0' : 0;
            command.course = courseOf(value) ? value : 0;
        }
        return command;
    }
    return command;
}
