// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Table.h"

#include <optional>

// Read-only access to Paradox tables (.DB, versions 3 to 7) and their blob files (.MB).
//
// The .DB and .MB are mapped into memory at open (read whole where they cannot be mapped),
// and stay open while the table is; the block chain, field list and record count are checked
// at open, values are decoded only when asked for. A blob stored outside the record is
// checked against the .MB when it is read, so a damaged blob file shows up as a TableError
// from value() or rawBlob() naming that file.
//
// rawBlob() gives, for a blob field, the stored bytes (a graphic keeps its 8-byte header);
// for any other field, the field's bytes as they lie in the record. Date, Time and Timestamp
// values come back as their stored numbers (days, milliseconds, milliseconds as a double),
// BCD and Bytes fields as their raw bytes.

// Opens the table at `path`. Its blob file is the file of the same base name with the
// extension .MB in any letter case; it may be missing as long as no blob outside the
// records is read. Throws TableError naming the file.
std::unique_ptr<RecordSource> openParadoxTable(const QString &path);

// The same over bytes already in memory. Without `mb` the table has no blob file. The
// names are only used in error messages.
std::unique_ptr<RecordSource> openParadoxTableData(const QByteArray &db,
                                                   const std::optional<QByteArray> &mb,
                                                   const QString &dbName, const QString &mbName);

// The blob file that belongs to the table at `dbPath`, if there is one on disk: the .MB
// spelled like the table's extension is preferred, then any other letter case.
// Empty when there is none.
QString paradoxBlobPath(const QString &dbPath);
// The blob file that belongs with a table file, spelled in the table's letter case
// ("X.DB" → "X.MB", "x.db" → "x.mb"), whether or not it exists.
QString paradoxBlobPathFor(const QString &dbPath);

// Whether a graphic value begins with the 8-byte header (count, type, size) that Paradox
// puts in front of the BMP data.
bool hasGraphicHeader(const QByteArray &data);
