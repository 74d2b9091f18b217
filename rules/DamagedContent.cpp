// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/DamagedContent.h"

QString unreadableExerciseMessage(const QString &table, int lesson, int category,
                                  const QVariant &number, const QString &problem)
{
    const QString exercise = number.isValid()
                                 ? QStringLiteral("L'esercizio n. %1").arg(number.toInt())
                                 : QStringLiteral("Un esercizio senza numero");
    return QStringLiteral("%1 della lezione %2, categoria %3, della tabella \"%4\" non può "
                          "essere mostrato:\r\n%5\r\nL'esercizio viene saltato e non conta nel "
                          "risultato.")
        .arg(exercise)
        .arg(lesson)
        .arg(category)
        .arg(table, problem);
}

QString missingFirstPageMessage(const QString &path)
{
    return QStringLiteral("Pagina iniziale del corso non trovata: \"%1\".\r\nIl programma non "
                          "può essere usato senza di essa.")
        .arg(path);
}
