// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The page a browser view shows in place of a local page that is missing: the title
// "Pagina non trovata", the missing file's path, then `links` (HTML, may be empty) that
// lead on from there.
QString missingPageHtml(const QString &path, const QString &links);
