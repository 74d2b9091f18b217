// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Table.h"

#include "rules/Cp1252.h"
#include "rules/Paradox.h"

#include <utility>

namespace {

struct ParsedCondition
{
    QString field;
    QByteArray value;
};

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

[[noreturn]] void badFilter(const QString &expression)
{
    throw TableError(QStringLiteral("Filtro non valido: \"%1\"").arg(expression));
}

// Field='value' [and Field='value' ...]; a quote inside a value is written twice.
QList<ParsedCondition> parseFilter(const QString &expression)
{
    QList<ParsedCondition> conditions;
    const qsizetype n = expression.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && expression.at(i).isSpace())
            ++i;
    };
    skipBlanks();
    if (i == n)
        return conditions;
    for (;;) {
        const qsizetype nameStart = i;
        while (i < n && isNameChar(expression.at(i)))
            ++i;
        if (i == nameStart)
            badFilter(expression);
        ParsedCondition condition;
        condition.field = expression.mid(nameStart, i - nameStart);
        skipBlanks();
        if (i == n || expression.at(i) != u'=')
            badFilter(expression);
        ++i;
        skipBlanks();
        if (i == n || expression.at(i) != u'\'')
            badFilter(expression);
        ++i;
        QString value;
        for (;;) {
            if (i == n)
                badFilter(expression);
            if (expression.at(i) == u'\'') {
                if (i + 1 < n && expression.at(i + 1) == u'\'') {
                    value += u'\'';
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            value += expression.at(i++);
        }
        condition.value = toCp1252(value);
        conditions.append(condition);
        skipBlanks();
        if (i == n)
            return conditions;
        if (n - i < 3
            || expression.mid(i, 3).compare(QLatin1String("and"), Qt::CaseInsensitive) != 0)
            badFilter(expression);
        i += 3;
        if (i < n && isNameChar(expression.at(i)))
            badFilter(expression);
        skipBlanks();
    }
}

} // namespace

QByteArray valueAsFilterText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QByteArrayLiteral("True") : QByteArrayLiteral("False");
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return QByteArray::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return QByteArray::number(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return QByteArray::number(value.toDouble(), 'g', 15);
    case QMetaType::QByteArray:
        return value.toByteArray();
    default:
        return toCp1252(value.toString());
    }
}

Table::Table() : m_opener(openParadoxTable) {}

Table::~Table() = default;

void Table::setOpener(TableOpener opener)
{
    m_opener = opener ? std::move(opener) : TableOpener(openParadoxTable);
}

void Table::setTableName(const QString &path)
{
    m_tableName = path;
}

void Table::open()
{
    close();
    std::unique_ptr<RecordSource> source = m_opener(m_tableName);
    if (!source)
        throw TableError(QStringLiteral("Impossibile aprire la tabella \"%1\"").arg(m_tableName));
    m_source = std::move(source);
    try {
        if (m_filtered)
            compileFilter();
        seekFrom(0);
    } catch (...) {
        close();
        throw;
    }
    if (!eof())
        scrolled();
}

void Table::close()
{
    m_source.reset();
    m_conditions.clear();
    m_current = -1;
}

void Table::setFilter(const QString &expression)
{
    if (!active()) {
        m_filter = expression;
        return;
    }
    const QString previousFilter = std::exchange(m_filter, expression);
    const QList<Condition> previousConditions = m_conditions;
    try {
        compileFilter();
    } catch (...) {
        m_filter = previousFilter;
        m_conditions = previousConditions;
        throw;
    }
    if (m_filtered) {
        seekFrom(0);
        if (!eof())
            scrolled();
    }
}

void Table::setFiltered(bool on)
{
    if (on == m_filtered)
        return;
    if (active()) {
        if (on)
            compileFilter();
        m_filtered = on;
        seekFrom(0);
        if (!eof())
            scrolled();
    } else {
        m_filtered = on;
    }
}

void Table::first()
{
    requireOpen();
    seekFrom(0);
    if (!eof())
        scrolled();
}

void Table::next()
{
    requireOpen();
    if (eof())
        return;
    seekFrom(m_current + 1);
    if (!eof())
        scrolled();
}

bool Table::eof() const
{
    return !m_source || m_current < 0 || m_current >= m_source->recordCount();
}

int Table::matchingCount() const
{
    int count = 0;
    for (int record = 0; m_source && record < m_source->recordCount(); ++record)
        count += matches(record) ? 1 : 0;
    return count;
}

int Table::matchingPosition() const
{
    if (eof())
        return 0;
    int position = 1;
    for (int record = 0; record < m_current; ++record)
        position += matches(record) ? 1 : 0;
    return position;
}

void Table::checkBlobFile() const
{
    for (int record = 0; m_source && record < m_source->recordCount(); ++record) {
        if (matches(record))
            m_source->checkBlobFile(record);
    }
}

int Table::fieldIndex(const QString &name) const
{
    if (!m_source)
        return -1;
    const QList<FieldDef> &fields = m_source->fields();
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Table::fieldByName(const QString &name) const
{
    requireOpen();
    const int index = fieldIndex(name);
    if (index < 0)
        throw TableError(
            QStringLiteral("Campo \"%1\" inesistente nella tabella \"%2\"").arg(name, m_tableName));
    if (eof())
        throw TableError(QStringLiteral("Campo \"%1\": nessun record corrente nella tabella \"%2\"")
                             .arg(name, m_tableName));
    return m_source->value(m_current, index);
}

QByteArray Table::blobAt(int position) const
{
    requireOpen();
    if (position < 0 || position >= m_source->fields().size())
        throw TableError(QStringLiteral("Nessun campo alla posizione %1 nella tabella \"%2\"")
                             .arg(position)
                             .arg(m_tableName));
    if (eof())
        throw TableError(QStringLiteral("Campo %1: nessun record corrente nella tabella \"%2\"")
                             .arg(position)
                             .arg(m_tableName));
    return m_source->rawBlob(m_current, position);
}

bool Table::matches(int record) const
{
    if (!m_filtered)
        return true;
    for (const Condition &condition : m_conditions)
        if (valueAsFilterText(m_source->value(record, condition.field)) != condition.value)
            return false;
    return true;
}

void Table::seekFrom(int record)
{
    const int count = m_source->recordCount();
    int current = record;
    while (current < count && !matches(current))
        ++current;
    m_current = current;
}

void Table::scrolled()
{
    if (AfterScroll)
        AfterScroll();
}

void Table::requireOpen() const
{
    if (!m_source)
        throw TableError(QStringLiteral("La tabella \"%1\" non è aperta").arg(m_tableName));
}

void Table::compileFilter()
{
    QList<Condition> conditions;
    for (const ParsedCondition &parsed : parseFilter(m_filter)) {
        const int field = fieldIndex(parsed.field);
        if (field < 0)
            throw TableError(
                QStringLiteral("Filtro \"%1\": campo \"%2\" inesistente nella tabella \"%3\"")
                    .arg(m_filter, parsed.field, m_tableName));
        conditions.append(Condition{field, parsed.value});
    }
    m_conditions = conditions;
}
