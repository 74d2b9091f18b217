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

const char *const schema[] = {
    "CREATE TABLE IF NOT EXISTS exercises (id INTEGER PRIMARY KEY, at TEXT NOT NULL, "
    "course INTEGER NOT NULL, lesson INTEGER NOT NULL, category INTEGER NOT NULL, "
    "eser_nr INTEGER NOT NULL, t_eser INTEGER NOT NULL, identity TEXT NOT NULL, "
    "outcome TEXT NOT NULL, wrong_checks INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS runs (id INTEGER PRIMARY KEY, at TEXT NOT NULL, "
    "course INTEGER NOT NULL, lesson INTEGER NOT NULL, category INTEGER NOT NULL, "
    "right_count INTEGER NOT NULL, total INTEGER NOT NULL, grade TEXT NOT NULL)",
};

// An empty text, never a null one: Qt SQL binds a null QString as NULL.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
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
        insert(QStringLiteral("INSERT INTO exercises (at, course, lesson, category, eser_nr, "
                              "t_eser, identity, outcome, wrong_checks) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {entry.at.toString(Qt::ISODateWithMs), entry.course, entry.lesson, entry.category,
                entry.number, entry.type, notNull(entry.identity), entry.outcome.code(),
                entry.outcome.wrongChecks});
    }

    void addRun(const RunEntry &entry) override
    {
        insert(QStringLiteral("INSERT INTO runs (at, course, lesson, category, right_count, "
                              "total, grade) VALUES (?, ?, ?, ?, ?, ?, ?)"),
               {entry.at.toString(Qt::ISODateWithMs), entry.course, entry.lesson, entry.category,
                entry.right, entry.total, notNull(entry.grade)});
    }

    QList<ExerciseEntry> exercises() override
    {
        QList<ExerciseEntry> entries;
        if (!ready())
            return entries;
        QSqlQuery query(db());
        if (!query.exec(QStringLiteral(
                "SELECT at, course, lesson, category, eser_nr, t_eser, identity, outcome, "
                "wrong_checks FROM exercises ORDER BY id")))
            return entries;
        while (query.next()) {
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
            entries << entry;
        }
        return entries;
    }

    QList<RunEntry> runs() override
    {
        QList<RunEntry> entries;
        if (!ready())
            return entries;
        QSqlQuery query(db());
        if (!query.exec(QStringLiteral("SELECT at, course, lesson, category, right_count, total, "
                                       "grade FROM runs ORDER BY id")))
            return entries;
        while (query.next()) {
            RunEntry entry;
            entry.at = QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs);
            entry.course = query.value(1).toInt();
            entry.lesson = query.value(2).toInt();
            entry.category = query.value(3).toInt();
            entry.right = query.value(4).toInt();
            entry.total = query.value(5).toInt();
            entry.grade = query.value(6).toString();
            entries << entry;
        }
        return entries;
    }

    bool isKept() override { return ready(); }

private:
    enum class State
    {
        Unopened,
        Open,
        Off
    };

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
        if (query.exec() || m_writeFailureShown)
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
        return true;
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

std::unique_ptr<LearnerRecord> openSqlLearnerRecord(const QString &folder)
{
    return std::make_unique<SqlLearnerRecord>(folder);
}
