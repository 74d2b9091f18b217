// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The fields of an exercise table, as the program reads them and the course builder writes
// them.

enum class ColumnKind
{
    ShortInt,
    LongInt,
    Alpha,
    Logical,
    RichText,
    Memo,
    Graphic
};

struct Column
{
    const char *name;
    ColumnKind kind;
    int size; // bytes in the record
};

namespace Field {
inline constexpr char Lezione[] = "Lezione";
inline constexpr char Cat_eser[] = "Cat_eser";
inline constexpr char T_eser[] = "T_eser";
inline constexpr char eser_nr[] = "eser_nr";
inline constexpr char Tit_doma[] = "Tit_doma";
inline constexpr char Doma_rch[] = "Doma_rch";
inline constexpr char Risp_rch[] = "Risp_rch";
inline constexpr char Tfont[] = "Tfont";
inline constexpr char Doma_img[] = "Doma_img";
inline constexpr char Img1[] = "Img1";
inline constexpr char Img2[] = "Img2";
inline constexpr char Img3[] = "Img3";
inline constexpr char List_doma[] = "List_doma";
inline constexpr char List_risp[] = "List_risp";
inline constexpr char Doma_rnd[] = "Doma_rnd"; // optional: a table may leave it out
inline constexpr char Risp_img[] = "Risp_img";
inline constexpr char Risp_img1[] = "Risp_img1";
inline constexpr char Risp_img2[] = "Risp_img2";
inline constexpr char Risp_img3[] = "Risp_img3";
} // namespace Field

// The columns of an exercise table, in their order.
inline constexpr Column CourseColumns[] = {
    {Field::Lezione, ColumnKind::ShortInt, 2},    {Field::Cat_eser, ColumnKind::ShortInt, 2},
    {Field::T_eser, ColumnKind::ShortInt, 2},     {Field::eser_nr, ColumnKind::LongInt, 4},
    {Field::Tit_doma, ColumnKind::RichText, 40},  {Field::Doma_rch, ColumnKind::RichText, 40},
    {Field::Risp_rch, ColumnKind::RichText, 40},  {Field::Tfont, ColumnKind::Alpha, 20},
    {Field::Doma_img, ColumnKind::Graphic, 40},   {Field::Img1, ColumnKind::Graphic, 40},
    {Field::Img2, ColumnKind::Graphic, 40},       {Field::Img3, ColumnKind::Graphic, 40},
    {Field::List_doma, ColumnKind::Memo, 40},     {Field::List_risp, ColumnKind::Memo, 40},
    {Field::Doma_rnd, ColumnKind::Logical, 1},    {Field::Risp_img, ColumnKind::ShortInt, 2},
    {Field::Risp_img1, ColumnKind::RichText, 40}, {Field::Risp_img2, ColumnKind::RichText, 40},
    {Field::Risp_img3, ColumnKind::RichText, 40},
};

// The position of a column in the table, counted from 0; -1 for a name it lacks. The
// columns before Doma_rnd keep their places whether or not a table has it.
constexpr int courseColumnPosition(std::string_view name)
{
    for (int i = 0; i < int(std::size(CourseColumns)); ++i) {
        if (name == CourseColumns[i].name)
            return i;
    }
    return -1;
}

// The three courses of a content folder, by their digit.
struct CourseInfo
{
    const char *tableFile; // under ContentDir
    const char *name;      // as the lesson pages give it
    const char *ofCourse;  // "dell'alfabeto": the course after a noun
};
inline constexpr CourseInfo Courses[] = {
    {"\\Ex\\ESER_1.DB", "Alfabeto", "dell'alfabeto"},
    {"\\Ex\\ESER_2.DB", "Matematica", "di matematica"},
    {"\\Ex\\ESER_3.DB", "Musica", "di musica"},
};
// A course by its digit, 1 to 3; null for any other.
constexpr const CourseInfo *courseInfo(int course)
{
    return course >= 1 && course <= int(std::size(Courses)) ? &Courses[course - 1] : nullptr;
}
