#include "app/Runner.h"

#include "app/DamagedContent.h"
#include "app/Globals.h"
#include "app/Seleser_Unit1.h"
#include "data/dm_Unit1.h"
#include "exercises/ExerciseWindow.h"
#include "platform/Modal.h"
#include "platform/Platform.h"
#include "reference/Result.h"
#include "reference/table_Unit1.h"

#include <QRadioButton>

namespace {

struct DispatchEntry
{
    int course;
    int type;
    TExerciseWindow *window;
};

QList<DispatchEntry> &dispatchTable()
{
    static QList<DispatchEntry> table;
    return table;
}

// eser_nr of the current record for a message; null when it cannot be read either.
QVariant exerciseNumber(const Table &table)
{
    try {
        return table.fieldByName(QStringLiteral("eser_nr"));
    } catch (const TableError &) {
        return {};
    }
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

void AddExerciseWindow(int course, int type, TExerciseWindow *window)
{
    dispatchTable().append({course, type, window});
}

void ClearExerciseWindows()
{
    dispatchTable().clear();
}

TExerciseWindow *ExerciseWindowFor(int course, int type)
{
    for (const DispatchEntry &entry : dispatchTable()) {
        if (entry.course == course && entry.type == type)
            return entry.window;
    }
    return nullptr;
}

QList<TExerciseWindow *> CourseWindows(int course)
{
    QList<TExerciseWindow *> windows;
    for (const DispatchEntry &entry : dispatchTable()) {
        if (entry.course == course && !windows.contains(entry.window))
            windows << entry.window;
    }
    return windows;
}

void RunExercises(int course, int lesson)
{
    Table &table = dm->Table1;
    table.close();
    table.setTableName(contentFile(CourseTableFile(course)));
    table.setFilter(QStringLiteral("Lezione='%1'").arg(lesson));
    table.open();
    table.setFiltered(true);
    CorrectCount = 0;

    if (execFrom(SeleserDlg) != 1)
        return;
    const QList<TExerciseWindow *> windows = CourseWindows(course);
    for (TExerciseWindow *window : windows) {
        window->TableWindow = tblbraille;
        window->TestMode = false;
    }
    const int category = SeleserDlg->ChosenCategory;
    table.setFiltered(false);
    table.setFilter(table.filter() + QStringLiteral(" and Cat_eser='%1'").arg(category));
    table.setFiltered(true);
    const QString title = SeleserDlg->RadioButton(category)->text();
    if (category > 3) {
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

    int lastResult = 1;
    const int total = table.matchingCount();
    QString previous; // how the last exercise shown ended, for the status line
    do {
        WrongAttempts = 0;
        // A record without a type selects no window, like a type of another course.
        const QVariant type = table.fieldByName(QStringLiteral("t_eser"));
        CurrentExerciseType = type.isValid() ? type.toInt() : -1;
        TExerciseWindow *window =
            type.isValid() ? ExerciseWindowFor(course, CurrentExerciseType) : nullptr;
        if (window) {
            window->setWindowTitle(title);
            window->SetRunPosition(table.matchingPosition(), total, previous);
            const int counted = CorrectCount;
            lastResult = execFrom(window);
            previous = CorrectCount > counted ? QStringLiteral("Risposta giusta. ")
                       : lastResult == 1      ? QStringLiteral("Esercizio non superato. ")
                                              : QString();
        }
        if (window && lastResult == ResultUnreadable)
            platform().messages->showMessage(
                unreadableExerciseMessage(table.tableName(), lesson, category,
                                          exerciseNumber(table), window->UnreadableRecord()));
        if (lastResult == 2)
            return;
        table.next();
    } while (!table.eof());

    if (category < 4)
        platform().messages->showMessage(
            QStringLiteral("FINITO - Passa alla categoria esercizi successiva"));
    else
        execFrom(Fresult);
}
