#pragma once

#include <QString>
#include <QtGlobal>

class MediaPlayer;

// Program-wide state, set and read on the user-interface thread only.
extern QString ContentDir;         // the current directory at start-up
extern qint32 CorrectCount;        // exercises answered right in the current run
extern qint32 WrongAttempts;       // wrong checks on the current exercise
extern qint32 CurrentExerciseType; // T_eser of the record being shown
extern qint32 PendingAction;       // the main window's deferred command
extern qint32 PendingLesson;
extern MediaPlayer *SharedPlayer; // the main window's hidden player; every window's sounds

// ContentDir + a backslash path, as a path of this file system.
QString contentFile(const QString &relative);
