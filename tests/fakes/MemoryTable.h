// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Table.h"

#include <QMap>
#include <QStringList>

// A table built in memory, in the exercise record's field order unless told otherwise.
class MemoryTable : public RecordSource
{
public:
    static QStringList exerciseFields(bool withDomaRnd = true);

    MemoryTable() : MemoryTable(exerciseFields()) {}
    explicit MemoryTable(const QStringList &fieldNames);

    // Appends a record; fields not given are null. Texts are cp1252 bytes or QString.
    MemoryTable &add(const QMap<QString, QVariant> &values);

    const QList<FieldDef> &fields() const override { return m_fields; }
    int recordCount() const override { return int(m_rows.size()); }
    QVariant value(int record, int field) const override { return m_rows[record][field]; }
    QByteArray rawBlob(int record, int field) const override;

    // An opener that hands out a copy of this table for any path, recording the paths.
    TableOpener opener(QStringList *openedPaths = nullptr) const;

private:
    QList<FieldDef> m_fields;
    QList<QList<QVariant>> m_rows;
};

// Rich text the way a RichEdit control saves it, one paragraph a line.
QByteArray rtf(const QList<QByteArray> &lines);
