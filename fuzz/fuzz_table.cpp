// SPDX-License-Identifier: GPL-3.0-or-later
// The Paradox reader and the cursor over arbitrary bytes.
//
// Input: a 4-byte little-endian length n, then n bytes of .DB, then the .MB. With the top
// bit of n set there is no blob file at all. Seeds: fuzz/corpus/table/.

#include "rules/Paradox.h"
#include "rules/Table.h"

#include <cstddef>
#include <cstdint>

namespace {

void readAll(const RecordSource &source)
{
    for (int r = 0; r < source.recordCount(); ++r) {
        for (int f = 0; f < source.fields().size(); ++f) {
            try {
                (void)valueAsFilterText(source.value(r, f));
            } catch (const TableError &) {
            }
            try {
                (void)source.rawBlob(r, f);
            } catch (const TableError &) {
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    std::uint32_t dbLength = std::uint32_t(data[0]) | (std::uint32_t(data[1]) << 8)
                             | (std::uint32_t(data[2]) << 16) | (std::uint32_t(data[3]) << 24);
    data += 4;
    size -= 4;
    const bool withMb = (dbLength & 0x80000000u) == 0;
    dbLength &= 0x7FFFFFFFu;
    if (dbLength > size)
        dbLength = std::uint32_t(size);
    const QByteArray db(reinterpret_cast<const char *>(data), qsizetype(dbLength));
    std::optional<QByteArray> mb;
    if (withMb)
        mb =
            QByteArray(reinterpret_cast<const char *>(data + dbLength), qsizetype(size - dbLength));

    const QString dbName = QStringLiteral("FUZZ.DB");
    const QString mbName = QStringLiteral("FUZZ.MB");
    std::unique_ptr<RecordSource> source;
    try {
        source = openParadoxTableData(db, mb, dbName, mbName);
    } catch (const TableError &) {
        return 0;
    }
    readAll(*source);

    // The cursor over the same table, filtered on its first and last fields.
    const QString first = source->fields().first().name;
    const QString last = source->fields().last().name;
    Table table;
    table.setOpener([&](const QString &) { return openParadoxTableData(db, mb, dbName, mbName); });
    table.setTableName(dbName);
    int scrolls = 0;
    table.AfterScroll = [&] { ++scrolls; };
    try {
        table.setFilter(QStringLiteral("%1='1' and %2=''").arg(first, last));
        table.setFiltered(true);
        table.open();
        table.checkBlobFile();
        while (!table.eof()) {
            (void)table.fieldByName(first);
            (void)table.blobAt(int(source->fields().size()) - 1);
            table.next();
        }
        table.setFiltered(false);
        for (int i = 0; i < 4 && !table.eof(); ++i)
            table.next();
    } catch (const TableError &) {
    }
    return 0;
}
