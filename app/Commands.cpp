// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Commands.h"

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
    if (own.contains(QLatin1String("indietro")))
        command.kind = NavigationCommand::Back;
    else if (own.contains(QLatin1String("esci")))
        command.kind = NavigationCommand::Exit;
    else if (own.contains(QLatin1String("trova")))
        command.kind = NavigationCommand::Find;
    else if (own.contains(QLatin1String("eser.htm")))
        command = readLessonLink(own);
    // The learner's record comes after every word above, so that none of them changes.
    else if (own.contains(QLatin1String("progressi.htm")))
        command.kind = NavigationCommand::Progress;
    else if (own.contains(QLatin1String("progressi.csv")))
        command.kind = NavigationCommand::Export;
    else if (const int p = own.indexOf(QLatin1String("ripasso.htm")); p >= 0) {
        command.kind = NavigationCommand::Review;
        const QChar digit = p > 0 ? own.at(p - 1) : QChar();
        command.course = digit >= QLatin1Char('1') && digit <= QLatin1Char('3') ? digit.unicode() - '0' : 0;
    }
    // The class register's words come last of all.
    else if (own.contains(QLatin1String("classe.htm")))
        command.kind = NavigationCommand::ClassRegister;
    else if (own.contains(QLatin1String("classe.csv")))
        command.kind = NavigationCommand::ClassExport;
    // The memory of the signs, after everything else.
    else if (own.contains(QLatin1String("ripassodioggi.htm")))
        command.kind = NavigationCommand::TodayReview;
    else if (own.contains(QLatin1String("fogliobraille.htm")))
        command.kind = NavigationCommand::PracticeSheet;
    return command;
}
