#pragma once

#include <QList>
#include <QString>

class TExerciseWindow;

// The course table file of a course (1 alphabet, 2 mathematics, 3 music), under ContentDir.
QString CourseTableFile(int course);

// The runner's dispatch table: the exercise window of each type code of each course.
void AddExerciseWindow(int course, int type, TExerciseWindow *window);
void ClearExerciseWindows();
// The window that a type code selects in a course; null when it selects none.
TExerciseWindow *ExerciseWindowFor(int course, int type);
QList<TExerciseWindow *> CourseWindows(int course);

// Runs the exercises of a lesson of a course: asks for the category and shows one exercise
// window per record. Returns when the run is over.
void RunExercises(int course, int lesson);
