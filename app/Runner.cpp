// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Runner.h"

#include "app/DamagedContent.h"
#include "app/Progress.h"
#include "app/Seleser_Unit1.h"
#include "app/SignReview.h"
#include "app/Windows.h"
#include "data/CourseFields.h"
#include "data/ProgramState.h"
#include "data/dm_Unit1.h"
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
int record(int course, const Table &table, const ExerciseOutcome &outcome)
{
    const int rose = practiseSigns(course, table, outcome);
    if (!platform().record)
        return rose;
    try {
        platform().record->addExercise(exerciseEntry(course, table, outcome));
    } catch (const TableError &) {
        ExerciseEntry entry;
        entry.at = QDateTime::currentDateTime();
        entry.course = course;
        entry.outcome = outcome;
        platform().record->addExercise(entry);
    }
    return rose;
}

// The course's table opened, with `filter` when one is given; its exercise windows in
// practice mode, with the code table.
QList<TExerciseWindow *> openCourse(int course, const QString &filter)
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
        window->TableWindow = tblbraille;
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
TExerciseWindow *exerciseWindow(int course, int type)
{
    const WindowRegistry *registry = WindowRegistry::instance();
    return type >= 0 && registry ? registry->exerciseWindow(course, type) : nullptr;
}

} // namespace

QString CourseTableFile(int course)
{
    const CourseInfo *info = courseInfo(course);
    return info ? QString::fromLatin1(info->tableFile) : QString();
}

void RunExercises(int course, int lesson)
{
    const QList<TExerciseWindow *> windows =
        openCourse(course, QStringLiteral("Lezione='%1'").arg(lesson));
    Table &table = dm->Table1;
    ProgramState &program = state();
    program.CorrectCount = 0;

    // While the learner chooses, the engine gets ready in the window of the lesson's first
    // exercise, which is most often the first of the category chosen too, on the page file
    // the exercises are shown in.
    const bool typed = !table.eof() && table.fieldIndex(QStringLiteral("t_eser")) >= 0;
    TExerciseWindow *first = typed ? exerciseWindow(course, exerciseType(table)) : nullptr;
    if (!first && !windows.isEmpty())
        first = windows.first();
    if (first)
        first->html1->prepareEngine(dm->PageFile());
    if (execFrom(SeleserDlg) != ModalOk)
        return;
    const int category = SeleserDlg->ChosenCategory;
    table.setFiltered(false);
    table.setFilter(table.filter() + QStringLiteral(" and Cat_eser='%1'").arg(category));
    table.setFiltered(true);
    const QString title = SeleserDlg->RadioButton(category)->text();
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
    FrontExercise front;
    do {
        program.WrongAttempts = 0;
        program.CurrentExerciseType = exerciseType(table);
        TExerciseWindow *window = exerciseWindow(course, program.CurrentExerciseType);
        if (window) {
            window->setWindowTitle(title);
            window->SetRunPosition(table.matchingPosition(), total, previous);
            lastResult = front.run(window);
            const ExerciseOutcome outcome = window->Outcome();
            if (outcome.right())
                ++program.CorrectCount;
            previous = previousWord(outcome);
            record(course, table, outcome);
        }
        if (window && lastResult == ResultUnreadable) {
            front.end();
            platform().messages->showMessage(
                unreadableExerciseMessage(table.tableName(), lesson, category,
                                          exerciseNumber(table), window->UnreadableRecord()));
        }
        if (lastResult == ResultLeave)
            return;
        table.next();
    } while (!table.eof());

    RunEntry run;
    run.at = QDateTime::currentDateTime();
    run.course = course;
    run.lesson = lesson;
    run.category = category;
    run.right = program.CorrectCount;
    run.total = total;
    if (category == Category::Test) {
        // As the results window grades it.
        run.right = std::min(program.CorrectCount, 10);
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
        Fresult->PreparePage();
        front.end();
        execFrom(Fresult);
    }
}

void RunReview(int course)
{
    const QList<ExerciseEntry> review =
        platform().record ? reviewList(platform().record->exercises(), course) : QList<ExerciseEntry>();
    if (review.isEmpty()) {
        platform().messages->showMessage(
            QStringLiteral("Non ci sono esercizi %1 da rifare.").arg(ofCourse(course)));
        return;
    }
    openCourse(course, QString());
    Table &table = dm->Table1;
    table.checkBlobFile();

    ProgramState &program = state();
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
        while (!table.eof() && !sameExercise(entry, course, table))
            table.next();
        TExerciseWindow *window = table.eof() ? nullptr : exerciseWindow(course, entry.type);
        if (!window)
            continue; // edited or removed since: nothing left to review
        program.WrongAttempts = 0;
        program.CurrentExerciseType = entry.type;
        window->setWindowTitle(SeleserDlg->RadioButton(std::clamp(entry.category, 1, 4))->text());
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
    ProgramState &program = state();
    int shown = 0, stronger = 0;
    QString previous;
    FrontExercise front;
    for (int index = 0; index < review.size(); ++index) {
        const PracticeExercise &exercise = review[index];
        if (index == 0 || review[index - 1].course != exercise.course) {
            openCourse(exercise.course, QString());
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
            table.eof() ? nullptr : exerciseWindow(exercise.course, exercise.type);
        if (!window)
            continue; // edited or removed since the review was chosen
        program.WrongAttempts = 0;
        program.CurrentExerciseType = exercise.type;
        window->setWindowTitle(QStringLiteral("Ripasso di oggi"));
        window->SetRunPosition(++shown, review.size(), previous);
        const int result = front.run(window);
        const ExerciseOutcome outcome = window->Outcome();
        previous = previousWord(outcome);
        stronger += record(exercise.course, table, outcome);
        if (result == ResultLeave)
            return;
    }
    front.end();
    platform().messages->showMessage(
        stronger == 1 ? QStringLiteral("Ripasso di oggi finito: 1 segno ora è più forte.")
                      : QStringLiteral("Ripasso di oggi finito: %1 segni ora sono più forti.")
                            .arg(stronger));
}
