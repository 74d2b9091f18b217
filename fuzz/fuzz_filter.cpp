// SPDX-License-Identifier: GPL-3.0-or-later
// Filter expressions over a small table in memory.
//
// Input: the first byte chooses what the rest is. Even: a whole filter expression (UTF-8),
// set on an open table and switched on and off. Odd: a value, quoted as the runner quotes a
// lesson (each quote written twice) and joined with "and" to a second condition; the record
// that holds exactly that value must then be found, and only it.

#include "rules/Table.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

class Records final : public RecordSource
{
public:
    explicit Records(const QByteArray &value)
    {
        for (const char *name : {"Lezione", "Cat_eser", "Testo"})
            m_fields.append(FieldDef{QString::fromLatin1(name), FieldType::Alpha, 255});
        m_rows = {{QByteArray("0"), QByteArray("2"), QByteArray("a'b")},
                  {QByteArray("1"), QByteArray("4"), value},
                  {QByteArray("1"), QByteArray("3"), value}};
    }
    const QList<FieldDef> &fields() const override { return m_fields; }
    int recordCount() const override { return int(m_rows.size()); }
    QVariant value(int record, int field) const override
    {
        const QByteArray &bytes = m_rows[record][field];
        return bytes.isEmpty() ? QVariant() : QVariant(bytes);
    }
    QByteArray rawBlob(int record, int field) const override { return m_rows[record][field]; }

private:
    QList<FieldDef> m_fields;
    QList<QList<QByteArray>> m_rows;
};

int visit(Table &table)
{
    int seen = 0;
    for (; !table.eof() && seen < 8; table.next()) {
        (void)table.fieldByName(QStringLiteral("testo"));
        ++seen;
    }
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const bool quoted = data[0] & 1;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    // The value the table holds is what a filter's text gives it as cp1252; Latin-1 keeps
    // every byte a character of its own.
    const QString text = quoted ? QString::fromLatin1(rest) : QString::fromUtf8(rest);
    const QByteArray held = quoted ? rest : QByteArray("x");

    Table table;
    table.setOpener([held](const QString &) { return std::make_unique<Records>(held); });
    table.setTableName(QStringLiteral("FUZZ.DB"));
    table.open();
    if (!quoted) {
        try {
            table.setFilter(text);
            table.setFiltered(true);
            visit(table);
            table.setFiltered(false);
            visit(table);
        } catch (const TableError &) {
        }
        return 0;
    }
    // Latin-1 and cp1252 agree outside the control characters and 0x80-0x9F; an empty value
    // is a null field. Only those values make a round trip that must match.
    for (const char c : rest) {
        const auto byte = std::uint8_t(c);
        if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F))
            return 0;
    }
    if (rest.isEmpty())
        return 0;
    QString value = text;
    value.replace(QLatin1Char('\''), QLatin1String("''"));
    table.setFilter(QStringLiteral("Testo='%1' and Cat_eser='4'").arg(value));
    table.setFiltered(true);
    if (visit(table) != 1)
        std::abort();
    return 0;
}
