// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Runner.h"

#include "rules/DamagedContent.h"
#include "app/Progress.h"
#include "app/Seleser_Unit1.h"
#include "app/SignReview.h"
#include "app/TestMistakes.h"
#include "app/Windows.h"
#include "rules/CourseFields.h"
#include "rules/Codes.h"
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "exercises/ExerciseWindow.h"
#include "platform/Modal.h"
#include "platform/Platform.h"
#include "reference/Result.h"
#include "reference/table_Unit1.h"

#include <QPointer>
#include <QRadioButton>

#include <algorithm>

namespace {

// eser_nr of the current record for a message; null when it cannot be read either.
QVariant exerciseNumber(const Table &table)
{
    try {
        return table.fieldByName(QStringLiteral("eser_nr"));
    } catch (const TableError &) {
        return {};
    }
}

// Keeps how an exercise ended in the learner's record, and in the memory of its signs. A
// record that cannot be read leaves nothing to review. Returns how many signs went up a box.
int record(Course course, const Table &table, const ExerciseOutcome &outcome)
{
    const int rose = practiseSigns(int(course), table, outcome);
    if (!platform().record)
        return rose;
    try {
        platform().record->addExercise(exerciseEntry(int(course), table, outcome));
    } catch (const TableError &) {
        ExerciseEntry entry;
        entry.at = QDateTime::currentDateTime();
        entry.course = int(course);
        entry.outcome = outcome;
        platform().record->addExercise(entry);
    }
    return rose;
}

// The course's table opened, with `filter` when one is given; its exercise windows in
// practice mode, with the code table.
QList<TExerciseWindow *> openCourse(Course course, const QString &filter)
{
    Table &table = dm->Table1;
    table.close();
    table.setTableName(contentFile(CourseTableFile(course)));
    table.setFilter(filter);
    table.open();
    table.setFiltered(!filter.isEmpty());
    const WindowRegistry *registry = WindowRegistry::instance();
    const QList<TExerciseWindow *> windows =
        registry ? registry->courseWindows(course) : QList<TExerciseWindow *>();
    for (TExerciseWindow *window : windows) {
        window->TableWindow = registry->tblbraille();
        window->TestMode = false;
    }
    return windows;
}

// The exercise window in front during a run. It stays shown while the run's exercises are
// of its type, so that each next page loads in place; it hides when a window of another
// type takes over, before a message, and when the run ends.
class FrontExercise
{
public:
    FrontExercise() = default;
    FrontExercise(const FrontExercise &) = delete;
    FrontExercise &operator=(const FrontExercise &) = delete;
    ~FrontExercise() { end(); }

    int run(TExerciseWindow *window)
    {
        const QPointer<TExerciseWindow> leaving = m_window;
        m_window = window;
        return window->RunExercise(leaving);
    }
    void end()
    {
        if (m_window)
            m_window->EndExercises();
        m_window = nullptr;
    }

private:
    QPointer<TExerciseWindow> m_window;
};

// A word on how the previous exercise ended, for the status line of the next.
QString previousWord(const ExerciseOutcome &outcome)
{
    if (outcome.right())
        return QStringLiteral("Risposta giusta. ");
    if (outcome.kind == ExerciseOutcome::FailedTest)
        return QStringLiteral("Esercizio non superato. ");
    return QString();
}

// The type of the table's current exercise: -1 for a record without one.
int exerciseType(const Table &table)
{
    const QVariant type = table.fieldByName(QStringLiteral("t_eser"));
    return type.isValid() ? type.toInt() : -1;
}

// The window of an exercise type of the course: none for no type, as for a type of another
// course.
TExerciseWindow *exerciseWindow(Course course, int type)
{
    const WindowRegistry *registry = WindowRegistry::instance();
    return type >= 0 && registry ? registry->exerciseWindow(course, type) : nullptr;
}

} // namespace

QString CourseTableFile(Course course)
{
    const CourseInfo *info = courseInfo(int(course));
    return info ? QString::fromLatin1(info->tableFile) : QString();
}

void RunExercises(Course course, int lesson)
{
    WindowRegistry *registry = WindowRegistry::instance();
    TSeleserDlg *dialog = registry->SeleserDlg();
    const QList<TExerciseWindow *> windows =
        openCourse(course, QStringLiteral("Lezione='%1'").arg(lesson));
    Table &table = dm->Table1;
    qint32 CorrectCount = 0; // the run's right answers

    // While the learner chooses, the engine gets ready in the window of the lesson's first
    // exercise, which is most often the first of the category chosen too, on the page file
    // the exercises are shown in.
    const bool typed = !table.eof() && table.fieldIndex(QStringLiteral("t_eser")) >= 0;
    TExerciseWindow *first = typed ? exerciseWindow(course, exerciseType(table)) : nullptr;
    if (!first && !windows.isEmpty())
        first = windows.first();
    if (first)
        first->html1->prepareEngine(dm->PageFile());
    if (execFrom(dialog) != ModalOk)
        return;
    const Category category = categoryOf(dialog->ChosenCategory);
    table.setFiltered(false);
    table.setFilter(table.filter() + QStringLiteral(" and Cat_eser='%1'").arg(int(category)));
    table.setFiltered(true);
    const QString title = dialog->RadioButton(int(category))->text();
    if (category == Category::Test) {
        for (TExerciseWindow *window : windows)
            window->TestMode = true;
    }
    if (table.eof()) {
        platform().messages->showMessage(
            QStringLiteral(" Non ci sono esercizi per questa categoria"));
        return;
    }
    // A blob file that is missing or damaged ends the run before its first exercise.
    table.checkBlobFile();

    int lastResult = ModalOk;
    const int total = table.matchingCount();
    QString previous; // how the last exercise shown ended, for the status line
    ExerciseOutcome::Writing written = ExerciseOutcome::Writing::Nothing;
    QList<ShownExercise> shown; // a test's exercises, for the list of its mistakes
    FrontExercise front;
    do {
        const qint32 CurrentExerciseType = exerciseType(table);
        TExerciseWindow *window = exerciseWindow(course, CurrentExerciseType);
        if (window) {
            window->WrongAttempts = 0;
            window->setWindowTitle(title);
            window->SetRunPosition(table.matchingPosition(), total, previous);
            lastResult = front.run(window);
            const ExerciseOutcome outcome = window->Outcome();
            if (category == Category::Test && outcome.kind != ExerciseOutcome::Unreadable)
                shown << ShownExercise{table.matchingPosition(), outcome, window->Asked()};
            if (outcome.right())
                ++CorrectCount;
            previous = previousWord(outcome);
            written = combinedWriting(written, outcome.written);
            record(course, table, outcome);
        }
        if (window && lastResult == ResultUnreadable) {
            front.end();
            platform().messages->showMessage(
                unreadableExerciseMessage(table.tableName(), lesson, int(category),
                                          exerciseNumber(table), window->UnreadableRecord()));
        }
        if (lastResult == ResultLeave)
            return;
        table.next();
    } while (!table.eof());

    RunEntry run;
    run.at = QDateTime::currentDateTime();
    run.course = int(course);
    run.lesson = lesson;
    run.category = int(category);
    run.right = CorrectCount;
    run.total = total;
    run.written = writingCode(written);
    if (category == Category::Test) {
        // As the results window grades it.
        run.right = testScore(CorrectCount);
        run.grade = QString::fromLatin1(gradeFor(run.right).word);
    }
    if (platform().record)
        platform().record->addRun(run);

    if (category != Category::Test) {
        front.end();
        platform().messages->showMessage(
            QStringLiteral("FINITO - Passa alla categoria esercizi successiva"));
    } else {
        // The results take the place of the last exercise, with no glimpse of the main
        // window in between.
        TFresult *results = registry->Fresult();
        results->CorrectCount = CorrectCount;
        results->SetWriting(writingWords(written));
        results->PreparePage();
        front.end();
        execFrom(results);
        showTestMistakes(int(course), lesson, shown);
    }
}

void RunReview(Course course)
{
    const QList<ExerciseEntry> review = platform().record
                                            ? reviewList(platform().record->exercises(), int(course))
                                            : QList<ExerciseEntry>();
    if (review.isEmpty()) {
        platform().messages->showMessage(
            QStringLiteral("Non ci sono esercizi %1 da rifare.").arg(ofCourse(int(course))));
        return;
    }
    openCourse(course, QString());
    Table &table = dm->Table1;
    table.checkBlobFile();

    int shown = 0, right = 0;
    QString previous;
    FrontExercise front;
    // Lesson by lesson, each exercise where the table holds it now.
    for (int index = 0; index < review.size(); ++index) {
        const ExerciseEntry &entry = review[index];
        if (index == 0 || review[index - 1].lesson != entry.lesson) {
            table.setFiltered(false);
            table.setFilter(QStringLiteral("Lezione='%1'").arg(entry.lesson));
            table.setFiltered(true);
        } else {
            table.first();
        }
        while (!table.eof() && !sameExercise(entry, int(course), table))
            table.next();
        TExerciseWindow *window = table.eof() ? nullptr : exerciseWindow(course, entry.type);
        if (!window)
            continue; // edited or removed since: nothing left to review
        window->WrongAttempts = 0;
        window->setWindowTitle(WindowRegistry::instance()
                                   ->SeleserDlg()
                                   ->RadioButton(int(categoryOf(entry.category)))
                                   ->text());
        window->SetRunPosition(++shown, review.size(), previous);
        const int result = front.run(window);
        const ExerciseOutcome outcome = window->Outcome();
        right += outcome.right() ? 1 : 0;
        previous = previousWord(outcome);
        record(course, table, outcome);
        if (result == ResultLeave)
            return;
    }
    front.end();
    platform().messages->showMessage(
        QStringLiteral("Ripasso finito: %1 esercizi giusti su %2.").arg(right).arg(shown));
}

void RunTodayReview()
{
    const QList<PracticeExercise> review = todayReviewList();
    if (review.isEmpty()) {
        platform().messages->showMessage(nothingDueMessage());
        return;
    }
    int shown = 0, stronger = 0;
    QString previous;
    FrontExercise front;
    for (int index = 0; index < review.size(); ++index) {
        const PracticeExercise &exercise = review[index];
        const std::optional<Course> course = courseOf(exercise.course);
        if (!course)
            continue;
        if (index == 0 || review[index - 1].course != exercise.course) {
            openCourse(*course, QString());
            dm->Table1.checkBlobFile();
        }
        Table &table = dm->Table1;
        table.setFiltered(false);
        table.setFilter(QStringLiteral("Lezione='%1'").arg(exercise.lesson));
        table.setFiltered(true);
        ExerciseEntry entry;
        entry.course = exercise.course;
        entry.lesson = exercise.lesson;
        entry.category = exercise.category;
        entry.number = exercise.number;
        entry.type = exercise.type;
        entry.identity = exercise.identity;
        while (!table.eof() && !sameExercise(entry, exercise.course, table))
            table.next();
        TExerciseWindow *window =
            table.eof() ? nullptr : exerciseWindow(*course, exercise.type);
        if (!window)
            continue; // edited or removed since the review was chosen
        window->WrongAttempts = 0;
        window->setWindowTitle(QStringLiteral("Ripasso di oggi"));
        window->SetRunPosition(++shown, review.size(), previous);
        const int result = front.run(window);
        const ExerciseOutcome outcome = window->Outcome();
        previous = previousWord(outcome);
        stronger += record(*course, table, outcome);
        if (result == ResultLeave)
            return;
    }
    front.end();
    platform().messages->showMessage(
        stronger == 1 ? QStringLiteral("Ripasso di oggi finito: 1 segno ora è più forte.")
                      : QStringLiteral("Ripasso di oggi finito: %1 segni ora sono più forti.")
                            .arg(stronger));
}
