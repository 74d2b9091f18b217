// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's record on disk: what survives a damaged file, an unwritable folder and a
// program killed in the middle of a run.
#include "fakes/Fakes.h"
#include "platform/LearnerRecord.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

ExerciseEntry shown(int number, ExerciseOutcome::Kind kind)
{
    ExerciseEntry entry;
    entry.at = QDateTime::currentDateTime();
    entry.course = 2;
    entry.lesson = 1;
    entry.category = 3;
    entry.number = number;
    entry.type = 100;
    entry.identity = QStringLiteral("0123456789abcdef");
    entry.outcome = {kind, kind == ExerciseOutcome::RightFirst ? 0 : 2};
    return entry;
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT
private slots:
    void badPlaces_data();
    void badPlaces();
    void killedRunKeepsWhatWasWritten();
};

void TestProgress::badPlaces_data()
{
    QTest::addColumn<QByteArray>("content"); // of progressi.sqlite; "folder" makes it a file
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("message");
    QTest::newRow("new") << QByteArray() << true << QString();
    QTest::newRow("damaged") << QByteArray(8192, 'x') << true << "era danneggiato";
    QTest::newRow("folder is a file") << QByteArray("folder") << false << "non saranno registrati";
}

void TestProgress::badPlaces()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, kept);
    QFETCH(QString, message);
    FakePlatform fakes;
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("dati"));
    if (content == "folder") {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (!content.isEmpty()) {
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + QStringLiteral("/progressi.sqlite"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    auto record = openSqlLearnerRecord(folder);
    for (int i = 1; i <= 2; ++i)
        record->addExercise(shown(i, ExerciseOutcome::Skipped));
    QCOMPARE(record->isKept(), kept);
    QCOMPARE(record->exercises().size(), kept ? 2 : 0);
    QCOMPARE(fakes.messages->shown.size(), message.isEmpty() ? 0 : 1); // said once
    if (!message.isEmpty())
        QVERIFY2(fakes.messages->shown[0].contains(message), qPrintable(fakes.messages->shown[0]));
    if (content == QByteArray(8192, 'x'))
        QCOMPARE(QDir(folder).entryList({QStringLiteral("progressi.sqlite.danneggiato-*")}).size(), 1);
}

void TestProgress::killedRunKeepsWhatWasWritten()
{
    QTemporaryDir dir;
    if (qEnvironmentVariableIsSet("SENTIERO_RECORD_CHILD")) {
        // The child: three exercises kept, then killed before the next ends.
        auto record = openSqlLearnerRecord(qEnvironmentVariable("SENTIERO_RECORD_CHILD"));
        for (int i = 1; i <= 3; ++i)
            record->addExercise(shown(i, ExerciseOutcome::RightFirst));
        std::raise(SIGKILL);
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SENTIERO_RECORD_CHILD"), dir.path());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("killedRunKeepsWhatWasWritten")});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    FakePlatform fakes;
    auto record = openSqlLearnerRecord(dir.path());
    const QList<ExerciseEntry> kept = record->exercises();
    QCOMPARE(kept.size(), 3);
    QCOMPARE(kept[2].number, 3);
    QCOMPARE(kept[2].outcome.code(), QStringLiteral("right_first"));
    QVERIFY(fakes.messages->shown.isEmpty());
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
