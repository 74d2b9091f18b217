// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The three courses, by the digit their lesson links and tables carry.
enum class Course
{
    Alphabet = 1,
    Mathematics = 2,
    Music = 3,
};
constexpr Course AllCourses[] = {Course::Alphabet, Course::Mathematics, Course::Music};

// The course of a digit; none for a digit that names no course.
constexpr std::optional<Course> courseOf(int digit)
{
    if (digit < int(Course::Alphabet) || digit > int(Course::Music))
        return std::nullopt;
    return Course(digit);
}

// The categories of exercises a lesson offers, by their Cat_eser; each also colours the texts
// of its pages.
enum class Category
{
    Review = 1,        // symbols of earlier lessons
    NewSymbols = 2,    // the lesson's new symbols
    Consolidation = 3, // practice
    Test = 4,          // verification test, graded at the end
};
constexpr Category FirstCategory = Category::Review;
constexpr Category LastCategory = Category::Test;

// The category of a Cat_eser value, the nearest one for a value out of range.
constexpr Category categoryOf(int value)
{
    return value < int(FirstCategory) ? FirstCategory
         : value > int(LastCategory)  ? LastCategory
                                      : Category(value);
}

// A verification test has this many exercises; it is graded out of as many right answers.
constexpr int TestLength = 10;
// Right answers of a run as a test counts them: never more than the test's length.
constexpr int testScore(int right)
{
    return right < 0 ? 0 : right > TestLength ? TestLength : right;
}

// Help opens, and a test exercise ends, once the wrong checks of an exercise exceed this.
constexpr int HelpThreshold = 3;
