// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's record on disk: what survives a damaged file, an unwritable folder and a
// program killed in the middle of a run.
#include "app/Progress.h"
#include "fakes/Fakes.h"
#include "platform/ClassServer.h"
#include "platform/LearnerRecord.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

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
    void olderStoreKeepsItsRows();
    void olderRunsSayNothingOfWriting();
    void classSettings_data();
    void classSettings();
    void csvSpeaksItalian_data();
    void csvSpeaksItalian();
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

// A record kept before entries had ids: its rows stay, each with an id of its own, to send.
void TestProgress::olderStoreKeepsItsRows()
{
    QTemporaryDir dir;
    {
        QSqlDatabase old =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        old.setDatabaseName(dir.filePath(QStringLiteral("progressi.sqlite")));
        QVERIFY(old.open());
        QSqlQuery query(old);
        QVERIFY(query.exec(
            QStringLiteral("CREATE TABLE exercises (id INTEGER PRIMARY KEY, at TEXT, course INT, "
                           "lesson INT, category INT, eser_nr INT, t_eser INT, identity TEXT, "
                           "outcome TEXT, wrong_checks INT)")));
        for (int number : {7, 8})
            QVERIFY(query.exec(
                QStringLiteral("INSERT INTO exercises VALUES (NULL, '2026-01-0%1T10:00:00.000', 1, "
                               "0, 1, %1, 0, 'x', 'skipped', 0)")
                    .arg(number)));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    FakePlatform fakes;
    auto record = openSqlLearnerRecord(dir.path());
    record->addExercise(shown(9, ExerciseOutcome::RightFirst));
    const QList<ExerciseEntry> kept = record->unsentExercises(10);
    QCOMPARE(kept.size(), 3);
    QCOMPARE(kept[0].number, 7);
    QCOMPARE(QSet<QString>({kept[0].id, kept[1].id, kept[2].id}).size(), 3);
    QVERIFY(!QUuid::fromString(kept[0].id).isNull());
    record->markSent({kept[1].id});
    QCOMPARE(record->unsentExercises(10).size(), 2);
    QVERIFY(fakes.messages->shown.isEmpty());
}

// registro.conf: the school's file for every account, each key overridden by the learner's.
void TestProgress::classSettings_data()
{
    QTest::addColumn<QByteArray>("school");
    QTest::addColumn<QByteArray>("own");
    QTest::addColumn<QString>("server"); // host:port/database as user, empty: none
    QTest::addColumn<QString>("problem");
    QTest::newRow("none") << QByteArray() << QByteArray() << QString() << QString();
    QTest::newRow("school") << QByteArray("[server]\nhost=db.scuola\ndatabase=classe\n")
                            << QByteArray() << "db.scuola:5432/classe as " << QString();
    QTest::newRow("own overrides") << QByteArray("[server]\nhost=db.scuola\ndatabase=classe\n")
                                   << QByteArray("[server]\nport=6543\nuser=anna\n")
                                   << "db.scuola:6543/classe as anna" << QString();
    QTest::newRow("password not used") << QByteArray("[server]\ndatabase=classe\npassword=x\n")
                                       << QByteArray() << ":5432/classe as "
                                       << "~/.pgpass";
    QTest::newRow("bad port") << QByteArray("[server]\ndatabase=classe\nport=ottanta\n")
                              << QByteArray() << QString() << "porta";
    QTest::newRow("peer far away")
        << QByteArray("[server]\nhost=db\ndatabase=c\nautenticazione=peer\n") << QByteArray()
        << QString() << "peer";
}

void TestProgress::classSettings()
{
    QFETCH(QByteArray, school);
    QFETCH(QByteArray, own);
    QFETCH(QString, server);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    for (const auto &[folder, text] : {std::pair{"etc", school}, std::pair{"home", own}}) {
        QVERIFY(QDir().mkpath(dir.filePath(QString(folder) + "/Sentiero dei Punti")));
        QFile file(dir.filePath(QString(folder) + "/Sentiero dei Punti/registro.conf"));
        QVERIFY(!text.isEmpty() ? file.open(QIODevice::WriteOnly) && file.write(text) : true);
    }
    qputenv("XDG_CONFIG_DIRS", dir.filePath("etc").toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath("home").toUtf8());
    const ClassSettings read = readClassSettings();
    const QString where = QStringLiteral("%1:%2/").arg(read.host).arg(read.port);
    QCOMPARE(read.configured() ? where + read.database + " as " + read.user : QString(), server);
    QVERIFY2(problem.isEmpty() ? read.problem.isEmpty() : read.problem.contains(problem),
             qPrintable(read.problem));
}

// The teacher's export: Italian words, the category's name, the program's identity last.
void TestProgress::csvSpeaksItalian_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("line");
    QTest::newRow("right") << int(ExerciseOutcome::RightFirst) << 2
        << "Alfabeto;1;nuovi simboli;3;0;giusto al primo controllo;0;;;;;abc right_first";
    QTest::newRow("failed") << int(ExerciseOutcome::FailedTest) << 4
        << "Alfabeto;1;test;3;0;non superato nel test;0;;;;;abc failed_test";
}

void TestProgress::csvSpeaksItalian()
{
    QFETCH(int, kind);
    QFETCH(int, category);
    QFETCH(QString, line);
    const ExerciseEntry entry{QString(), QDateTime(), 1, 0, category, 3, 0, "abc",
                              {ExerciseOutcome::Kind(kind), 0}};
    const QStringList lines = QString::fromUtf8(recordCsv({entry}, {})).split(QStringLiteral("\r\n"));
    QVERIFY2(lines.value(1).endsWith(line), qPrintable(lines.value(1)));
    QVERIFY(lines.value(0).endsWith(QStringLiteral(";identità (per il programma)")));
}

// Runs kept before the record said how their braille was written are read, saying nothing.
void TestProgress::olderRunsSayNothingOfWriting()
{
    QTemporaryDir dir;
    {
        QSqlDatabase old = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("runs"));
        old.setDatabaseName(dir.filePath(QStringLiteral("progressi.sqlite")));
        QVERIFY(old.open());
        QSqlQuery query(old);
        QVERIFY(query.exec(QStringLiteral(
            "CREATE TABLE runs (id INTEGER PRIMARY KEY, at TEXT NOT NULL, course INTEGER NOT NULL, "
            "lesson INTEGER NOT NULL, category INTEGER NOT NULL, right_count INTEGER NOT NULL, "
            "total INTEGER NOT NULL, grade TEXT NOT NULL)")));
        QVERIFY(query.exec(QStringLiteral(
            "INSERT INTO runs VALUES (NULL, '2026-01-02T10:00:00.000', 1, 0, 4, 9, 10, 'BUONO')")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("runs"));
    FakePlatform fakes;
    auto record = openSqlLearnerRecord(dir.path());
    RunEntry run{QString(), QDateTime::currentDateTime(), 1, 0, 4, 10, 10, "OTTIMO", "sei_tasti"};
    record->addRun(run);
    const QList<RunEntry> kept = record->runs();
    QCOMPARE(kept.size(), 2);
    QCOMPARE(gradeText(kept[0]), "BUONO, 9/10 (02/01/2026)");
    QVERIFY(gradeText(kept[1]).endsWith(", scritto con i sei tasti"));
    QVERIFY(recordCsv({}, kept).contains(";OTTIMO;scritto con i sei tasti;"));
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
