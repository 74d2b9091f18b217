// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "rules/Codes.h"

// The course table file of a course, under ContentDir.
QString CourseTableFile(Course course);

// Runs the exercises of a lesson of a course: asks for the category and shows one exercise
// window per record. Returns when the run is over.
void RunExercises(Course course, int lesson);

// Runs the exercises of a course that wait for review (see reviewList), each in its window
// as in a run of its category, in practice mode; ends with how many were right, or says
// that there is nothing to review.
void RunReview(Course course);

// Runs today's review of the signs (todayReviewList), in practice mode; ends with how many
// signs are now stronger, or says that nothing is due and when the next review falls.
void RunTodayReview();
