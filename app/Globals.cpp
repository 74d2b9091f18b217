#include "app/Globals.h"

#include "platform/ContentPath.h"

QString ContentDir;
qint32 CorrectCount = 0;
qint32 WrongAttempts = 0;
qint32 CurrentExerciseType = 0;
qint32 PendingAction = 0;
qint32 PendingLesson = 0;
MediaPlayer *SharedPlayer = nullptr;

QString contentFile(const QString &relative)
{
    return contentPath(ContentDir, relative);
}
