// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

// A table that cannot be opened or read: missing, truncated or corrupt file, unknown field.
// The text names the file (or the field) and is shown to the user as it stands.
class TableError : public std::runtime_error
{
public:
    explicit TableError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

enum class FieldType
{
    Alpha,
    Date,
    ShortInt,
    LongInt,
    Currency,
    Number,
    Logical,
    Memo,
    Blob,
    FmtMemo,
    Ole,
    Graphic,
    Time,
    Timestamp,
    AutoInc,
    Bcd,
    Bytes,
    Other,
};

struct FieldDef
{
    QString name;
    FieldType type = FieldType::Other;
    int size = 0; // bytes in the record
};

// The records of one table, read-only. Values are decoded when asked for.
//  - a null value is an invalid QVariant (told apart from 0, false and the empty text);
//  - ShortInt, LongInt, AutoInc: int; Logical: bool; Number, Currency: double;
//  - Alpha: QByteArray of cp1252 bytes, without the NUL padding;
//  - Memo, FmtMemo, Blob, Graphic, Ole, Bytes: QByteArray with the whole value
//    (a graphic value without its 8-byte header, if it had one).
// Throws TableError when the file turns out to be damaged while reading a value.
class RecordSource
{
public:
    virtual ~RecordSource() = default;
    virtual const QList<FieldDef> &fields() const = 0;
    virtual int recordCount() const = 0;
    virtual QVariant value(int record, int field) const = 0;
    // The stored bytes of a blob field, as kept in the record and the blob file; for other
    // fields, their bytes in the record.
    virtual QByteArray rawBlob(int record, int field) const = 0;
    // Throws TableError naming the blob file when a value of the record cannot be read
    // because that file is missing or damaged. A reference of the record that is wrong in
    // itself is left to value() and rawBlob(). Nothing to check by default.
    virtual void checkBlobFile(int record) const { (void)record; }
};

// Opens the file at a full path; throws TableError naming the file when it cannot.
using TableOpener = std::function<std::unique_ptr<RecordSource>(const QString &path)>;

// A cursor over a table file: filter, forward navigation, fields by name and by position,
// and the after-scroll / after-cancel handler slots.
class Table
{
public:
    Table();
    ~Table();

    // Tests hand in a table built in memory; by default Paradox files are read.
    void setOpener(TableOpener opener);

    void setTableName(const QString &path);
    QString tableName() const { return m_tableName; }

    void open(); // read-only; the first matching record becomes current
    void close();
    bool active() const { return m_source != nullptr; }

    // Filter expression: Field='value', several joined by "and" (any letter case; a quote
    // inside a value is written twice). Field names are matched without regard to case; the
    // value is compared with the field's value written as text (valueAsFilterText).
    // The expression is checked against the table when it is set on an open table, at open
    // with the filter on, and when the filter is switched on: a TableError then, when it
    // cannot be read or names an unknown field, leaves the previous state as it was
    // (open() leaves the table closed).
    void setFilter(const QString &expression);
    QString filter() const { return m_filter; }
    // Switching on or off on an open table makes the first (matching) record current.
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    // first() and next() throw TableError on a closed table; next() at eof stays there.
    void first();
    void next();
    bool eof() const; // past the last (matching) record; also true when closed
    // How many records match the filter (all of them when it is off); 0 when closed.
    int matchingCount() const;
    // The current record's place among the matching ones, from 1; 0 at eof or closed.
    int matchingPosition() const;

    // Throws TableError when a matching record needs the blob file and that file is missing
    // or damaged (RecordSource::checkBlobFile); nothing on a closed table.
    void checkBlobFile() const;

    int fieldIndex(const QString &name) const; // -1 when absent; any letter case
    // Throws TableError when the field is absent, the table closed or at eof.
    QVariant fieldByName(const QString &name) const;
    // The stored bytes of the field at a position from 0 (RecordSource::rawBlob): the whole
    // blob for blob fields, the bytes in the record for the others. Throws TableError when
    // there is no such field, the table is closed or at eof.
    QByteArray blobAt(int position) const;

    // Called whenever a record becomes current (open, filter on or off, a new filter while
    // filtered, first, next); not when the cursor moves past the last record, so a handler
    // may always read the fields.
    std::function<void()> AfterScroll;
    std::function<void()> AfterCancel;

private:
    struct Condition
    {
        int field;
        QByteArray value;
    };
    bool matches(int record) const;
    void seekFrom(int record);
    void scrolled();
    void requireOpen() const;
    void compileFilter();

    TableOpener m_opener;
    QString m_tableName;
    std::unique_ptr<RecordSource> m_source;
    QString m_filter;
    bool m_filtered = false;
    QList<Condition> m_conditions;
    int m_current = -1; // record index, or recordCount() at the end
};

// The text form of a value as filters compare it: decimal integers, "True"/"False",
// alpha bytes as they stand; null is the empty text.
QByteArray valueAsFilterText(const QVariant &value);
