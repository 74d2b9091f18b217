// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QUrl>

// How a page's navigation came about.
enum class NavigationOrigin
{
    Learner, // a link the learner followed (a click, or Enter on it)
    Program, // the program's own: a page it opens, going back, reloading
    Page,    // the page's own doing: a redirect, a meta refresh, a form, a script
};

enum class NavigationVerdict
{
    Go,
    Refuse,       // silently: the learner asked for nothing
    RefuseAndSay, // the learner followed the link, and is told why nothing opens
};

// Whether a page may go to `url`. A course folder comes from anywhere, so its pages stay
// inside `folders` (the course and the learner's own folder): a local file elsewhere is
// refused, as are the schemes that run or make a document of their own (javascript:, data:,
// blob:, view-source: …). Web and e-mail addresses go ahead only from a link the learner
// followed; what the program does with them is the caller's affair. With no folders, any
// local file may be shown.
NavigationVerdict judgeNavigation(const QUrl &url, NavigationOrigin origin,
                                  const QStringList &folders);
