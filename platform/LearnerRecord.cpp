// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LearnerRecord.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace {

// An empty text, never a null one: Qt SQL binds a null QString as NULL.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

const char *const schema[] = {
    "CREATE TABLE IF NOT EXISTS exercises (id INTEGER PRIMARY KEY, at TEXT NOT NULL, "
    "course INTEGER NOT NULL, lesson INTEGER NOT NULL, category INTEGER NOT NULL, "
    "eser_nr INTEGER NOT NULL, t_eser INTEGER NOT NULL, identity TEXT NOT NULL, "
    "outcome TEXT NOT NULL, wrong_checks INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS runs (id INTEGER PRIMARY KEY, at TEXT NOT NULL, "
    "course INTEGER NOT NULL, lesson INTEGER NOT NULL, category INTEGER NOT NULL, "
    "right_count INTEGER NOT NULL, total INTEGER NOT NULL, grade TEXT NOT NULL)",
};

const char *const exerciseColumns =
    "at, course, lesson, category, eser_nr, t_eser, identity, outcome, wrong_checks, uuid";
const char *const runColumns =
    "at, course, lesson, category, right_count, total, grade, uuid, written";

// A version 4 UUID for each row of the record kept before entries had one.
const char *const newUuid =
    "lower(hex(randomblob(4))) || '-' || lower(hex(randomblob(2))) || '-4' || "
    "substr(lower(hex(randomblob(2))), 2) || '-' || substr('89ab', 1 + abs(random()) % 4, 1) || "
    "substr(lower(hex(randomblob(2))), 2) || '-' || lower(hex(randomblob(6)))";

// Everything kept: entries of other machines are placed by their time among this machine's.
const char *const byTime = "ORDER BY at, id";
// What waits for the class server, in the order it was kept (the partial index's order: a
// few waiting among many sent are found at once).
const char *const unsentFirst = "WHERE sent = 0 ORDER BY id";

QString selectStatement(const char *columns, const char *table, const char *rest, int limit)
{
    return QStringLiteral("SELECT %1 FROM %2 %3 LIMIT %4")
        .arg(QLatin1String(columns), QLatin1String(table), QLatin1String(rest))
        .arg(limit);
}

ExerciseEntry readExercise(const QSqlQuery &query)
{
    ExerciseEntry entry;
    entry.at = QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs);
    entry.course = query.value(1).toInt();
    entry.lesson = query.value(2).toInt();
    entry.category = query.value(3).toInt();
    entry.number = query.value(4).toInt();
    entry.type = query.value(5).toInt();
    entry.identity = query.value(6).toString();
    entry.outcome.kind = ExerciseOutcome::fromCode(query.value(7).toString());
    entry.outcome.wrongChecks = query.value(8).toInt();
    entry.id = query.value(9).toString();
    return entry;
}

RunEntry readRun(const QSqlQuery &query)
{
    RunEntry entry;
    entry.at = QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs);
    entry.course = query.value(1).toInt();
    entry.lesson = query.value(2).toInt();
    entry.category = query.value(3).toInt();
    entry.right = query.value(4).toInt();
    entry.total = query.value(5).toInt();
    entry.grade = query.value(6).toString();
    entry.id = query.value(7).toString();
    entry.written = query.value(8).toString();
    return entry;
}

QVariantList exerciseValues(const ExerciseEntry &entry)
{
    return {entry.at.toLocalTime().toString(Qt::ISODateWithMs), entry.course, entry.lesson,
            entry.category, entry.number, entry.type, notNull(entry.identity),
            entry.outcome.code(), entry.outcome.wrongChecks, entry.id};
}

QVariantList runValues(const RunEntry &entry)
{
    return {entry.at.toLocalTime().toString(Qt::ISODateWithMs), entry.course, entry.lesson,
            entry.category, entry.right, entry.total, notNull(entry.grade), entry.id,
            notNull(entry.written)};
}

QString insertStatement(const char *verb, const char *table, const char *columns, int count,
                        const char *sent)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("%1 INTO %2 (%3, sent) VALUES (%4, %5)")
        .arg(QLatin1String(verb), QLatin1String(table), QLatin1String(columns),
             marks.join(QStringLiteral(", ")), QLatin1String(sent));
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

class SqlLearnerRecord : public LearnerRecord
{
public:
    explicit SqlLearnerRecord(const QString &folder)
        : m_folder(folder), m_connection(QUuid::createUuid().toString())
    {
    }

    ~SqlLearnerRecord() override
    {
        if (QSqlDatabase::contains(m_connection)) {
            QSqlDatabase::database(m_connection, false).close();
            QSqlDatabase::removeDatabase(m_connection);
        }
    }

    void addExercise(const ExerciseEntry &entry) override
    {
        ExerciseEntry kept = entry;
        if (kept.id.isEmpty())
            kept.id = newId();
        insert(insertStatement("INSERT", "exercises", exerciseColumns, 10, "0"),
               exerciseValues(kept));
    }

    void addRun(const RunEntry &entry) override
    {
        RunEntry kept = entry;
        if (kept.id.isEmpty())
            kept.id = newId();
        insert(insertStatement("INSERT", "runs", runColumns, 9, "0"), runValues(kept));
    }

    QList<ExerciseEntry> exercises() override { return readExercises(byTime); }
    QList<RunEntry> runs() override { return readRuns(byTime); }

    QList<ExerciseEntry> unsentExercises(int limit) override
    {
        return readExercises(unsentFirst, limit);
    }

    QList<RunEntry> unsentRuns(int limit) override { return readRuns(unsentFirst, limit); }

    void markSent(const QStringList &ids) override
    {
        if (!ready() || ids.isEmpty())
            return;
        QSqlDatabase database = db();
        database.transaction();
        QSqlQuery query(database);
        for (const char *table : {"exercises", "runs"}) {
            query.prepare(QStringLiteral("UPDATE %1 SET sent = 1 WHERE uuid = ?")
                              .arg(QLatin1String(table)));
            for (const QString &id : ids) {
                query.addBindValue(id);
                query.exec();
            }
        }
        database.commit();
    }

    void addFromServer(const QList<ExerciseEntry> &exercises, const QList<RunEntry> &runs,
                       qint64 received) override
    {
        if (!ready())
            return;
        QSqlDatabase database = db();
        database.transaction();
        QSqlQuery query(database);
        query.prepare(insertStatement("INSERT OR IGNORE", "exercises", exerciseColumns, 10, "1"));
        for (const ExerciseEntry &entry : exercises) {
            for (const QVariant &value : exerciseValues(entry))
                query.addBindValue(value);
            query.exec();
        }
        query.prepare(insertStatement("INSERT OR IGNORE", "runs", runColumns, 9, "1"));
        for (const RunEntry &entry : runs) {
            for (const QVariant &value : runValues(entry))
                query.addBindValue(value);
            query.exec();
        }
        query.prepare(QStringLiteral("INSERT OR REPLACE INTO class_state (key, value) "
                                     "VALUES ('received', max(?, coalesce((SELECT value FROM "
                                     "class_state WHERE key = 'received'), 0)))"));
        query.addBindValue(received);
        query.exec();
        database.commit();
    }

    qint64 lastReceived() override
    {
        if (!ready())
            return 0;
        QSqlQuery query(db());
        if (query.exec(QStringLiteral("SELECT value FROM class_state WHERE key = 'received'"))
            && query.next())
            return query.value(0).toLongLong();
        return 0;
    }

    bool isKept() override { return ready(); }

private:
    enum class State
    {
        Unopened,
        Open,
        Off
    };

    QList<ExerciseEntry> readExercises(const char *rest, int limit = -1)
    {
        QList<ExerciseEntry> entries;
        if (!ready())
            return entries;
        QSqlQuery query(db());
        query.setForwardOnly(true);
        if (!query.exec(selectStatement(exerciseColumns, "exercises", rest, limit)))
            return entries;
        while (query.next())
            entries << readExercise(query);
        return entries;
    }

    QList<RunEntry> readRuns(const char *rest, int limit = -1)
    {
        QList<RunEntry> entries;
        if (!ready())
            return entries;
        QSqlQuery query(db());
        query.setForwardOnly(true);
        if (!query.exec(selectStatement(runColumns, "runs", rest, limit)))
            return entries;
        while (query.next())
            entries << readRun(query);
        return entries;
    }

    QSqlDatabase db() const { return QSqlDatabase::database(m_connection, false); }
    QString path() const { return QDir(m_folder).filePath(QStringLiteral("progressi.sqlite")); }

    bool ready()
    {
        if (m_state == State::Unopened)
            m_state = open() ? State::Open : State::Off;
        return m_state == State::Open;
    }

    // One entry, in a transaction of its own. A statement that fails after the record was
    // opened (a full disk, a file removed) loses that entry only; the learner is told once.
    void insert(const QString &statement, const QVariantList &values)
    {
        if (!ready())
            return;
        QSqlQuery query(db());
        query.prepare(statement);
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (query.exec()) {
            if (onKept)
                onKept();
            return;
        }
        if (m_writeFailureShown)
            return;
        m_writeFailureShown = true;
        platform().messages->showMessage(
            QStringLiteral("Non è stato possibile registrare i progressi in \"%1\": %2")
                .arg(QDir::toNativeSeparators(path()), query.lastError().text()));
    }

    bool open()
    {
        if (!QDir().mkpath(m_folder)) {
            refuse(QStringLiteral("la cartella \"%1\" non può essere creata")
                       .arg(QDir::toNativeSeparators(m_folder)));
            return false;
        }
        if (openDatabase())
            return true;
        // Unreadable: set aside, and a new record begun.
        db().close();
        const QString aside =
            path() + QStringLiteral(".danneggiato-")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        for (const char *suffix : {"-wal", "-shm"})
            QFile::remove(path() + QLatin1String(suffix));
        if (!QFile::rename(path(), aside)) {
            refuse(QStringLiteral("il file \"%1\" è danneggiato e non può essere spostato")
                       .arg(QDir::toNativeSeparators(path())));
            return false;
        }
        if (!openDatabase()) {
            refuse(QStringLiteral("il file \"%1\" non può essere scritto")
                       .arg(QDir::toNativeSeparators(path())));
            return false;
        }
        platform().messages->showMessage(
            QStringLiteral("Il registro dei progressi era danneggiato: è stato messo da parte "
                           "come \"%1\" e ne è stato iniziato uno nuovo.")
                .arg(QDir::toNativeSeparators(aside)));
        return true;
    }

    bool openDatabase()
    {
        QSqlDatabase database = QSqlDatabase::contains(m_connection)
                                    ? db()
                                    : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                                m_connection);
        // A link at the record's name could lead the learner's writes anywhere: it is set
        // aside like a damaged record.
        if (QFileInfo(path()).isSymLink())
            return false;
        database.setDatabaseName(path());
        if (!database.open())
            return false;
        QSqlQuery query(database);
        // One write a transaction in a write-ahead log: an exercise costs one short append,
        // and a program killed between two exercises loses nothing already written.
        if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()
            || query.value(0).toString() != QLatin1String("ok"))
            return false;
        for (const char *statement :
             {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", schema[0], schema[1]}) {
            if (!query.exec(QString::fromLatin1(statement)))
                return false;
        }
        return upgrade(database);
    }

    // Since the class server: each entry has a UUID and says whether the server has it.
    // A record kept before keeps its rows, each given its UUID, none sent yet. Since runs
    // say how their braille was written, a run kept before says nothing of it.
    static bool upgrade(QSqlDatabase database)
    {
        QSqlQuery query(database);
        QStringList statements;
        for (const char *table : {"exercises", "runs"}) {
            const QString name = QLatin1String(table);
            bool hasUuid = false, hasWritten = false;
            if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(name)))
                return false;
            while (query.next()) {
                hasUuid = hasUuid || query.value(1).toString() == QLatin1String("uuid");
                hasWritten = hasWritten || query.value(1).toString() == QLatin1String("written");
            }
            if (!hasWritten && name == QLatin1String("runs"))
                statements << QStringLiteral("ALTER TABLE runs ADD COLUMN written TEXT NOT NULL "
                                             "DEFAULT ''");
            if (!hasUuid)
                statements << QStringLiteral("ALTER TABLE %1 ADD COLUMN uuid TEXT").arg(name)
                           << QStringLiteral("ALTER TABLE %1 ADD COLUMN sent INTEGER NOT NULL "
                                             "DEFAULT 0").arg(name)
                           << QStringLiteral("UPDATE %1 SET uuid = %2 WHERE uuid IS NULL")
                                  .arg(name, QLatin1String(newUuid));
            statements
                << QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1_uuid ON %1 (uuid)").arg(name)
                << QStringLiteral("CREATE INDEX IF NOT EXISTS %1_unsent ON %1 (id) WHERE sent = 0")
                       .arg(name)
                << QStringLiteral("CREATE INDEX IF NOT EXISTS %1_at ON %1 (at)").arg(name);
        }
        statements << QStringLiteral("CREATE TABLE IF NOT EXISTS class_state (key TEXT PRIMARY "
                                     "KEY, value INTEGER NOT NULL)");
        if (!database.transaction())
            return false;
        for (const QString &statement : statements) {
            if (!query.exec(statement)) {
                database.rollback();
                return false;
            }
        }
        return database.commit();
    }

    void refuse(const QString &why)
    {
        platform().messages->showMessage(
            QStringLiteral("I progressi non saranno registrati: %1.").arg(why));
    }

    QString m_folder;
    QString m_connection;
    State m_state = State::Unopened;
    bool m_writeFailureShown = false;
};

} // namespace

QList<ExerciseEntry> LearnerRecord::unsentExercises(int)
{
    return {};
}

QList<RunEntry> LearnerRecord::unsentRuns(int)
{
    return {};
}

void LearnerRecord::markSent(const QStringList &) {}

void LearnerRecord::addFromServer(const QList<ExerciseEntry> &, const QList<RunEntry> &, qint64) {}

qint64 LearnerRecord::lastReceived()
{
    return 0;
}

std::unique_ptr<LearnerRecord> openSqlLearnerRecord(const QString &folder)
{
    return std::make_unique<SqlLearnerRecord>(folder);
}
