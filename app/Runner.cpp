#include "app/Runner.h"

#include "app/DamagedContent.h"
#include "app/Seleser_Unit1.h"
#include "app/Windows.h"
#include "data/ProgramState.h"
#include "data/dm_Unit1.h"
#include "exercises/ExerciseWindow.h"
#include "platform/Modal.h"
#include "platform/Platform.h"
#include "reference/Result.h"
#include "reference/table_Unit1.h"

#include <QRadioButton>

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

// A word on how the previous exercise ended, for the status line of the next.
QString previousWord(const ExerciseOutcome &outcome)
{
    if (outcome.right())
        return QStringLiteral("Risposta giusta. ");
    if (outcome.kind == ExerciseOutcome::FailedTest)
        return QStringLiteral("Esercizio non superato. ");
    return QString();
}

} // namespace

QString CourseTableFile(int course)
{
    switch (course) {
    case 1:
        return QStringLiteral("\\Ex\\ESER_1.DB");
    case 2:
        return QStringLiteral("\\Ex\\ESER_2.DB");
    case 3:
        return QStringLiteral("\\Ex\\ESER_3.DB");
    }
    return QString();
}

void RunExercises(int course, int lesson)
{
    Table &table = dm->Table1;
    table.close();
    table.setTableName(contentFile(CourseTableFile(course)));
    table.setFilter(QStringLiteral("Lezione='%1'").arg(lesson));
    table.open();
    table.setFiltered(true);
    ProgramState &program = state();
    program.CorrectCount = 0;

    if (execFrom(SeleserDlg) != ModalOk)
        return;
    const WindowRegistry *registry = WindowRegistry::instance();
    const QList<TExerciseWindow *> windows =
        registry ? registry->courseWindows(course) : QList<TExerciseWindow *>();
    for (TExerciseWindow *window : windows) {
        window->TableWindow = tblbraille;
        window->TestMode = false;
    }
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
    do {
        program.WrongAttempts = 0;
        // A record without a type selects no window, like a type of another course.
        const QVariant type = table.fieldByName(QStringLiteral("t_eser"));
        program.CurrentExerciseType = type.isValid() ? type.toInt() : -1;
        TExerciseWindow *window = type.isValid() && registry
                                      ? registry->exerciseWindow(course, program.CurrentExerciseType)
                                      : nullptr;
        if (window) {
            window->setWindowTitle(title);
            window->SetRunPosition(table.matchingPosition(), total, previous);
            lastResult = execFrom(window);
            const ExerciseOutcome outcome = window->Outcome();
            if (outcome.right())
                ++program.CorrectCount;
            previous = previousWord(outcome);
        }
        if (window && lastResult == ResultUnreadable)
            platform().messages->showMessage(
                unreadableExerciseMessage(table.tableName(), lesson, category,
                                          exerciseNumber(table), window->UnreadableRecord()));
        if (lastResult == ResultLeave)
            return;
        table.next();
    } while (!table.eof());

    if (category != Category::Test)
        platform().messages->showMessage(
            QStringLiteral("FINITO - Passa alla categoria esercizi successiva"));
    else
        execFrom(Fresult);
}
