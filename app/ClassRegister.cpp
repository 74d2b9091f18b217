// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClassRegister.h"

#include "rules/Codes.h"

#include "app/Progress.h"

#include <QStringList>

#include <algorithm>

namespace {

// What the register says of one learner in one course.
struct CourseLine
{
    bool practised = false;
    int lessonReached = 0; // Lezione, as the table counts it
    const RunEntry *lastTest = nullptr;
    const RunEntry *bestTest = nullptr;
    qsizetype toReview = 0;
    QDateTime lastPractice;
};

CourseLine courseLine(const LearnerEntries &learner, int course)
{
    CourseLine line;
    const auto practised = [&](int lesson, const QDateTime &at) {
        line.lessonReached = line.practised ? std::max(line.lessonReached, lesson) : lesson;
        line.practised = true;
        if (!line.lastPractice.isValid() || at > line.lastPractice)
            line.lastPractice = at;
    };
    for (const ExerciseEntry &entry : learner.exercises)
        if (entry.course == course)
            practised(entry.lesson, entry.at);
    for (const RunEntry &run : learner.runs)
        if (run.course == course)
            practised(run.lesson, run.at);
    std::tie(line.lastTest, line.bestTest) = lastAndBestTest(learner.runs, course);
    line.toReview = reviewList(learner.exercises, course).size();
    return line;
}

QString testText(const RunEntry *run)
{
    return run ? QStringLiteral("%1, lezione %2").arg(gradeText(*run)).arg(run->lesson + 1)
               : QStringLiteral("nessuno");
}

// The cells of a line after the learner's name, as text.
QStringList cells(const CourseLine &line)
{
    if (!line.practised)
        return {QStringLiteral("nessuna"), testText(nullptr), testText(nullptr),
                QStringLiteral("0"), QStringLiteral("mai")};
    return {QStringLiteral("Lezione %1").arg(line.lessonReached + 1), testText(line.lastTest),
            testText(line.bestTest), QString::number(line.toReview),
            line.lastPractice.toString(QStringLiteral("dd/MM/yyyy"))};
}

QString csvField(QString text)
{
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\""))
               + QLatin1Char('"');
    return text;
}

} // namespace

QString learnerPageName(int index)
{
    return QStringLiteral("allievo%1.htm").arg(index + 1);
}

QByteArray classRegisterPage(const QList<LearnerEntries> &learners, const QDateTime &readAt)
{
    QString page = recordPageHead(QStringLiteral("Registro della classe"), true)
                   + QStringLiteral("<p>Letto dal server il %1. <a href=\"classe.htm\">Aggiorna"
                                    "</a></p>\n")
                         .arg(readAt.toString(QStringLiteral("dd/MM/yyyy 'alle' HH:mm")));
    if (learners.isEmpty())
        page += QStringLiteral("<p>Nella classe non c'è ancora nessun allievo.</p>\n");
    for (const Course each : AllCourses) {
        const int course = int(each);
        if (learners.isEmpty())
            break;
        page += QStringLiteral("<h2>%1</h2>\n<table><caption>%1: allievi</caption><thead><tr>"
                               "<th scope=\"col\">Allievo</th>"
                               "<th scope=\"col\">Lezione raggiunta</th>"
                               "<th scope=\"col\">Ultimo test</th>"
                               "<th scope=\"col\">Miglior test</th>"
                               "<th scope=\"col\">Da ripassare</th>"
                               "<th scope=\"col\">Ultimo giorno di pratica</th>"
                               "</tr></thead><tbody>\n")
                    .arg(courseName(course));
        for (int index = 0; index < learners.size(); ++index) {
            page += QStringLiteral("<tr><th scope=\"row\"><a href=\"%1\">%2</a></th>")
                        .arg(learnerPageName(index), learners[index].learner.toHtmlEscaped());
            for (const QString &cell : cells(courseLine(learners[index], course)))
                page += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
            page += QStringLiteral("</tr>\n");
        }
        page += QStringLiteral("</tbody></table>\n");
    }
    page += QStringLiteral("<p><a href=\"classe.csv\">Esporta il registro della classe in un "
                           "file CSV</a> (nella cartella dei documenti).</p>\n"
                           "<p><a href=\"esci.htm\">Esci</a></p>\n</body></html>\n");
    return page.toUtf8();
}

QByteArray classRegisterCsv(const QList<LearnerEntries> &learners)
{
    QStringList lines{QStringLiteral("allievo;corso;lezione raggiunta;ultimo test;miglior test;"
                                     "da ripassare;ultimo giorno di pratica")};
    for (const LearnerEntries &learner : learners) {
        for (const Course each : AllCourses) {
            const int course = int(each);
            QStringList fields{csvField(learner.learner), courseName(course)};
            for (const QString &cell : cells(courseLine(learner, course)))
                fields << csvField(cell);
            lines << fields.join(QLatin1Char(';'));
        }
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
