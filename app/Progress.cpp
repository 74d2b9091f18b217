// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Progress.h"

#include "rules/Codes.h"
#include "rules/CourseFields.h"
#include "rules/Table.h"
#include "reference/Result.h"
#include "rules/PracticeSheet.h"

#include <QCryptographicHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// What tells one exercise from another: its place in the course and its content.
auto exerciseKey(const ExerciseEntry &entry)
{
    return std::make_tuple(entry.course, entry.lesson, entry.category, entry.type, entry.number,
                           entry.identity);
}

int fieldOr(const Table &table, const char *field, int fallback)
{
    const QVariant value = table.fieldByName(QString::fromLatin1(field));
    return value.isValid() ? value.toInt() : fallback;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString day(const QDateTime &at)
{
    return at.toString(QStringLiteral("dd/MM/yyyy"));
}

const char *const categoryNames[] = {"ripasso", "nuovi simboli", "consolidamento", "test"};

QString categoryName(int category)
{
    return category >= int(FirstCategory) && category <= int(LastCategory)
               ? QString::fromLatin1(categoryNames[category - int(FirstCategory)])
               : QString::number(category);
}

QString csvField(QString text)
{
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\""))
               + QLatin1Char('"');
    return text;
}

} // namespace

QString gradeText(const RunEntry &run)
{
    const QString text = QStringLiteral("%1, %2/%3 (%4)").arg(run.grade).arg(run.right).arg(TestLength).arg(day(run.at));
    const QString written = writingWords(writingFromCode(run.written));
    return written.isEmpty() ? text : text + QStringLiteral(", ") + written;
}

std::pair<const RunEntry *, const RunEntry *> lastAndBestTest(const QList<RunEntry> &runs,
                                                              int course, int lesson)
{
    const RunEntry *last = nullptr;
    const RunEntry *best = nullptr;
    for (const RunEntry &run : runs) {
        if (run.course != course || (lesson >= 0 && run.lesson != lesson)
            || run.category != 4)
            continue;
        last = &run;
        if (!best || run.right >= best->right)
            best = &run;
    }
    return {last, best};
}

QString courseName(int course)
{
    const CourseInfo *info = courseInfo(course);
    return info ? QString::fromUtf8(info->name) : QString();
}

QString ofCourse(int course)
{
    const CourseInfo *info = courseInfo(course);
    return info ? QString::fromUtf8(info->ofCourse) : QString();
}

QString recordIdentity(const Table &table)
{
    QCryptographicHash digest(QCryptographicHash::Sha1);
    for (int position = 0; position < int(std::size(CourseColumns)); ++position) {
        if (table.fieldIndex(QString::fromLatin1(CourseColumns[position].name)) < 0)
            continue;
        const QByteArray bytes = table.blobAt(table.fieldIndex(
            QString::fromLatin1(CourseColumns[position].name)));
        digest.addData(QByteArray::number(bytes.size()) + ':');
        digest.addData(bytes);
    }
    return QString::fromLatin1(digest.result().toHex().left(16));
}

ExerciseEntry exerciseEntry(int course, const Table &table, const ExerciseOutcome &outcome)
{
    ExerciseEntry entry;
    entry.at = QDateTime::currentDateTime();
    entry.course = course;
    entry.lesson = fieldOr(table, Field::Lezione, 0);
    entry.category = fieldOr(table, Field::Cat_eser, 0);
    entry.number = fieldOr(table, Field::eser_nr, 0);
    entry.type = fieldOr(table, Field::T_eser, -1);
    entry.identity = recordIdentity(table);
    entry.outcome = outcome;
    return entry;
}

bool sameExercise(const ExerciseEntry &entry, int course, const Table &table)
{
    ExerciseEntry now = exerciseEntry(course, table, {});
    return exerciseKey(now) == exerciseKey(entry);
}

QList<ExerciseEntry> reviewList(const QList<ExerciseEntry> &exercises, int course)
{
    QList<ExerciseEntry> latest; // one per exercise, in the order first shown
    std::map<decltype(exerciseKey(ExerciseEntry())), qsizetype> place;
    for (const ExerciseEntry &entry : exercises) {
        if (entry.course != course)
            continue;
        const auto [same, added] = place.try_emplace(exerciseKey(entry), latest.size());
        if (added)
            latest << entry;
        else
            latest[same->second] = entry;
    }
    QList<ExerciseEntry> review;
    for (const ExerciseEntry &entry : latest) {
        if (entry.outcome.kind != ExerciseOutcome::RightFirst
            && entry.outcome.kind != ExerciseOutcome::Unreadable)
            review << entry;
    }
    std::stable_sort(review.begin(), review.end(),
                     [](const ExerciseEntry &a, const ExerciseEntry &b) { return a.lesson < b.lesson; });
    return review;
}

QString recordPageHead(const QString &title, bool classLook, const QString &styleSheet)
{
    if (!classLook && !styleSheet.isEmpty()) {
        // The course's look, with the tables' words read from the left.
        return QStringLiteral("<!DOCTYPE html>\n<html lang=\"it\"><head><meta charset=\"utf-8\">"
                              "<title>%1</title><link rel=\"stylesheet\" type=\"text/css\" "
                              "href=\"%2\"><style>th, td { text-align: left; }</style></head>"
                              "<body>\n<h1>%1</h1>\n")
            .arg(title, styleSheet.toHtmlEscaped());
    }
    const QString look =
        classLook
            ? QStringLiteral(
                  "body { font-family: \"DejaVu Sans\", Verdana, Arial, sans-serif; font-size: "
                  "1.1em; line-height: 1.5; color: #1a1a1a; background: #fffdf6; margin: 1em "
                  "auto; max-width: 64em; padding: 0 1em; }"
                  "h1, h2 { color: #044895; line-height: 1.25; }"
                  "a { color: #003c8f; }"
                  "a:focus, a:hover { background: #ffe680; color: #000; outline: 3px solid "
                  "#044895; }"
                  "table { border-collapse: collapse; margin: 0.6em 0 1em; background: #ffffff; }"
                  "caption { text-align: left; font-weight: bold; padding: 0.2em 0; }"
                  "th, td { border: 1px solid #9aa9c4; padding: 0.25em 0.7em; text-align: left; }"
                  "th { background: #e6eef9; }")
            : QStringLiteral(
                  "body { font-family: Verdana, Arial, sans-serif; font-size: 16px; margin: 2em; }"
                  "table { border-collapse: collapse; margin-bottom: 1em; }"
                  "th, td { border: 1px solid #666; padding: 0.3em 0.8em; text-align: left; }"
                  "caption { text-align: left; font-weight: bold; }");
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"it\"><head><meta charset=\"utf-8\">"
                          "<title>%1</title><style>%2</style></head><body>\n<h1>%1</h1>\n")
        .arg(title, look);
}

QString courseProgress(int course, const QList<ExerciseEntry> &exercises,
                       const QList<RunEntry> &runs, bool own)
{
    QString html = QStringLiteral("<h2>%1</h2>\n").arg(courseName(course));
    QSet<int> lessonSet;
    for (const ExerciseEntry &entry : exercises)
        if (entry.course == course)
            lessonSet << entry.lesson;
    for (const RunEntry &run : runs)
        if (run.course == course)
            lessonSet << run.lesson;
    QList<int> lessons(lessonSet.begin(), lessonSet.end());
    std::sort(lessons.begin(), lessons.end());
    if (lessons.isEmpty()) {
        html += QStringLiteral("<p>Nessun esercizio ancora svolto.</p>\n");
        return html;
    }
    const QList<ExerciseEntry> review = reviewList(exercises, course);
    html += QStringLiteral("<table><caption>%1: lezioni</caption><thead><tr>"
                           "<th scope=\"col\">Lezione</th><th scope=\"col\">Categorie svolte</th>"
                           "<th scope=\"col\">Ultimo test</th><th scope=\"col\">Miglior test</th>"
                           "<th scope=\"col\">Da ripassare</th></tr></thead><tbody>\n")
                .arg(courseName(course));
    for (int lesson : lessons) {
        QMap<int, QDateTime> done; // category -> when last ended
        for (const RunEntry &run : runs) {
            if (run.course == course && run.lesson == lesson)
                done[run.category] = run.at;
        }
        const auto [last, best] = lastAndBestTest(runs, course, lesson);
        QStringList categories;
        for (auto it = done.cbegin(); it != done.cend(); ++it) {
            categories << QStringLiteral("%1 (%2)").arg(categoryName(it.key()), day(it.value()));
        }
        const auto waiting =
            std::count_if(review.begin(), review.end(),
                          [lesson](const ExerciseEntry &entry) { return entry.lesson == lesson; });
        html += QStringLiteral("<tr><th scope=\"row\">Lezione %1</th><td>%2</td><td>%3</td>"
                               "<td>%4</td><td>%5</td></tr>\n")
                    .arg(lesson + 1)
                    .arg(categories.isEmpty() ? QStringLiteral("nessuna")
                                              : escaped(categories.join(QStringLiteral(", "))))
                    .arg(last ? escaped(gradeText(*last)) : QStringLiteral("nessuno"))
                    .arg(best ? escaped(gradeText(*best)) : QStringLiteral("nessuno"))
                    .arg(waiting);
    }
    html += QStringLiteral("</tbody></table>\n");
    if (own && !review.isEmpty())
        html += QStringLiteral("<p><a href=\"%1ripasso.htm\">Ripassa gli esercizi %2 da "
                               "rifare (%3)</a></p>\n")
                    .arg(course)
                    .arg(ofCourse(course))
                    .arg(review.size());
    return html;
}

QString mistakesSection(const QList<TestMistakesPage> &pages)
{
    if (pages.isEmpty())
        return {};
    QString html = QStringLiteral("<h2>Gli esercizi dei test da rivedere</h2>\n<ul>\n");
    for (const TestMistakesPage &page : pages)
        html += QStringLiteral("<li><a href=\"%1\">%2, lezione %3</a></li>\n")
                    .arg(escaped(page.file), courseName(page.course))
                    .arg(page.lesson + 1);
    return html + QStringLiteral("</ul>\n");
}

QByteArray progressPage(const QList<ExerciseEntry> &exercises, const QList<RunEntry> &runs,
                        const QString &learner, const ProgressLinks &links)
{
    const bool own = learner.isNull();
    QString page = recordPageHead(own ? QStringLiteral("I tuoi progressi")
                                      : QStringLiteral("Progressi di %1").arg(escaped(learner)),
                                  !own, links.styleSheet)
                   + QStringLiteral("<p><a href=\"indietro.htm\">%1</a></p>\n")
                         .arg(own ? QStringLiteral("Torna indietro")
                                  : QStringLiteral("Torna al registro della classe"));
    for (const Course each : AllCourses) {
        const int course = int(each);
        page += courseProgress(course, exercises, runs, own);
        if (own && links.memory)
            page += signsSection(*links.memory, course, courseName(course), QDate::currentDate(),
                                 courseCells());
    }
    if (own)
        page += mistakesSection(links.mistakes);
    if (own && links.memory)
        page += QStringLiteral(
            "<h2>Ripasso dei segni</h2>\n<p><a href=\"ripassodioggi.htm\">Ripasso di oggi</a>: "
            "gli esercizi dei segni da ripassare oggi.</p>\n"
            "<p><a href=\"fogliobraille.htm\">Foglio di ripasso da stampare in braille</a> "
            "(nella cartella dei documenti).</p>\n");
    if (!own)
        return (page + QStringLiteral("<p><a href=\"indietro.htm\">Torna al registro della "
                                      "classe</a></p>\n</body></html>\n"))
            .toUtf8();
    page += QStringLiteral(
        "<h2>Per l'insegnante</h2>\n<p><a href=\"progressi.csv\">Esporta tutto il registro in "
        "un file CSV</a> (nella cartella dei documenti).</p>\n"
        "<p><a href=\"indietro.htm\">Torna indietro</a></p>\n</body></html>\n");
    return page.toUtf8();
}

static QString outcomeWords(ExerciseOutcome::Kind kind)
{
    switch (kind) {
    case ExerciseOutcome::RightFirst:
        return QStringLiteral("giusto al primo controllo");
    case ExerciseOutcome::RightAfterWrong:
        return QStringLiteral("giusto dopo qualche errore");
    case ExerciseOutcome::RightWithHelp:
        return QStringLiteral("giusto con l'aiuto");
    case ExerciseOutcome::FailedTest:
        return QStringLiteral("non superato nel test");
    case ExerciseOutcome::Skipped:
        return QStringLiteral("saltato");
    case ExerciseOutcome::Left:
        return QStringLiteral("lasciato");
    case ExerciseOutcome::Unreadable:
        return QStringLiteral("non leggibile");
    }
    return {};
}

QByteArray recordCsv(const QList<ExerciseEntry> &exercises, const QList<RunEntry> &runs)
{
    // Italian words for the teacher; what a program needs to tell exercises apart (the
    // record's digest, the outcome's stored word) comes last, where it can be ignored.
    QStringList lines{QStringLiteral(
        "voce;data;corso;lezione;categoria;esercizio;tipo;esito;controlli sbagliati;giusti;"
        "totale;voto;scrittura;identità (per il programma)")};
    for (const ExerciseEntry &entry : exercises) {
        lines << QStringList{QStringLiteral("esercizio"), entry.at.toString(Qt::ISODate),
                             courseName(entry.course), QString::number(entry.lesson + 1),
                             categoryName(entry.category), QString::number(entry.number),
                             QString::number(entry.type), outcomeWords(entry.outcome.kind),
                             QString::number(entry.outcome.wrongChecks), QString(), QString(),
                             QString(), QString(), entry.identity + QLatin1Char(' ') + entry.outcome.code()}
                     .join(QLatin1Char(';'));
    }
    for (const RunEntry &run : runs) {
        lines << QStringList{QStringLiteral("categoria finita"), run.at.toString(Qt::ISODate),
                             courseName(run.course), QString::number(run.lesson + 1),
                             categoryName(run.category), QString(), QString(), QString(),
                             QString(), QString::number(run.right), QString::number(run.total),
                             csvField(run.grade),
                             csvField(writingWords(writingFromCode(run.written))), QString()}
                     .join(QLatin1Char(';'));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
