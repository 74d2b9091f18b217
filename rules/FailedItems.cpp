// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/FailedItems.h"

#include <QStringDecoder>

namespace {

QString printed(const QByteArray &text)
{
    QStringDecoder decode("windows-1252");
    QString lines = decode(text);
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return lines.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

// A text twice: as print, then as the cells the course's font draws for it.
QString inPrintAndCells(const QString &label, const QByteArray &text, const FailedItemsLook &look)
{
    QString html = QStringLiteral("<p>%1: <strong>%2</strong></p>\n").arg(label, printed(text));
    if (look.cellFont.isEmpty())
        return html;
    const QString heard = look.spoken ? look.spoken(text) : QString();
    html +=
        QStringLiteral("<p>In braille: <span style=\"font-family: '%1'; font-size: 2em;\"%2>"
                       "%3</span></p>\n")
            .arg(look.cellFont.toHtmlEscaped(),
                 heard.isEmpty()
                     ? QString()
                     : QStringLiteral(" role=\"img\" aria-label=\"%1\"").arg(heard.toHtmlEscaped()),
                 printed(text));
    return html;
}

QString itemSection(const ShownExercise &item, const FailedItemsLook &look)
{
    QString html =
        QStringLiteral("<h2>Esercizio %1%2</h2>\n")
            .arg(item.number)
            .arg(item.outcome.kind == ExerciseOutcome::Skipped ? QStringLiteral(" (saltato)")
                                                               : QString());
    if (!item.asked.question.trimmed().isEmpty())
        html += inPrintAndCells(QStringLiteral("Domanda"), item.asked.question, look);
    if (item.asked.choice >= 0)
        html += QStringLiteral("<p>Risposta giusta: <strong>RISPOSTA %1</strong></p>\n")
                    .arg(item.asked.choice + 1);
    if (!item.asked.answer.trimmed().isEmpty())
        html += inPrintAndCells(item.asked.choice >= 0 ? QStringLiteral("Che è")
                                                       : QStringLiteral("Risposta giusta"),
                                item.asked.answer, look);
    return html;
}

} // namespace

QList<ShownExercise> failedItems(const QList<ShownExercise> &shown)
{
    QList<ShownExercise> failed;
    for (const ShownExercise &exercise : shown) {
        if (exercise.outcome.kind == ExerciseOutcome::FailedTest
            || exercise.outcome.kind == ExerciseOutcome::Skipped)
            failed << exercise;
    }
    return failed;
}

QByteArray failedItemsPage(const QList<ShownExercise> &failed, const FailedItemsLook &look)
{
    QString page =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"it\"><head><meta charset=\"utf-8\">"
                       "<title>%1</title>")
            .arg(look.title.toHtmlEscaped());
    if (!look.styleSheet.isEmpty())
        page += QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"%1\">")
                    .arg(look.styleSheet.toHtmlEscaped());
    page += QStringLiteral("</head><body>\n<h1>%1</h1>\n").arg(look.title.toHtmlEscaped());
    page += failed.size() == 1
                ? QStringLiteral("<p>Nel test un esercizio non è andato bene. Ecco la domanda e la "
                                 "risposta giusta, in nero e in braille.</p>\n")
                : QStringLiteral("<p>Nel test %1 esercizi non sono andati bene. Ecco le domande e "
                                 "le risposte giuste, in nero e in braille.</p>\n")
                      .arg(failed.size());
    for (const ShownExercise &item : failed)
        page += itemSection(item, look);
    page += QStringLiteral("<p><a href=\"indietro.htm\">Torna indietro</a></p>\n</body></html>\n");
    return page.toUtf8();
}
