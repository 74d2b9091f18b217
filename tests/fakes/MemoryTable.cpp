// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/MemoryTable.h"

#include <memory>

MemoryTable::MemoryTable(const QStringList &fieldNames)
{
    for (const QString &name : fieldNames)
        m_fields.append({name, FieldType::Memo, 10});
}

QStringList MemoryTable::exerciseFields(bool withDomaRnd)
{
    QStringList names = {"Lezione",  "Cat_eser",  "T_eser",    "eser_nr",   "Tit_doma",
                         "Doma_rch", "Risp_rch",  "Tfont",     "Doma_img",  "Img1",
                         "Img2",     "Img3",      "List_doma", "List_risp", "Doma_rnd",
                         "Risp_img", "Risp_img1", "Risp_img2", "Risp_img3"};
    if (!withDomaRnd)
        names.removeAll("Doma_rnd");
    return names;
}

MemoryTable &MemoryTable::add(const QMap<QString, QVariant> &values)
{
    QList<QVariant> row(m_fields.size());
    for (auto it = values.begin(); it != values.end(); ++it) {
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_fields[i].name.compare(it.key(), Qt::CaseInsensitive) == 0) {
                row[i] = it.value().typeId() == QMetaType::QString
                             ? QVariant(it.value().toString().toLatin1())
                             : it.value();
            }
        }
    }
    m_rows.append(row);
    return *this;
}

QByteArray MemoryTable::rawBlob(int record, int field) const
{
    const QVariant value = m_rows[record][field];
    return value.isValid() ? value.toByteArray() : QByteArray();
}

TableOpener MemoryTable::opener(QStringList *openedPaths) const
{
    const MemoryTable copy = *this;
    return [copy, openedPaths](const QString &path) -> std::unique_ptr<RecordSource> {
        if (openedPaths)
            openedPaths->append(path);
        return std::make_unique<MemoryTable>(copy);
    };
}

QByteArray rtf(const QList<QByteArray> &lines)
{
    QByteArray text = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 "
                      "Arial;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    for (const QByteArray &line : lines)
        text += line + "\\par\r\n";
    return text + "}\r\n";
}
