// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TestMistakes.h"

#include "app/Progress.h"
#include "data/CourseLook.h"
#include "data/ProgramState.h"
#include "exercises/CellSpeech.h"
#include "exercises/CellTable.h"
#include "platform/Modal.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"
#include "reference/Mistakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

QString testMistakesFile(int course, int lesson)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("verifica-%1-%2.htm").arg(course).arg(lesson + 1));
}

QString testMistakesTitle(int course, int lesson)
{
    return QStringLiteral("%1, lezione %2: gli esercizi del test da rivedere")
        .arg(courseName(course))
        .arg(lesson + 1);
}

QList<TestMistakesPage> testMistakesPages()
{
    QList<TestMistakesPage> pages;
    for (int course = 1; course <= 3; ++course) {
        const QString pattern = QFileInfo(testMistakesFile(course, 0))
                                    .fileName()
                                    .replace(QLatin1String("-1.htm"), QLatin1String("-*.htm"));
        QList<TestMistakesPage> ofCourse;
        const QDir folder = QFileInfo(testMistakesFile(course, 0)).absoluteDir();
        for (const QString &name : folder.entryList({pattern}, QDir::Files)) {
            bool number = false;
            const int lesson =
                name.section(QLatin1Char('-'), 2).chopped(4).toInt(&number); // "3" of "-3.htm"
            if (number && lesson >= 1 && name == QFileInfo(testMistakesFile(course, lesson - 1)).fileName())
                ofCourse << TestMistakesPage{course, lesson - 1, name};
        }
        std::sort(ofCourse.begin(), ofCourse.end(),
                  [](const TestMistakesPage &a, const TestMistakesPage &b) { return a.lesson < b.lesson; });
        pages += ofCourse;
    }
    return pages;
}

void showTestMistakes(int course, int lesson, const QList<ShownExercise> &shown)
{
    const QList<ShownExercise> failed = failedItems(shown);
    const QString path = testMistakesFile(course, lesson);
    if (failed.isEmpty()) {
        QFile::remove(path);
        return;
    }
    FailedItemsLook look;
    look.title = testMistakesTitle(course, lesson);
    look.styleSheet =
        QUrl::fromLocalFile(contentFile(QStringLiteral("\\html\\stile.css"))).toString();
    if (course == 3) { // music: the signs of the music font, by their names
        look.cellFont = QString::fromLatin1(CourseFont::Music);
        look.spoken = [](const QByteArray &text) { return spokenMusic(text, courseMusicSigns()); };
    } else {
        look.cellFont = QString::fromLatin1(CourseFont::Braille);
        look.spoken = [](const QByteArray &text) { return spokenBraille(text, courseCells()); };
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (!writeFileReplacing(path, failedItemsPage(failed, look), &error)) {
        platform().messages->showMessage(
            QStringLiteral("Non è stato possibile scrivere gli esercizi da rivedere in \"%1\": %2")
                .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    TFmistakes window(path);
    execFrom(&window);
}
