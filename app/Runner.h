#pragma once

#include <QString>

// The course table file of a course (1 alphabet, 2 mathematics, 3 music), under ContentDir.
QString CourseTableFile(int course);

// Runs the exercises of a lesson of a course: asks for the category and shows one exercise
// window per record. Returns when the run is over.
void RunExercises(int course, int lesson);
