// SPDX-License-Identifier: GPL-3.0-or-later
// The class on a PostgreSQL server that the test starts in a temporary folder (a Unix socket,
// no TCP port): learners' entries from several homes, the register, a server that stops.
#include "app/MainForm.h"
#include "app/Progress.h"
#include "fakes/Fakes.h"
#include "platform/ClassServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <unistd.h>

class TestClassServer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void twoLearnersTwoHomes();
    void serverStoppedInARun();
    void learnerReadsOnlyOwnRows();

private:
    // Runs a server program (as the unprivileged user when the test runs as root).
    bool server(const QString &program, const QStringList &arguments);
    bool startServer(); // on the test's socket only
    ClassSettings settings(const QString &role) const;
    qint64 count(const QString &role, const QString &sql);
    // A learner's home: the record in its folder, sending to the server as `role`.
    struct Home
    {
        std::unique_ptr<LearnerRecord> record;
        std::unique_ptr<ClassServer> link;
    };
    Home home(const QString &role, const QString &name);
    bool allSent(Home &home)
    {
        return home.record->unsentExercises(1).isEmpty() && home.record->unsentRuns(1).isEmpty();
    }

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_runAs;
};

bool TestClassServer::server(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    if (m_runAs.isEmpty())
        process.start(m_bin + program, arguments);
    else
        process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), m_runAs,
                                                             QStringLiteral("--"), m_bin + program}
                                                     + arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

bool TestClassServer::startServer()
{
    return server(QStringLiteral("pg_ctl"),
                  {"-D", m_dir.filePath("data"), "-w", "-l", m_dir.filePath("log"), "-o",
                   "-c listen_addresses='' -c unix_socket_directories='" + m_dir.path() + "'",
                   "start"});
}

void TestClassServer::initTestCase()
{
    const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql"))
                                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Reversed);
    m_bin = versions.isEmpty() ? QFileInfo(QStandardPaths::findExecutable("initdb")).path() + '/'
                               : "/usr/lib/postgresql/" + versions[0] + "/bin/";
    if (!QFile::exists(m_bin + "initdb"))
        QSKIP("initdb is missing: the PostgreSQL server (Debian package postgresql) is not "
              "installed");
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        QFAIL("Qt's PostgreSQL driver is missing (Debian package libqt6sql6-psql)");
    if (geteuid() == 0) {
        // initdb and the server refuse to run as root.
        if (QProcess::execute(QStringLiteral("runuser"), {"-u", "nobody", "--", "true"}) != 0)
            QSKIP("running as root and no unprivileged user to start PostgreSQL as");
        m_runAs = QStringLiteral("nobody");
        QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7777));
    }
    const QString data = m_dir.filePath(QStringLiteral("data"));
    QVERIFY(server(QStringLiteral("initdb"), {"-D", data, "-A", "trust", "-U", "postgres"}));
    QVERIFY(startServer());
    // The school's set-up: a database, the package's SQL file, two learners and a teacher.
    QFile sql(QStringLiteral(SENTIERO_SOURCE_DIR "/packaging/registro.sql"));
    QVERIFY(sql.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(sql.readAll());
    for (const QString &statement :
         {QStringLiteral("CREATE DATABASE sentiero"), QStringLiteral("*"),
          QStringLiteral("CREATE ROLE anna LOGIN IN ROLE sentiero_allievi; CREATE ROLE bruno LOGIN "
                         "IN ROLE sentiero_allievi; "
                         "CREATE ROLE prof LOGIN IN ROLE sentiero_insegnanti")}) {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), statement);
        database.setHostName(m_dir.path());
        database.setDatabaseName(
            statement.startsWith(QLatin1String("CREATE DATABASE")) ? "postgres" : "sentiero");
        database.setUserName(QStringLiteral("postgres"));
        QVERIFY(database.open());
        QSqlQuery query(database);
        QVERIFY2(query.exec(statement == QLatin1String("*") ? script : statement),
                 qPrintable(query.lastError().text()));
    }
}

void TestClassServer::cleanupTestCase()
{
    if (!m_bin.isEmpty())
        server(QStringLiteral("pg_ctl"), {"-D", m_dir.filePath("data"), "-m", "immediate", "stop"});
}

ClassSettings TestClassServer::settings(const QString &role) const
{
    ClassSettings settings;
    settings.host = m_dir.path();
    settings.database = QStringLiteral("sentiero");
    settings.user = role;
    return settings;
}

qint64 TestClassServer::count(const QString &role, const QString &sql)
{
    qint64 result = -1;
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("count"));
        database.setHostName(m_dir.path());
        database.setDatabaseName(QStringLiteral("sentiero"));
        database.setUserName(role);
        QSqlQuery query(database);
        if (database.open() && query.exec(sql) && query.next())
            result = query.value(0).toLongLong();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return result;
}

TestClassServer::Home TestClassServer::home(const QString &role, const QString &name)
{
    Home home;
    home.record = openSqlLearnerRecord(m_dir.filePath(QStringLiteral("home-") + name));
    home.link = openClassServer(settings(role), home.record.get());
    home.link->start();
    return home;
}

ExerciseEntry entry(int lesson, int number, ExerciseOutcome::Kind kind)
{
    return {QString(), QDateTime::currentDateTime(), 1, lesson, 2, number, 0, "abc", {kind, 0}};
}

void TestClassServer::twoLearnersTwoHomes()
{
    FakePlatform fakes;
    // Each learner practises one lesson at school and one at home; one exercise of each
    // lesson waits for review.
    const QList<std::pair<QString, int>> homes{
        {"anna", 0}, {"anna", 1}, {"bruno", 5}, {"bruno", 6}};
    QMap<QString, QStringList> times; // of each learner's entries, as written
    for (int index = 0; index < homes.size(); ++index) {
        Home place = home(homes[index].first, QString::number(index));
        for (const ExerciseEntry &shown :
             {entry(homes[index].second, 1, ExerciseOutcome::RightFirst),
              entry(homes[index].second, 2, ExerciseOutcome::Skipped)}) {
            place.record->addExercise(shown);
            times[homes[index].first] << shown.at.toString(Qt::ISODateWithMs);
        }
        QTRY_VERIFY(allSent(place));
    }
    // Back at the first home, each learner's page has both homes, and no other learner's.
    for (int index : {0, 2}) {
        Home place = home(homes[index].first, QString::number(index));
        QTRY_COMPARE(place.record->exercises().size(), 4);
        const QString page =
            QString::fromUtf8(progressPage(place.record->exercises(), place.record->runs()));
        for (const auto &[learner, lesson] : homes)
            QCOMPARE(
                page.contains(
                    QStringLiteral(
                        "Lezione %1</th><td>nessuna</td><td>nessuno</td><td>nessuno</td><td>1<")
                        .arg(lesson + 1)),
                learner == homes[index].first);
        QCOMPARE(reviewList(place.record->exercises(), 1).size(), 2);
        QStringList fetched;
        for (const ExerciseEntry &kept : place.record->exercises())
            fetched << kept.at.toString(Qt::ISODateWithMs);
        QCOMPARE(fetched, times[homes[index].first]); // the same times, in their order
    }
    QVERIFY(fakes.messages->shown.isEmpty());

    // The teacher's register: both learners, each linking to their page.
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("prof")).toUtf8());
    platform().classServer = openClassServer(settings(QStringLiteral("prof")), nullptr);
    TMainForm form;
    form.ClassRegisterAtStart = true;
    form.show();
    auto *view = static_cast<FakeHtmlView *>(form.WB);
    QTRY_VERIFY(view->currentUrl().endsWith(QLatin1String("/classe/elenco.htm")));
    QFile page(view->currentUrl());
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString register_ = QString::fromUtf8(page.readAll());
    QVERIFY(register_.contains(
        QLatin1String("<a href=\"allievo1.htm\">anna</a></th><td>Lezione 2</td>")));
    QVERIFY(register_.contains(
        QLatin1String("<a href=\"allievo2.htm\">bruno</a></th><td>Lezione 7</td>")));
    QFile bruno(QFileInfo(page).dir().filePath(QStringLiteral("allievo2.htm")));
    QVERIFY(bruno.open(QIODevice::ReadOnly));
    const QByteArray brunoPage = bruno.readAll();
    QVERIFY(brunoPage.contains("Progressi di bruno") && brunoPage.contains("Lezione 7")
            && !brunoPage.contains("Lezione 1<"));
    platform().classServer.reset();
}

void TestClassServer::serverStoppedInARun()
{
    FakePlatform fakes;
    const qint64 before =
        count(QStringLiteral("anna"), QStringLiteral("SELECT count(*) FROM sentiero.exercises"));
    Home place = home(QStringLiteral("anna"), QStringLiteral("stop"));
    place.record->addExercise(entry(2, 1, ExerciseOutcome::RightFirst));
    QTRY_VERIFY(allSent(place));
    QVERIFY(server(QStringLiteral("pg_ctl"),
                   {"-D", m_dir.filePath("data"), "-m", "fast", "-w", "stop"}));
    for (int number = 2; number <= 4; ++number)
        place.record->addExercise(entry(2, number, ExerciseOutcome::RightAfterWrong));
    QTRY_COMPARE(fakes.messages->shown.size(), 1);
    QVERIFY2(fakes.messages->shown[0].contains(QStringLiteral("non possono essere inviati")),
             qPrintable(fakes.messages->shown[0]));
    QVERIFY(startServer());
    place.record->addExercise(entry(2, 5, ExerciseOutcome::Skipped));
    place.record->addRun({QString(), QDateTime::currentDateTime(), 1, 2, 2, 0, 0, QString(), "sei_tasti"});
    QTRY_VERIFY(allSent(place));
    QCOMPARE(count(QStringLiteral("anna"),
                   QStringLiteral("SELECT count(*) FROM sentiero.runs WHERE written = 'sei_tasti'")),
             1);
    QCOMPARE(fakes.messages->shown.size(), 1); // said once
    QCOMPARE(
        count(QStringLiteral("anna"), QStringLiteral("SELECT count(*) FROM sentiero.exercises")),
        before + 5);

    // Sent again (the mark lost, as when the program ends before the server answered): the
    // server keeps one of each.
    place.link.reset();
    {
        QSqlDatabase local =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("local"));
        local.setDatabaseName(m_dir.filePath(QStringLiteral("home-stop/progressi.sqlite")));
        QVERIFY(local.open());
        QVERIFY(QSqlQuery(local).exec(QStringLiteral("UPDATE exercises SET sent = 0")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("local"));
    place = home(QStringLiteral("anna"), QStringLiteral("stop"));
    QTRY_VERIFY(allSent(place));
    QCOMPARE(
        count(QStringLiteral("anna"), QStringLiteral("SELECT count(*) FROM sentiero.exercises")),
        before + 5);
    QCOMPARE(count(QStringLiteral("anna"),
                   QStringLiteral("SELECT count(*) FROM sentiero.runs WHERE lesson = 2")),
             1);
}

void TestClassServer::learnerReadsOnlyOwnRows()
{
    QVERIFY(count(QStringLiteral("anna"), QStringLiteral("SELECT count(*) FROM sentiero.exercises"))
            > 0);
    QCOMPARE(
        count(QStringLiteral("bruno"),
              QStringLiteral("SELECT count(*) FROM sentiero.exercises WHERE learner = 'anna'")),
        0);
    QCOMPARE(
        count(QStringLiteral("bruno"),
              QStringLiteral("SELECT count(*) FROM sentiero.exercises WHERE learner <> 'bruno'")),
        0);
    QVERIFY(count(QStringLiteral("prof"),
                  QStringLiteral("SELECT count(*) FROM sentiero.exercises WHERE learner = 'anna'"))
            > 0);
    QString error;
    QVERIFY(
        openClassServer(settings(QStringLiteral("bruno")), nullptr)->readClass(error).isEmpty());
    QVERIFY2(error.contains(QStringLiteral("non è tra gli insegnanti")), qPrintable(error));
}

QTEST_MAIN(TestClassServer)
#include "tst_classserver.moc"
