// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LearnerRecord.h"

#include <QList>
#include <QString>

#include <memory>

// The school's PostgreSQL server, as the configuration file "registro.conf" gives it.
struct ClassSettings
{
    QString host; // a name, an address or a socket folder; empty: the local socket
    int port = 5432;
    QString database; // empty: no class server, the program keeps its record to itself
    QString user;     // empty: the desktop account
    // "pgpass" (a password in ~/.pgpass, or none needed), "peer" (the local socket's
    // account) or "gss" (Kerberos). Never a password in the configuration file.
    QString authentication = QStringLiteral("pgpass");
    QString problem; // what is wrong with the file, for the learner; empty when nothing
    bool configured() const { return !database.isEmpty(); }
};

// The school's file for every machine (/etc/xdg/Sentiero dei Punti/registro.conf), each key
// overridden by the learner's own (~/.config/Sentiero dei Punti/registro.conf); INI files,
// group [server]: host, port, database, user, autenticazione.
ClassSettings readClassSettings();
// The learner's own configuration file, for messages.
QString userClassSettingsFile();

// One learner's entries as the server holds them.
struct LearnerEntries
{
    QString learner; // the learner's role: the desktop account
    QList<ExerciseEntry> exercises;
    QList<RunEntry> runs;
};

// The class server: the learner's entries go to it in the background, once each, and the
// learner's entries of other machines come from it into the record; a teacher reads the
// class from it. A server that cannot be reached is said once; nothing waits for it.
class ClassServer
{
public:
    virtual ~ClassServer() = default;
    // Begins sending and fetching: at once, after each entry the record keeps, and on a timer
    // while entries wait.
    virtual void start() = 0;
    // The class as the connected role reads it: every learner of the class (also those with
    // no entry yet) with their entries, oldest first. Waits for the server; on failure
    // returns nothing and puts the reason in `error`.
    virtual QList<LearnerEntries> readClass(QString &error) = 0;
};

// The real server through Qt SQL's PostgreSQL driver, sending the entries of `record`.
std::unique_ptr<ClassServer> openClassServer(const ClassSettings &settings, LearnerRecord *record);
