// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TestMistakes.h"

#include "app/Progress.h"
#include "rules/CourseLook.h"
#include "rules/ProgramState.h"
#include "rules/CellSpeech.h"
#include "rules/CellTable.h"
#include "platform/Modal.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "rules/SafeFile.h"
#include "reference/Mistakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <utility>

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
    static const QRegularExpression name(
        QStringLiteral("^verifica-([123])-([1-9][0-9]{0,3})\\.htm$"));
    QList<TestMistakesPage> pages;
    const QDir folder = QFileInfo(testMistakesFile(1, 0)).absoluteDir();
    for (const QString &file : folder.entryList({QStringLiteral("verifica-*.htm")}, QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch())
            pages << TestMistakesPage{match.captured(1).toInt(), match.captured(2).toInt() - 1,
                                      file};
    }
    std::sort(pages.begin(), pages.end(), [](const TestMistakesPage &a, const TestMistakesPage &b) {
        return std::pair(a.course, a.lesson) < std::pair(b.course, b.lesson);
    });
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
    if (!writeLearnerFile(path, failedItemsPage(failed, look),
                          QStringLiteral("scrivere gli esercizi da rivedere")))
        return;
    TFmistakes window(path);
    execFrom(&window);
}
