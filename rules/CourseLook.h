// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The font families of the course's private fonts, as pages and boxes name them.
namespace CourseFont {
inline constexpr char Braille[] = "tvpZEV Braille 6"; // the six-dot cells of pages and answer boxes
inline constexpr char BrailleLists[] = "ZEV Braille 6"; // the cells of the random-data lists and records' rich text
inline constexpr char Music[] = "tvpDaduvo Test";       // the music signs
inline constexpr char Print[] = "Times New Roman";      // typed print answers and dialogs
} // namespace CourseFont

// The colour of a category's texts on its pages and in the category dialog, as "#RRGGBB":
// 1 green, 2 red, 3 blue, 4 black; black for any other value.
inline QByteArray categoryColour(int category)
{
    switch (category) {
    case 1:
        return "#008000";
    case 2:
        return "#FF0000";
    case 3:
        return "#0000FF";
    }
    return "#000000";
}
