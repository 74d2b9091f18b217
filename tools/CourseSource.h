// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/CourseFields.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <stdexcept>

// The course source text (docs/course-format.md) read into the values of an exercise table.

// The table's columns in their order; without the random flag Doma_rnd is left out.
QList<Column> courseColumns(bool withRandomFlag);

struct CourseValue
{
    bool present = false; // a value not given stays null
    int number = 0;       // integers; logical 0 / 1
    QByteArray bytes;     // alpha (cp1252), memo, rich text (RTF) and picture bytes
};

struct CourseRecord
{
    int line = 0;
    QList<CourseValue> values; // one per column
};

struct CourseSource
{
    QList<Column> columns;
    QList<CourseRecord> records;
};

class CourseError : public std::runtime_error
{
public:
    CourseError(const QString &file, int line, const QString &message)
        : std::runtime_error(
            QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message).toStdString())
    {
    }
};

// Reads a source text; picture paths are taken relative to `baseDir`. Throws CourseError.
CourseSource parseCourseSource(const QByteArray &text, const QString &fileName,
                               const QString &baseDir);

// Lines of cp1252 text as a RichEdit control saves them.
QByteArray richTextFromLines(const QList<QByteArray> &lines);
