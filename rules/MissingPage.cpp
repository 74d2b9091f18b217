// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/MissingPage.h"

QString missingPageHtml(const QString &path, const QString &links)
{
    return QStringLiteral("<!DOCTYPE html><html lang=\"it\"><head><meta charset=\"utf-8\">"
                          "<title>Pagina non trovata</title></head><body>"
                          "<h1>Pagina non trovata: %1</h1>"
                          "<p>Questa pagina manca nella cartella del corso.</p>%2</body></html>")
        .arg(path.toHtmlEscaped(), links);
}
