// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SignReview.h"

#include "app/Progress.h"
#include "app/Runner.h"
#include "rules/CourseFields.h"
#include "rules/ProgramState.h"
#include "rules/CellTable.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "rules/RichText.h"
#include "rules/SafeFile.h"
#include "rules/Table.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUuid>

namespace {

QByteArray fieldText(const Table &table, const char *field, bool memo)
{
    const int position = table.fieldIndex(QString::fromLatin1(field));
    if (position < 0)
        return {};
    const QByteArray value = table.blobAt(position);
    return (memo ? splitMemoLines(value) : richTextLines(value)).join('\n');
}

bool randomRecord(const Table &table)
{
    if (table.fieldIndex(QString::fromLatin1(Field::Doma_rnd)) < 0)
        return false;
    const QVariant value = table.fieldByName(QString::fromLatin1(Field::Doma_rnd));
    return value.isValid() && value.toBool();
}

// The braille of the table's current exercise, as its window shows it or asks for it.
QByteArray currentBraille(const Table &table)
{
    const QVariant type = table.fieldByName(QString::fromLatin1(Field::T_eser));
    const bool random = randomRecord(table);
    return exerciseBraille(type.isValid() ? type.toInt() : -1,
                           fieldText(table, random ? Field::List_doma : Field::Doma_rch, random),
                           fieldText(table, random ? Field::List_risp : Field::Risp_rch, random));
}

std::array<int, 4> reachedNow()
{
    LearnerRecord *record = platform().record.get();
    return record ? lessonsReached(record->exercises(), record->runs())
                  : std::array<int, 4>{-1, -1, -1, -1};
}

QList<PracticeExercise> catalogueOfReached(const std::array<int, 4> &reached)
{
    QList<PracticeExercise> catalogue;
    for (const Course course : AllCourses) {
        if (reached[int(course)] >= 0)
            catalogue << courseCatalogue(int(course));
    }
    return catalogue;
}

QString dayText(const QDate &day)
{
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

QString signMemoryFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("memoria-segni.txt"));
}

SignMemory &signMemory()
{
    static SignMemory memory;
    static QString readFrom;
    if (readFrom != signMemoryFile()) {
        readFrom = signMemoryFile();
        QFile file(readFrom);
        if (file.open(QIODevice::ReadOnly)) {
            memory = SignMemory::fromText(file.readAll());
        } else if (LearnerRecord *record = platform().record.get()) {
            // A record kept before the memory: the memory it gives, kept with the next exercise.
            const QList<ExerciseEntry> exercises = record->exercises();
            memory = exercises.isEmpty()
                         ? SignMemory()
                         : memoryFromRecord(exercises,
                                            catalogueOfReached(lessonsReached(exercises, {})));
        }
    }
    return memory;
}

int practiseSigns(int course, const Table &table, const ExerciseOutcome &outcome)
{
    QList<Cell> signs;
    try {
        signs = signsOf(currentBraille(table), courseCells());
    } catch (const TableError &) {
        return 0; // a record that cannot be read practises nothing
    }
    SignMemory &memory = signMemory();
    const QByteArray before = memory.toText();
    const int rose = memory.practise(course, signs, outcome, QDate::currentDate());
    const QByteArray after = memory.toText();
    if (after == before)
        return rose;
    static bool failureShown = false;
    QString error;
    QDir().mkpath(QFileInfo(signMemoryFile()).absolutePath());
    if (!writeFileReplacing(signMemoryFile(), after, &error) && !failureShown) {
        failureShown = true;
        platform().messages->showMessage(
            QStringLiteral("Non è stato possibile registrare la memoria dei segni in \"%1\": %2")
                .arg(QDir::toNativeSeparators(signMemoryFile()), error));
    }
    return rose;
}

QList<PracticeExercise> courseCatalogue(int course)
{
    QList<PracticeExercise> catalogue;
    Table table;
    try {
        table.setTableName(contentFile(CourseTableFile(Course(course))));
        table.open();
        const auto number = [&table](const char *field) {
            const QVariant value = table.fieldByName(QString::fromLatin1(field));
            return value.isValid() ? value.toInt() : -1;
        };
        for (; !table.eof(); table.next()) {
            PracticeExercise exercise;
            exercise.course = course;
            exercise.lesson = number(Field::Lezione);
            exercise.category = number(Field::Cat_eser);
            exercise.type = number(Field::T_eser);
            exercise.number = number(Field::eser_nr);
            exercise.identity = recordIdentity(table);
            exercise.braille = currentBraille(table);
            exercise.signs = signsOf(exercise.braille, courseCells());
            catalogue << exercise;
        }
    } catch (const TableError &) {
        // What was read stays: the review runs only exercises it finds in the table again.
    }
    return catalogue;
}

QList<PracticeExercise> todayReviewList()
{
    const std::array<int, 4> reached = reachedNow();
    const QList<PracticeExercise> catalogue = catalogueOfReached(reached);
    QList<PracticeExercise> chosen;
    for (const int index : todayChoice(catalogue, signMemory(), reached, QDate::currentDate()))
        chosen << catalogue[index];
    return chosen;
}

QString nothingDueMessage()
{
    const SignMemory &memory = signMemory();
    const QDate today = QDate::currentDate();
    if (memory.isEmpty())
        return QStringLiteral("Non ci sono ancora segni da ripassare: il programma li ricorda "
                              "man mano che fai gli esercizi delle lezioni.");
    for (int course = 1; course <= SignMemory::Courses; ++course) {
        if (!memory.due(course, today).isEmpty())
            return QStringLiteral("Oggi nessun esercizio delle lezioni che hai raggiunto contiene "
                                  "i segni da ripassare.");
    }
    return QStringLiteral("Oggi non ci sono segni da ripassare. Il prossimo ripasso è il %1.")
        .arg(dayText(memory.nextDueAfter(today)));
}

void WritePracticeSheet()
{
    const std::array<int, 4> reached = reachedNow();
    const QList<QList<Cell>> lines =
        sheetLines(catalogueOfReached(reached), signMemory(), reached, courseCells());
    if (lines.isEmpty()) {
        platform().messages->showMessage(
            QStringLiteral("Non ci sono ancora segni da mettere nel foglio di ripasso: il "
                           "programma li ricorda man mano che fai gli esercizi delle lezioni."));
        return;
    }
    const QDate today = QDate::currentDate();
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString base = documents.filePath(QStringLiteral("Sentiero dei Punti - foglio di ripasso"));
    const QString pef = base + QStringLiteral(".pef"), brf = base + QStringLiteral(".brf");
    const QString doing = QStringLiteral("scrivere il foglio di ripasso");
    if (!writeLearnerFile(pef,
                          sheetPef(lines,
                                   QStringLiteral("Foglio di ripasso del %1").arg(dayText(today)),
                                   today, QUuid::createUuid().toString(QUuid::WithoutBraces)),
                          doing)
        || !writeLearnerFile(brf, sheetBrf(lines), doing))
        return;
    platform().messages->showMessage(
        QStringLiteral("Il foglio di ripasso è stato scritto in \"%1\" (per le stampanti braille, "
                       "formato PEF) e in \"%2\" (formato BRF, 40 celle per 25 righe).")
            .arg(QDir::toNativeSeparators(pef), QDir::toNativeSeparators(brf)));
}
