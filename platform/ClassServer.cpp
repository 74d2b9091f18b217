// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClassServer.h"

#include "platform/Platform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <vector>

namespace {

// The entries sent in one transaction; more wait for the next round, which follows at once.
constexpr int batchSize = 500;
// A server that did not answer is tried again this often while entries wait.
constexpr int retryMs = 30000;
// Entries of this learner fetched again below the highest number taken: numbers are given
// when a row is written and a row is seen when its transaction ends, so another machine's
// row may become visible after a higher one.
constexpr qint64 fetchOverlap = 200;

const char *const exerciseFields =
    "at, course, lesson, category, eser_nr, t_eser, identity, outcome, wrong_checks";
const char *const runFields = "at, course, lesson, category, right_count, total, grade, written";

QString placeholders(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

// Reads an exercise from a row whose first columns are id, then exerciseFields.
ExerciseEntry exerciseAt(const QSqlQuery &query, int first)
{
    ExerciseEntry entry;
    entry.id = query.value(first).toString();
    entry.at = query.value(first + 1).toDateTime().toLocalTime();
    entry.course = query.value(first + 2).toInt();
    entry.lesson = query.value(first + 3).toInt();
    entry.category = query.value(first + 4).toInt();
    entry.number = query.value(first + 5).toInt();
    entry.type = query.value(first + 6).toInt();
    entry.identity = query.value(first + 7).toString();
    entry.outcome.kind = ExerciseOutcome::fromCode(query.value(first + 8).toString());
    entry.outcome.wrongChecks = query.value(first + 9).toInt();
    return entry;
}

RunEntry runAt(const QSqlQuery &query, int first)
{
    RunEntry entry;
    entry.id = query.value(first).toString();
    entry.at = query.value(first + 1).toDateTime().toLocalTime();
    entry.course = query.value(first + 2).toInt();
    entry.lesson = query.value(first + 3).toInt();
    entry.category = query.value(first + 4).toInt();
    entry.right = query.value(first + 5).toInt();
    entry.total = query.value(first + 6).toInt();
    entry.grade = query.value(first + 7).toString();
    entry.written = query.value(first + 8).toString();
    return entry;
}

// Opens a connection of the calling thread to the server; the connection's name is given.
QSqlDatabase connectTo(const ClassSettings &settings, const QString &name)
{
    QSqlDatabase database = QSqlDatabase::contains(name)
                                ? QSqlDatabase::database(name, false)
                                : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    if (database.isOpen())
        return database;
    database.setHostName(settings.host);
    database.setPort(settings.port);
    database.setDatabaseName(settings.database);
    database.setUserName(settings.user);
    // A server that has gone is noticed in seconds, not at the system's TCP timeout.
    QStringList options{
        QStringLiteral("connect_timeout=5"),  QStringLiteral("keepalives=1"),
        QStringLiteral("keepalives_idle=10"), QStringLiteral("keepalives_interval=5"),
        QStringLiteral("keepalives_count=2"), QStringLiteral("application_name=sentiero")};
    if (settings.authentication == QLatin1String("gss"))
        options << QStringLiteral("gssencmode=require");
    database.setConnectOptions(options.join(QLatin1Char(';')));
    database.open();
    return database;
}

// The server's own words when it gave any (its first line), else the driver's.
QString errorText(const QSqlError &error)
{
    QString text = error.databaseText().section(QLatin1Char('\n'), 0, 0).simplified();
    if (text.isEmpty())
        text = error.driverText().simplified();
    return text.isEmpty() ? QStringLiteral("nessuna risposta") : text;
}

// What one round with the server did.
struct Round
{
    QStringList sent;
    bool fetched = false;
    QList<ExerciseEntry> exercises; // this learner's, from the server
    QList<RunEntry> runs;
    qint64 received = 0;
    QString error;
};

// The work of the sending thread, on its own connection.
class Sender
{
public:
    Sender(ClassSettings settings, QString machine)
        : m_settings(std::move(settings)), m_machine(std::move(machine)),
          m_name(QStringLiteral("classe-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
    }

    Round work(const QList<ExerciseEntry> &exercises, const QList<RunEntry> &runs,
               qint64 fetchAfter)
    {
        Round round;
        QSqlDatabase database = connectTo(m_settings, m_name);
        if (!database.isOpen()) {
            round.error = errorText(database.lastError());
            database.close();
            return round;
        }
        if (!send(database, exercises, runs, round)
            || (fetchAfter >= 0 && !fetch(database, fetchAfter, round))) {
            // The connection may be the broken part: the next round opens a new one.
            database.close();
        }
        return round;
    }

    // Closes the connection; on the sending thread, as it ends.
    void close()
    {
        if (QSqlDatabase::contains(m_name)) {
            QSqlDatabase::database(m_name, false).close();
            QSqlDatabase::removeDatabase(m_name);
        }
    }

private:
    bool fail(Round &round, const QSqlError &error)
    {
        round.error = errorText(error);
        return false;
    }

    // Each entry once: an entry the server has already (sent before its mark was kept
    // here) is left as it is.
    bool send(QSqlDatabase &database, const QList<ExerciseEntry> &exercises,
              const QList<RunEntry> &runs, Round &round)
    {
        if (exercises.isEmpty() && runs.isEmpty())
            return true;
        if (!database.transaction())
            return fail(round, database.lastError());
        QSqlQuery query(database);
        query.prepare(QStringLiteral("INSERT INTO sentiero.exercises (id, machine, %1) VALUES "
                                     "(%2) ON CONFLICT (id) DO NOTHING")
                          .arg(QLatin1String(exerciseFields), placeholders(11)));
        QStringList ids;
        for (const ExerciseEntry &entry : exercises) {
            for (const QVariant &value :
                 QVariantList{entry.id, m_machine, entry.at, entry.course, entry.lesson,
                              entry.category, entry.number, entry.type, entry.identity,
                              entry.outcome.code(), entry.outcome.wrongChecks})
                query.addBindValue(value);
            if (!query.exec()) {
                database.rollback();
                return fail(round, query.lastError());
            }
            ids << entry.id;
        }
        query.prepare(QStringLiteral("INSERT INTO sentiero.runs (id, machine, %1) VALUES (%2) "
                                     "ON CONFLICT (id) DO NOTHING")
                          .arg(QLatin1String(runFields), placeholders(10)));
        for (const RunEntry &entry : runs) {
            for (const QVariant &value :
                 QVariantList{entry.id, m_machine, entry.at, entry.course, entry.lesson,
                              entry.category, entry.right, entry.total, entry.grade,
                              entry.written})
                query.addBindValue(value);
            if (!query.exec()) {
                database.rollback();
                return fail(round, query.lastError());
            }
            ids << entry.id;
        }
        if (!database.commit())
            return fail(round, database.lastError());
        round.sent = ids;
        return true;
    }

    bool fetch(QSqlDatabase &database, qint64 after, Round &round)
    {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        for (const char *table : {"exercises", "runs"}) {
            const bool exercises = QLatin1String(table) == QLatin1String("exercises");
            query.prepare(QStringLiteral("SELECT received, id, %1 FROM sentiero.%2 WHERE "
                                         "learner = current_user AND received > ? ORDER BY "
                                         "received")
                              .arg(QLatin1String(exercises ? exerciseFields : runFields),
                                   QLatin1String(table)));
            query.addBindValue(std::max<qint64>(0, after - fetchOverlap));
            if (!query.exec())
                return fail(round, query.lastError());
            while (query.next()) {
                round.received = std::max(round.received, query.value(0).toLongLong());
                if (exercises)
                    round.exercises << exerciseAt(query, 1);
                else
                    round.runs << runAt(query, 1);
            }
        }
        round.fetched = true;
        return true;
    }

    ClassSettings m_settings;
    QString m_machine;
    QString m_name;
};

class PsqlClassServer : public QObject, public ClassServer
{
public:
    PsqlClassServer(const ClassSettings &settings, LearnerRecord *record)
        : m_settings(settings), m_record(record), m_sender(settings, QSysInfo::machineHostName())
    {
        m_threadContext.moveToThread(&m_thread);
        connect(
            &m_thread, &QThread::finished, &m_threadContext, [this] { m_sender.close(); },
            Qt::DirectConnection);
        m_thread.setObjectName(QStringLiteral("registro della classe"));
        m_retry.setSingleShot(true);
        m_retry.setInterval(retryMs);
        connect(&m_retry, &QTimer::timeout, this, [this] {
            m_fetchDue = true;
            round();
        });
        m_messageLater.setSingleShot(true);
        m_messageLater.setInterval(1000);
        connect(&m_messageLater, &QTimer::timeout, this, [this] { sayUnreachable(); });
        if (m_record)
            m_record->onKept = [this] { round(); };
    }

    ~PsqlClassServer() override
    {
        if (m_record)
            m_record->onKept = nullptr;
        // A round under way ends first; what it sent is marked at the next start (sent
        // again, it is left as it is).
        m_thread.quit();
        m_thread.wait();
    }

    void start() override
    {
        if (!m_thread.isRunning())
            m_thread.start();
        m_fetchDue = true;
        round();
    }

    QList<LearnerEntries> readClass(QString &error) override
    {
        const QString name =
            QStringLiteral("registro-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QList<LearnerEntries> learners;
        {
            QSqlDatabase database = connectTo(m_settings, name);
            learners = readClassFrom(database, error);
            database.close();
        }
        QSqlDatabase::removeDatabase(name);
        return learners;
    }

private:
    // One round at a time: a round asked for while one is under way follows it.
    void round()
    {
        if (!m_record || !m_thread.isRunning())
            return;
        if (m_busy) {
            m_again = true;
            return;
        }
        m_again = false;
        const QList<ExerciseEntry> exercises = m_record->unsentExercises(batchSize);
        const QList<RunEntry> runs = m_record->unsentRuns(batchSize);
        const qint64 fetchAfter = m_fetchDue ? m_record->lastReceived() : -1;
        if (exercises.isEmpty() && runs.isEmpty() && fetchAfter < 0)
            return;
        m_busy = true;
        const bool full = exercises.size() == batchSize || runs.size() == batchSize;
        QMetaObject::invokeMethod(
            &m_threadContext,
            [this, exercises, runs, fetchAfter, full] {
                Round done = m_sender.work(exercises, runs, fetchAfter);
                QMetaObject::invokeMethod(
                    this, [this, done, full] { finished(done, full); }, Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }

    void finished(const Round &done, bool full)
    {
        m_busy = false;
        m_record->markSent(done.sent);
        if (done.fetched) {
            m_fetchDue = false;
            m_record->addFromServer(done.exercises, done.runs, done.received);
        }
        if (!done.error.isEmpty()) {
            m_lastError = done.error;
            if (!m_told) {
                m_told = true;
                sayUnreachable();
            }
            m_retry.start();
            return;
        }
        if (m_again || full)
            round();
    }

    // Said once, when no window waits for an answer (not over an exercise being answered).
    void sayUnreachable()
    {
        if (QApplication::activeModalWidget()) {
            m_messageLater.start();
            return;
        }
        platform().messages->showMessage(
            QStringLiteral("Gli esercizi non possono essere inviati al registro della classe "
                           "sul server \"%1\" (%2). Restano registrati su questo computer e "
                           "saranno inviati appena il server risponde.")
                .arg(m_settings.host.isEmpty() ? QStringLiteral("locale") : m_settings.host,
                     m_lastError));
    }

    QList<LearnerEntries> readClassFrom(QSqlDatabase &database, QString &error)
    {
        QList<LearnerEntries> learners;
        if (!database.isOpen()) {
            error = errorText(database.lastError());
            return learners;
        }
        QSqlQuery query(database);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral(
                "SELECT current_user, pg_has_role(current_user, 'sentiero_insegnanti', "
                "'MEMBER')"))
            || !query.next()) {
            error = errorText(query.lastError());
            return learners;
        }
        if (!query.value(1).toBool()) {
            error = QStringLiteral("il ruolo \"%1\" non è tra gli insegnanti della classe "
                                   "(sentiero_insegnanti)")
                        .arg(query.value(0).toString());
            return learners;
        }
        QMap<QString, LearnerEntries> byName;
        // The class: the learners' group, and anyone who has entries.
        const QString classQuery = QStringLiteral(
            "SELECT member.rolname FROM pg_auth_members m JOIN pg_roles member ON member.oid "
            "= m.member JOIN pg_roles grp ON grp.oid = m.roleid WHERE grp.rolname = "
            "'sentiero_allievi' UNION SELECT learner FROM sentiero.exercises UNION SELECT "
            "learner FROM sentiero.runs");
        const QString exerciseQuery =
            QStringLiteral("SELECT learner, id, %1 FROM sentiero.exercises ORDER BY at, received")
                .arg(QLatin1String(exerciseFields));
        const QString runQuery =
            QStringLiteral("SELECT learner, id, %1 FROM sentiero.runs ORDER BY at, received")
                .arg(QLatin1String(runFields));
        if (!query.exec(classQuery)) {
            error = errorText(query.lastError());
            return learners;
        }
        while (query.next())
            byName[query.value(0).toString()].learner = query.value(0).toString();
        if (!query.exec(exerciseQuery)) {
            error = errorText(query.lastError());
            return learners;
        }
        while (query.next())
            byName[query.value(0).toString()].exercises << exerciseAt(query, 1);
        if (!query.exec(runQuery)) {
            error = errorText(query.lastError());
            return learners;
        }
        while (query.next())
            byName[query.value(0).toString()].runs << runAt(query, 1);
        return byName.values();
    }

    ClassSettings m_settings;
    LearnerRecord *m_record;
    Sender m_sender; // used on the sending thread only
    QThread m_thread;
    QObject m_threadContext; // lives in the sending thread
    QTimer m_retry;
    QTimer m_messageLater;
    bool m_busy = false;
    bool m_again = false;
    bool m_fetchDue = true;
    bool m_told = false;
    QString m_lastError;
};

} // namespace

namespace {

// The learner's file first, then the system's (/etc/xdg, or XDG_CONFIG_DIRS).
QStringList classSettingsFiles()
{
    QStringList files;
    for (const QString &folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        files << QDir(folder).filePath(QStringLiteral("Sentiero dei Punti/registro.conf"));
    return files;
}

} // namespace

QString userClassSettingsFile()
{
    return classSettingsFiles().value(0);
}

ClassSettings readClassSettings()
{
    // Each key from the first file that has it.
    std::vector<std::unique_ptr<QSettings>> files;
    for (const QString &path : classSettingsFiles())
        if (QFileInfo::exists(path))
            files.push_back(std::make_unique<QSettings>(path, QSettings::IniFormat));
    QString source;
    const auto value = [&](const char *key, const QString &fallback = QString()) {
        const QString name = QStringLiteral("server/") + QLatin1String(key);
        for (const auto &file : files) {
            if (file->contains(name)) {
                source = file->fileName();
                return file->value(name).toString().trimmed();
            }
        }
        return fallback;
    };
    ClassSettings settings;
    settings.host = value("host");
    settings.database = value("database");
    settings.user = value("user");
    const QString port = value("port", QStringLiteral("5432"));
    bool portOk = true;
    settings.port = port.toInt(&portOk);
    const QString authentication = value("autenticazione", QStringLiteral("pgpass"));
    QStringList problems;
    if (!value("password").isNull())
        problems << QStringLiteral("la password scritta nel file \"%1\" non viene usata: va nel "
                                   "file ~/.pgpass")
                        .arg(QDir::toNativeSeparators(source));
    if (!portOk || settings.port <= 0 || settings.port > 65535)
        problems << QStringLiteral("la porta \"%1\" non è un numero di porta").arg(port);
    if (authentication != QLatin1String("pgpass") && authentication != QLatin1String("peer")
        && authentication != QLatin1String("gss"))
        problems << QStringLiteral("l'autenticazione \"%1\" non è pgpass, peer né gss")
                        .arg(authentication);
    else if (authentication == QLatin1String("peer") && !settings.host.isEmpty()
             && !settings.host.startsWith(QLatin1Char('/')))
        problems << QStringLiteral("l'autenticazione peer vale solo sul server stesso: host va "
                                   "lasciato vuoto o è la cartella del socket");
    settings.authentication = authentication;
    if (!problems.isEmpty()) {
        // A password in the file is not used, and the rest still holds; anything else
        // leaves the record on this machine.
        if (problems.size() > 1 || value("password").isNull())
            settings.database.clear();
        settings.problem =
            QStringLiteral("Registro della classe: %1.").arg(problems.join(QStringLiteral("; ")));
    }
    return settings;
}

std::unique_ptr<ClassServer> openClassServer(const ClassSettings &settings, LearnerRecord *record)
{
    return std::make_unique<PsqlClassServer>(settings, record);
}
