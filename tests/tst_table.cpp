// SPDX-License-Identifier: GPL-3.0-or-later
// The Paradox reader and the table cursor, over tables written by sentiero-course.

#include "rules/Paradox.h"
#include "rules/Table.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

// Bytes that differ from one seed to the next and do not occur by chance elsewhere.
QByteArray noise(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    quint32 x = seed * 2654435761u + 12345u;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        bytes[i] = char(x >> 23);
    }
    return bytes;
}

// A one-line text of `size` characters, each one byte in cp1252 (some above 0x7F).
QString noiseText(int size, quint32 seed)
{
    static const QString alphabet =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzàèéìòùABCDEFGH0123456789");
    QString text;
    quint32 x = seed * 2246822519u + 7u;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        text += alphabet.at(int((x >> 16) % quint32(alphabet.size())));
    }
    return text;
}

QByteArray cp1252(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case 0xE0:
            bytes += '\xE0';
            break;
        case 0xE8:
            bytes += '\xE8';
            break;
        case 0xE9:
            bytes += '\xE9';
            break;
        case 0xEC:
            bytes += '\xEC';
            break;
        case 0xF2:
            bytes += '\xF2';
            break;
        case 0xF9:
            bytes += '\xF9';
            break;
        default:
            bytes += char(c.unicode());
            break;
        }
    }
    return bytes;
}

// Where the builder put a value: in the record, or in which kind of .MB block.
QString storedIn(const QByteArray &mb, const QByteArray &value)
{
    const qsizetype at = mb.indexOf(value);
    if (at < 0)
        return QStringLiteral("record");
    switch (mb.at(at / 4096 * 4096)) {
    case 2:
        return QStringLiteral("whole");
    case 3:
        return QStringLiteral("sub");
    default:
        return QStringLiteral("?");
    }
}

QByteArray bmp(int size, quint32 seed)
{
    QByteArray picture = "BM" + noise(size - 2, seed);
    return picture;
}

QByteArray withGraphicHeader(const QByteArray &picture)
{
    QByteArray header(8, '\0');
    header[1] = 0x01; // type 0x0100
    const quint32 size = quint32(picture.size());
    for (int i = 0; i < 4; ++i)
        header[4 + i] = char(size >> (8 * i));
    return header + picture;
}

void setLe16(QByteArray &bytes, int offset, int value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char((value >> 8) & 0xFF);
}

void setLe32(QByteArray &bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char(value >> (8 * i));
}

int le16(const QByteArray &bytes, int offset)
{
    return quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8);
}

// Reads every value of every record the way the program might; a damaged value may
// throw TableError, nothing else may go wrong.
void readEverything(const RecordSource &source)
{
    for (int r = 0; r < source.recordCount(); ++r) {
        for (int f = 0; f < source.fields().size(); ++f) {
            try {
                (void)source.value(r, f);
            } catch (const TableError &) {
            }
            try {
                (void)source.rawBlob(r, f);
            } catch (const TableError &) {
            }
        }
    }
}

// A Paradox 7 table made by hand, for field types the builder does not write.
QByteArray handMadeTable(const QList<QPair<QByteArray, QPair<int, int>>> &fields,
                         const QList<QByteArray> &records)
{
    int recordSize = 0;
    for (const auto &field : fields)
        recordSize += field.second.second;
    QByteArray header(0x800, '\0');
    setLe16(header, 0x00, recordSize);
    setLe16(header, 0x02, 0x800);
    header[0x04] = 2;
    header[0x05] = 2; // 2k blocks
    setLe32(header, 0x06, quint32(records.size()));
    setLe16(header, 0x0A, records.isEmpty() ? 0 : 1);
    setLe16(header, 0x0C, records.isEmpty() ? 0 : 1);
    setLe16(header, 0x0E, records.isEmpty() ? 0 : 1);
    setLe16(header, 0x10, records.isEmpty() ? 0 : 1);
    setLe16(header, 0x21, int(fields.size()));
    header[0x39] = 12;
    int pos = 0x78;
    for (const auto &field : fields) {
        header[pos++] = char(field.second.first);
        header[pos++] = char(field.second.second);
    }
    pos += 4 + 4 * int(fields.size()) + 261;
    for (const auto &field : fields) {
        header.replace(pos, field.first.size(), field.first);
        pos += int(field.first.size()) + 1;
    }
    if (records.isEmpty())
        return header;
    QByteArray block(2048, '\0');
    setLe16(block, 4, (int(records.size()) - 1) * recordSize);
    for (int i = 0; i < records.size(); ++i)
        block.replace(6 + i * recordSize, recordSize, records[i]);
    return header + block;
}

} // namespace

class TableTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_sources = 0;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Builds a table from source text; the test fails when the builder does.
    QString build(const QString &source, const QString &dbName)
    {
        const QString sourcePath = path(QStringLiteral("source_%1.txt").arg(++m_sources));
        if (!writeAll(sourcePath, source.toUtf8()))
            return {};
        QProcess builder;
        builder.start(QStringLiteral(SENTIERO_BINARY_DIR "/sentiero-course"),
                      {sourcePath, path(dbName)});
        if (!builder.waitForFinished(120000) || builder.exitStatus() != QProcess::NormalExit
            || builder.exitCode() != 0) {
            qWarning() << "sentiero-course failed:" << builder.errorString()
                       << builder.readAllStandardError();
            return {};
        }
        return path(dbName);
    }

    // The table of the filter tests: seven interesting records, then enough plain ones to
    // fill more than one data block, then one more match.
    QString filterTable()
    {
        static QString built;
        if (!built.isEmpty())
            return built;
        QString source = QStringLiteral(
            "# filter table\n"
            "[record]\neser_nr = 1\nLezione = 3\nCat_eser = 2\nTfont = ZEV Braille 6\nDoma_rnd = "
            "true\n"
            "[record]\neser_nr = 2\nLezione = 3\nCat_eser = 1\nTfont = città\nDoma_rnd = false\n"
            "[record]\neser_nr = 3\nLezione = 1\nCat_eser = 2\n"
            "[record]\neser_nr = 4\nLezione = 0\nCat_eser = 2\nTfont = it's\nDoma_rnd = TRUE\n"
            "[record]\neser_nr = 5\nCat_eser = 2\n"
            "[record]\neser_nr = 70000\nLezione = -5\n");
        for (int i = 0; i < 70; ++i)
            source += QStringLiteral("[record]\neser_nr = %1\nLezione = 9\n").arg(100 + i);
        source += QStringLiteral("[record]\neser_nr = 7\nLezione = 3\nCat_eser = 2\n");
        built = build(source, QStringLiteral("FILTRO.DB"));
        return built;
    }

    // A table with a value of each kind of storage, spread over two data blocks.
    QString blobTable(const QString &dbName)
    {
        writeAll(path(QStringLiteral("plain.bmp")), bmp(300, 1));
        QString source;
        for (int i = 0; i < 40; ++i) {
            source +=
                QStringLiteral("[record]\neser_nr = %1\nLezione = %2\n").arg(i + 1).arg(i % 4);
            if (i % 5 == 0)
                source += QStringLiteral("List_doma:\n  | %1\n").arg(noiseText(20, i));
            if (i % 5 == 1)
                source += QStringLiteral("List_doma:\n  | %1\n").arg(noiseText(300, i));
            if (i % 5 == 2)
                source += QStringLiteral("List_doma:\n  | %1\n").arg(noiseText(9000, i));
            if (i % 5 == 3)
                source += QStringLiteral("Doma_img = plain.bmp\n");
            if (i % 5 == 4)
                source += QStringLiteral("Tit_doma:\n  | riga\n");
        }
        return build(source, dbName);
    }

    static QList<int> collect(Table &table)
    {
        QList<int> numbers;
        while (!table.eof()) {
            numbers.append(table.fieldByName(QStringLiteral("eser_nr")).toInt());
            table.next();
        }
        return numbers;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFile::exists(QStringLiteral(SENTIERO_BINARY_DIR "/sentiero-course")),
                 "the sentiero-course builder must be built before the tests");
    }

    void filters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<int>>("expected");
        const QList<int> fillers = [] {
            QList<int> list;
            for (int i = 0; i < 70; ++i)
                list.append(100 + i);
            return list;
        }();
        QTest::newRow("no filter")
            << QString() << (QList<int>{1, 2, 3, 4, 5, 70000} + fillers + QList<int>{7});
        QTest::newRow("integer as text") << "Lezione='3'" << QList<int>{1, 2, 7};
        QTest::newRow("two conditions") << "Lezione='3' and Cat_eser='2'" << QList<int>{1, 7};
        QTest::newRow("AND and blanks")
            << "  Lezione = '3'   AND   Cat_eser='2' " << QList<int>{1, 7};
        QTest::newRow("names in any case") << "LEZIONE='3' And cat_ESER='1'" << QList<int>{2};
        QTest::newRow("zero is not null") << "Lezione='0'" << QList<int>{4};
        QTest::newRow("null is empty") << "Lezione=''" << QList<int>{5};
        QTest::newRow("negative") << "Lezione='-5'" << QList<int>{70000};
        QTest::newRow("long integer") << "eser_nr='70000'" << QList<int>{70000};
        QTest::newRow("logical true") << "Doma_rnd='True'" << QList<int>{1, 4};
        QTest::newRow("logical false") << "Doma_rnd='False'" << QList<int>{2};
        QTest::newRow("alpha") << "Tfont='ZEV Braille 6'" << QList<int>{1};
        QTest::newRow("alpha cp1252") << QStringLiteral("Tfont='città'") << QList<int>{2};
        QTest::newRow("doubled quote") << "Tfont='it''s'" << QList<int>{4};
        QTest::newRow("no match") << "Lezione='99'" << QList<int>{};
        QTest::newRow("match only after the first block")
            << "Lezione='3' and eser_nr='7'" << QList<int>{7};
    }

    void filters()
    {
        QFETCH(QString, filter);
        QFETCH(QList<int>, expected);
        const QString db = filterTable();
        QVERIFY(!db.isEmpty());

        Table table;
        table.setTableName(db);
        table.setFilter(filter);
        table.setFiltered(true);
        table.open();
        QCOMPARE(table.eof(), expected.isEmpty());
        QCOMPARE(collect(table), expected);
        QVERIFY(table.eof());
        table.next(); // stays at the end
        QVERIFY(table.eof());

        // The same filter set on an open table, and after first().
        Table late;
        late.setTableName(db);
        late.open();
        late.setFiltered(true);
        late.setFilter(filter);
        QCOMPARE(collect(late), expected);
        late.first();
        QCOMPARE(collect(late), expected);
    }

    void badFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("named"); // what the message must name
        QTest::newRow("unknown field") << "Lezione='3' and Nessuno='1'"
                                       << "Nessuno";
        QTest::newRow("no quotes") << "Lezione=3"
                                   << "Lezione=3";
        QTest::newRow("open quote") << "Lezione='3"
                                    << "Lezione='3";
        QTest::newRow("dangling and") << "Lezione='3' and"
                                      << "Lezione='3' and";
        QTest::newRow("or") << "Lezione='3' or Cat_eser='2'"
                            << "or";
        QTest::newRow("no field") << "='3'"
                                  << "='3'";
        QTest::newRow("glued keyword") << "Lezione='3' andCat_eser='2'"
                                       << "andCat_eser";
        QTest::newRow("no equals") << "Lezione '3'"
                                   << "Lezione '3'";
    }

    void badFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, named);
        const QString db = filterTable();
        QVERIFY(!db.isEmpty());

        // At open, with the filter on: the table stays closed.
        Table atOpen;
        atOpen.setTableName(db);
        atOpen.setFilter(filter);
        atOpen.setFiltered(true);
        try {
            atOpen.open();
            QFAIL("open accepted a bad filter");
        } catch (const TableError &error) {
            QVERIFY2(QString::fromStdString(error.what()).contains(named), error.what());
        }
        QVERIFY(!atOpen.active());
        QVERIFY(atOpen.eof());

        // Set on an open, filtered table: the previous filter stays in force.
        Table whileOpen;
        whileOpen.setTableName(db);
        whileOpen.setFilter(QStringLiteral("Lezione='3'"));
        whileOpen.setFiltered(true);
        whileOpen.open();
        whileOpen.next();
        QVERIFY_THROWS_EXCEPTION(TableError, whileOpen.setFilter(filter));
        QCOMPARE(whileOpen.filter(), QStringLiteral("Lezione='3'"));
        QCOMPARE(whileOpen.fieldByName(QStringLiteral("eser_nr")).toInt(), 2);
        whileOpen.first();
        QCOMPARE(collect(whileOpen), (QList<int>{1, 2, 7}));

        // Switched on over an open table: it stays off.
        Table switchedOn;
        switchedOn.setTableName(db);
        switchedOn.setFilter(filter);
        switchedOn.open();
        QVERIFY_THROWS_EXCEPTION(TableError, switchedOn.setFiltered(true));
        QVERIFY(!switchedOn.filtered());
        QCOMPARE(switchedOn.fieldByName(QStringLiteral("eser_nr")).toInt(), 1);
    }

    void integersAndLogicals()
    {
        const QString db =
            build(QStringLiteral("[record]\n"
                                 "Lezione = 32767\nCat_eser = -32767\nT_eser = 0\n"
                                 "eser_nr = 2147483647\nRisp_img = -1\nDoma_rnd = false\n"
                                 "[record]\n"
                                 "eser_nr = -2147483647\nDoma_rnd = true\n"
                                 "[record]\n"
                                 "eser_nr = 0\n"),
                  QStringLiteral("NUMERI.DB"));
        QVERIFY(!db.isEmpty());
        const auto source = openParadoxTable(db);
        QCOMPARE(source->recordCount(), 3);
        const int lezione = 0, cat = 1, tEser = 2, eserNr = 3, doma = 14, rispImg = 15;

        QCOMPARE(source->value(0, lezione), QVariant(32767));
        QCOMPARE(source->value(0, cat), QVariant(-32767));
        QCOMPARE(source->value(0, tEser), QVariant(0));
        QCOMPARE(source->value(0, eserNr), QVariant(2147483647));
        QCOMPARE(source->value(0, rispImg), QVariant(-1));
        QCOMPARE(source->value(0, doma), QVariant(false));
        QCOMPARE(source->value(1, eserNr), QVariant(-2147483647));
        QCOMPARE(source->value(1, doma), QVariant(true));
        QCOMPARE(source->value(2, eserNr), QVariant(0));

        // Not given: null, told apart from 0 and false.
        for (int field : {lezione, cat, tEser, rispImg}) {
            QVERIFY(!source->value(1, field).isValid());
            QVERIFY(!source->value(2, field).isValid());
        }
        QVERIFY(!source->value(2, doma).isValid());
        QVERIFY(!source->value(2, 7).isValid()); // Tfont
        for (int field = 4; field < source->fields().size(); ++field) {
            if (source->fields()[field].type == FieldType::FmtMemo
                || source->fields()[field].type == FieldType::Memo
                || source->fields()[field].type == FieldType::Graphic) {
                QVERIFY(!source->value(2, field).isValid());
                QVERIFY(source->rawBlob(2, field).isEmpty());
            }
        }
        QCOMPARE(valueAsFilterText(source->value(2, lezione)), QByteArray());
        QCOMPARE(valueAsFilterText(source->value(2, eserNr)), QByteArray("0"));
        QCOMPARE(valueAsFilterText(source->value(1, doma)), QByteArray("True"));
        QCOMPARE(valueAsFilterText(source->value(0, doma)), QByteArray("False"));
    }

    void fieldsOfTheTable_data()
    {
        QTest::addColumn<bool>("withRandomFlag");
        QTest::newRow("with Doma_rnd") << true;
        QTest::newRow("without Doma_rnd") << false;
    }

    void fieldsOfTheTable()
    {
        QFETCH(bool, withRandomFlag);
        const QString db =
            build(QStringLiteral("%1[record]\nList_doma:\n  | uno\n  | due\nList_risp:\n  | tre\n"
                                 "Risp_img = 2\n")
                      .arg(withRandomFlag ? QString() : QStringLiteral("!without Doma_rnd\n")),
                  withRandomFlag ? QStringLiteral("CON.DB") : QStringLiteral("SENZA.DB"));
        QVERIFY(!db.isEmpty());
        Table table;
        table.setTableName(db);
        table.open();
        QVERIFY(!table.eof());

        QStringList names = {"Lezione",  "Cat_eser",  "T_eser",    "eser_nr",   "Tit_doma",
                             "Doma_rch", "Risp_rch",  "Tfont",     "Doma_img",  "Img1",
                             "Img2",     "Img3",      "List_doma", "List_risp", "Doma_rnd",
                             "Risp_img", "Risp_img1", "Risp_img2", "Risp_img3"};
        if (!withRandomFlag)
            names.removeAll(QStringLiteral("Doma_rnd"));
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(table.fieldIndex(names[i]), i);
            QCOMPARE(table.fieldIndex(names[i].toUpper()), i);
            QCOMPARE(table.fieldIndex(names[i].toLower()), i);
        }
        QCOMPARE(table.blobAt(12), QByteArray("uno\r\ndue"));
        QCOMPARE(table.blobAt(13), QByteArray("tre"));
        QCOMPARE(table.fieldByName(QStringLiteral("LIST_DOMA")),
                 QVariant(QByteArray("uno\r\ndue")));
        QCOMPARE(table.fieldByName(QStringLiteral("risp_img")), QVariant(2));
        QCOMPARE(table.fieldIndex(QStringLiteral("Risp_img")), withRandomFlag ? 15 : 14);

        if (withRandomFlag) {
            QVERIFY(!table.fieldByName(QStringLiteral("Doma_rnd")).isValid());
        } else {
            QCOMPARE(table.fieldIndex(QStringLiteral("Doma_rnd")), -1);
            try {
                table.fieldByName(QStringLiteral("Doma_rnd"));
                QFAIL("an absent field was read");
            } catch (const TableError &error) {
                QVERIFY2(QString::fromStdString(error.what()).contains(QStringLiteral("Doma_rnd")),
                         error.what());
            }
        }
        QVERIFY_THROWS_EXCEPTION(TableError, table.blobAt(int(names.size())));
        QVERIFY_THROWS_EXCEPTION(TableError, table.blobAt(-1));
        QCOMPARE(table.fieldIndex(QStringLiteral("Lezione ")), -1);
        QCOMPARE(table.fieldIndex(QString()), -1);
    }

    void blobStorage_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("where");
        QTest::newRow("memo 20") << "List_doma" << 20 << "record";
        QTest::newRow("memo 30, the whole leader") << "List_doma" << 30 << "record";
        QTest::newRow("memo 31") << "List_doma" << 31 << "sub";
        QTest::newRow("memo 300") << "List_risp" << 300 << "sub";
        QTest::newRow("memo 1500") << "List_doma" << 1500 << "sub";
        QTest::newRow("memo 9000") << "List_risp" << 9000 << "whole";
        QTest::newRow("memo 70000") << "List_doma" << 70000 << "whole";
        QTest::newRow("picture 20") << "Doma_img" << 20 << "record";
        QTest::newRow("picture 300") << "Img1" << 300 << "sub";
        QTest::newRow("picture 9000") << "Img3" << 9000 << "whole";
    }

    void blobStorage()
    {
        QFETCH(QString, field);
        QFETCH(int, size);
        QFETCH(QString, where);
        const bool picture = field.contains(QLatin1String("img"), Qt::CaseInsensitive);
        const quint32 seed = quint32(size) * 31u + quint32(field.size());
        // Two records, so that the value is not simply the first thing in the blob file.
        QByteArray expected;
        QString source = QStringLiteral("[record]\neser_nr = 1\nList_risp:\n  | %1\n")
                             .arg(noiseText(500, seed + 1));
        source += QStringLiteral("[record]\neser_nr = 2\n");
        if (picture) {
            expected = bmp(size, seed);
            const QString name = QStringLiteral("pic%1.bmp").arg(seed);
            QVERIFY(writeAll(path(name), expected));
            source += QStringLiteral("%1 = %2\n").arg(field, name);
        } else {
            const QString text = noiseText(size, seed);
            expected = cp1252(text);
            source += QStringLiteral("%1:\n  | %2\n").arg(field, text);
        }
        const QString dbName = QStringLiteral("BLOB%1.DB").arg(seed);
        const QString db = build(source, dbName);
        QVERIFY(!db.isEmpty());
        const QString mbPath = paradoxBlobPath(db);
        QCOMPARE(mbPath, path(QStringLiteral("BLOB%1.MB").arg(seed)));
        QCOMPARE(storedIn(readAll(mbPath), expected), where);

        {
            Table table;
            table.setTableName(db);
            table.open();
            table.next();
            QCOMPARE(table.fieldByName(QStringLiteral("eser_nr")), QVariant(2));
            const int position = table.fieldIndex(field);
            QCOMPARE(table.blobAt(position), expected);
            QCOMPARE(table.fieldByName(field), QVariant(expected));
        }

        // Without its blob file, only the values kept in the records can be read.
        QVERIFY(QFile::remove(mbPath));
        const auto source2 = openParadoxTable(db);
        int position = -1;
        for (int i = 0; i < source2->fields().size(); ++i)
            if (source2->fields()[i].name == field)
                position = i;
        QVERIFY(position >= 0);
        if (where == QLatin1String("record")) {
            QCOMPARE(source2->rawBlob(1, position), expected);
        } else {
            try {
                (void)source2->value(1, position);
                QFAIL("a blob was read without its blob file");
            } catch (const TableError &error) {
                QVERIFY2(
                    QString::fromStdString(error.what()).contains(QDir::toNativeSeparators(mbPath)),
                    error.what());
            }
        }
    }

    void richTextIsStoredAsRtf()
    {
        const QString db =
            build(QStringLiteral("[record]\nTit_doma:\n  | Scrivi «città» {a} \\b\n  |\n  | fine\n"
                                 "Risp_img2 = una riga\n"),
                  QStringLiteral("RTF.DB"));
        QVERIFY(!db.isEmpty());
        Table table;
        table.setTableName(db);
        table.open();
        const QByteArray head =
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
            "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
        QCOMPARE(table.fieldByName(QStringLiteral("Tit_doma")).toByteArray(),
                 head + "Scrivi \\'abcitt\\'e0\\'bb \\{a\\} \\\\b\\par\r\n\\par\r\nfine\\par\r\n}");
        QCOMPARE(table.fieldByName(QStringLiteral("Risp_img2")).toByteArray(),
                 head + "una riga\\par\r\n}");
    }

    void graphicHeader_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("header");
        QTest::newRow("plain, in the record") << 24 << false;
        QTest::newRow("plain, sub-allocated") << 300 << false;
        QTest::newRow("with header, sub-allocated") << 300 << true;
        QTest::newRow("with header, whole block") << 9000 << true;
        QTest::newRow("with header, in the record") << 20 << true;
    }

    void graphicHeader()
    {
        QFETCH(int, size);
        QFETCH(bool, header);
        const QByteArray picture = bmp(size, quint32(size) + (header ? 7u : 3u));
        const QByteArray stored = header ? withGraphicHeader(picture) : picture;
        const QString name = QStringLiteral("g%1%2.bmp").arg(size).arg(header);
        QVERIFY(writeAll(path(name), stored));
        const QString db = build(QStringLiteral("[record]\nImg2 = %1\n").arg(name),
                                 QStringLiteral("G%1%2.DB").arg(size).arg(header));
        QVERIFY(!db.isEmpty());
        Table table;
        table.setTableName(db);
        table.open();
        QCOMPARE(table.fieldByName(QStringLiteral("Img2")), QVariant(picture));
        QCOMPARE(table.blobAt(table.fieldIndex(QStringLiteral("Img2"))), stored);
    }

    void afterScroll()
    {
        const QString db = filterTable();
        QVERIFY(!db.isEmpty());
        Table table;
        table.setTableName(db);
        QList<int> seen;
        table.AfterScroll = [&] {
            seen.append(table.fieldByName(QStringLiteral("eser_nr")).toInt());
        };

        table.open();
        QCOMPARE(seen, QList<int>{1});
        table.next();
        QCOMPARE(seen, (QList<int>{1, 2}));
        table.setFilter(QStringLiteral("Lezione='3'")); // not filtered: nothing moves
        QCOMPARE(seen, (QList<int>{1, 2}));
        table.setFiltered(true);
        QCOMPARE(seen, (QList<int>{1, 2, 1}));
        table.next();
        table.next();
        QCOMPARE(seen, (QList<int>{1, 2, 1, 2, 7}));
        table.next(); // past the last match: no record to show
        QVERIFY(table.eof());
        table.next();
        QCOMPARE(seen, (QList<int>{1, 2, 1, 2, 7}));
        table.first();
        QCOMPARE(seen, (QList<int>{1, 2, 1, 2, 7, 1}));
        table.setFilter(QStringLiteral("Cat_eser='1'"));
        QCOMPARE(seen.last(), 2);
        table.setFiltered(true); // unchanged
        QCOMPARE(seen.size(), 7);
        table.setFiltered(false);
        QCOMPARE(seen.size(), 8);
        QCOMPARE(seen.last(), 1);
        table.setFilter(QStringLiteral("Lezione='99'"));
        table.setFiltered(true); // nothing matches
        QCOMPARE(seen.size(), 8);
        QVERIFY(table.eof());
        table.close();
        QCOMPARE(seen.size(), 8);
        table.open();
        QCOMPARE(seen.size(), 8);
        QVERIFY(table.eof());
        table.setFiltered(false);
        QCOMPARE(seen.size(), 9);
        table.open(); // again, while open
        QCOMPARE(seen.size(), 10);
        QCOMPARE(table.fieldByName(QStringLiteral("eser_nr")), QVariant(1));
    }

    void closedOrAtEnd()
    {
        Table table;
        QVERIFY(!table.active());
        QVERIFY(table.eof());
        QCOMPARE(table.fieldIndex(QStringLiteral("Lezione")), -1);
        QVERIFY_THROWS_EXCEPTION(TableError, table.fieldByName(QStringLiteral("Lezione")));
        QVERIFY_THROWS_EXCEPTION(TableError, table.blobAt(0));
        QVERIFY_THROWS_EXCEPTION(TableError, table.next());
        QVERIFY_THROWS_EXCEPTION(TableError, table.first());

        const QString missing = path(QStringLiteral("NONCE.DB"));
        table.setTableName(missing);
        try {
            table.open();
            QFAIL("a missing table was opened");
        } catch (const TableError &error) {
            QVERIFY2(QString::fromStdString(error.what()).contains(missing), error.what());
        }
        QVERIFY(!table.active());

        table.setTableName(filterTable());
        table.setFilter(QStringLiteral("Lezione='99'"));
        table.setFiltered(true);
        table.open();
        QVERIFY(table.active());
        QVERIFY(table.eof());
        QVERIFY_THROWS_EXCEPTION(TableError, table.fieldByName(QStringLiteral("Lezione")));
        QVERIFY_THROWS_EXCEPTION(TableError, table.blobAt(12));
        table.close();
        QVERIFY(!table.active());
        QVERIFY_THROWS_EXCEPTION(TableError, table.fieldByName(QStringLiteral("Lezione")));
    }

    void openerIsUsed()
    {
        QString asked;
        Table table;
        table.setOpener([&](const QString &name) {
            asked = name;
            const QByteArray db =
                handMadeTable({{"Lezione", {0x03, 2}}}, {QByteArray("\x80\x05", 2)});
            return openParadoxTableData(db, std::nullopt, name, QString());
        });
        table.setTableName(QStringLiteral("/nowhere/ESER_1.DB"));
        table.open();
        QCOMPARE(asked, QStringLiteral("/nowhere/ESER_1.DB"));
        QCOMPARE(table.fieldByName(QStringLiteral("Lezione")), QVariant(5));
    }

    void handMadeTypes()
    {
        // Number: sign bit flipped, negative values stored inverted; alpha NUL padded.
        const QList<QPair<QByteArray, QPair<int, int>>> fields = {
            {"Numero", {0x06, 8}}, {"Testo", {0x01, 6}}, {"Breve", {0x03, 2}},
            {"Lungo", {0x04, 4}},  {"Auto", {0x16, 4}},  {"Vero", {0x09, 1}}};
        const QList<QByteArray> records = {
            QByteArray("\xBF\xF8\0\0\0\0\0\0"
                       "ab\xE0\0\0\0"
                       "\x80\x03"
                       "\x80\0\x01\0"
                       "\x80\0\0\x01"
                       "\x81",
                       25),
            QByteArray("\x3F\xFD\xFF\xFF\xFF\xFF\xFF\xFF"
                       "abcdef"
                       "\x7F\xFF"
                       "\x7F\xFF\xFF\xFF"
                       "\x80\0\0\x02"
                       "\x80",
                       25),
            QByteArray(25, '\0'),
            QByteArray("\x80\0\0\0\0\0\0\0"
                       "\0\0\0\0\0\0"
                       "\x80\0"
                       "\x80\0\0\0"
                       "\0\0\0\0"
                       "\0",
                       25),
        };
        const auto source = openParadoxTableData(handMadeTable(fields, records), std::nullopt,
                                                 QStringLiteral("MANO.DB"), QString());
        QCOMPARE(source->recordCount(), 4);
        QCOMPARE(source->fields().size(), 6);
        QCOMPARE(source->fields()[0].type, FieldType::Number);
        QCOMPARE(source->fields()[1].type, FieldType::Alpha);
        QCOMPARE(source->fields()[1].size, 6);
        QCOMPARE(source->fields()[4].type, FieldType::AutoInc);
        QCOMPARE(source->fields()[5].name, QStringLiteral("Vero"));

        QCOMPARE(source->value(0, 0), QVariant(1.5));
        QCOMPARE(source->value(1, 0), QVariant(-2.25));
        QVERIFY(!source->value(2, 0).isValid());
        QCOMPARE(source->value(3, 0), QVariant(0.0));
        QCOMPARE(source->value(0, 1), QVariant(QByteArray("ab\xE0")));
        QCOMPARE(source->value(1, 1), QVariant(QByteArray("abcdef")));
        QVERIFY(!source->value(3, 1).isValid());
        QCOMPARE(source->value(0, 2), QVariant(3));
        QCOMPARE(source->value(1, 2), QVariant(-1));
        QCOMPARE(source->value(3, 2), QVariant(0));
        QCOMPARE(source->value(0, 3), QVariant(256));
        QCOMPARE(source->value(1, 3), QVariant(-1));
        QCOMPARE(source->value(0, 4), QVariant(1));
        QCOMPARE(source->value(0, 5), QVariant(true));
        QCOMPARE(source->value(1, 5), QVariant(false));
        QVERIFY(!source->value(2, 5).isValid());
        QCOMPARE(source->rawBlob(1, 2), QByteArray("\x7F\xFF"));
        QCOMPARE(valueAsFilterText(source->value(0, 0)), QByteArray("1.5"));
        QCOMPARE(valueAsFilterText(source->value(1, 0)), QByteArray("-2.25"));
        QVERIFY_THROWS_EXCEPTION(TableError, source->value(4, 0));
        QVERIFY_THROWS_EXCEPTION(TableError, source->value(0, 6));
        QVERIFY_THROWS_EXCEPTION(TableError, source->value(-1, 0));

        const auto empty = openParadoxTableData(handMadeTable(fields, {}), std::nullopt,
                                                QStringLiteral("VUOTA.DB"), QString());
        QCOMPARE(empty->recordCount(), 0);
    }

    void truncatedTable()
    {
        const QString db = blobTable(QStringLiteral("TRONCA.DB"));
        QVERIFY(!db.isEmpty());
        const QByteArray whole = readAll(db);
        QVERIFY(whole.size() > 0x800 + 2 * 1024);
        const auto intact = openParadoxTable(db);
        QCOMPARE(intact->recordCount(), 40);
        readEverything(*intact);

        const QString cut = path(QStringLiteral("CUT.DB"));
        QList<int> lengths;
        for (int length = 0; length < whole.size(); length += 61)
            lengths.append(length);
        lengths << 1 << 0x57 << 0x58 << 0x77 << 0x78 << 0x7FF << 0x800 << int(whole.size()) - 1;
        for (int length : lengths) {
            QVERIFY(writeAll(cut, whole.left(length)));
            try {
                openParadoxTable(cut);
                QFAIL(qPrintable(QStringLiteral("a table cut at %1 bytes was opened").arg(length)));
            } catch (const TableError &error) {
                QVERIFY2(QString::fromStdString(error.what()).contains(cut), error.what());
            }
        }
    }

    void damagedTable_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("record size") << 0x00 << QByteArray("\x02\x02", 2);
        QTest::newRow("record size zero") << 0x00 << QByteArray("\0\0", 2);
        QTest::newRow("header size") << 0x02 << QByteArray("\xFF\xFF", 2);
        QTest::newRow("header size small") << 0x02 << QByteArray("\x10\0", 2);
        QTest::newRow("file type") << 0x04 << QByteArray("\x01", 1);
        QTest::newRow("block size zero") << 0x05 << QByteArray("\0", 1);
        QTest::newRow("block size huge") << 0x05 << QByteArray("\xFF", 1);
        QTest::newRow("huge record count") << 0x06 << QByteArray("\xFF\xFF\xFF\xFF", 4);
        QTest::newRow("large record count") << 0x06 << QByteArray("\xFF\xFF\xFF\x7F", 4);
        QTest::newRow("one record more") << 0x06 << QByteArray("\x29\0\0\0", 4);
        QTest::newRow("no records") << 0x06 << QByteArray("\0\0\0\0", 4);
        QTest::newRow("first block beyond the file") << 0x0E << QByteArray("\x00\x10", 2);
        QTest::newRow("first block none") << 0x0E << QByteArray("\0\0", 2);
        QTest::newRow("no fields") << 0x21 << QByteArray("\0\0", 2);
        QTest::newRow("many fields") << 0x21 << QByteArray("\xFF\x00", 2);
        QTest::newRow("version") << 0x39 << QByteArray("\x63", 1);
        QTest::newRow("field type") << 0x78 << QByteArray("\x42", 1);
        QTest::newRow("field size") << 0x79 << QByteArray("\x07", 1);
        QTest::newRow("blob field too small") << 0x78 + 2 * 12 + 1 << QByteArray("\x05", 1);
        QTest::newRow("field names unterminated") << 0 << QByteArray(); // see below
        QTest::newRow("block chained to itself") << -1 << QByteArray("\x02\0", 2);
        QTest::newRow("block chained back to the first") << -1 << QByteArray("\x01\0", 2);
        QTest::newRow("block chained beyond the file") << -1 << QByteArray("\x00\x20", 2);
        QTest::newRow("last record offset not a record") << -3 << QByteArray("\x05\0", 2);
        QTest::newRow("last record offset beyond the block") << -3 << QByteArray("\xF0\x7F", 2);
    }

    void damagedTable()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        static QByteArray whole;
        if (whole.isEmpty()) {
            const QString db = blobTable(QStringLiteral("GUASTA.DB"));
            QVERIFY(!db.isEmpty());
            whole = readAll(db);
        }
        const int headerSize = le16(whole, 2);
        const int blockSize = quint8(whole[5]) * 1024;
        QVERIFY(whole.size() >= headerSize + 2 * blockSize);
        QCOMPARE(le16(whole, 0x0E), 1);
        QCOMPARE(le16(whole, headerSize), 2); // the first block goes on to the second

        QByteArray damaged = whole;
        if (bytes.isEmpty()) {
            // Every byte after the field types up to the end of the header, not a NUL.
            const int fieldCount = le16(whole, 0x21);
            for (int i = 0x78 + 2 * fieldCount + 4 + 4 * fieldCount + 261; i < headerSize; ++i)
                damaged[i] = 'x';
        } else if (offset == -1) {
            damaged.replace(headerSize + blockSize, 2, bytes); // the second block's next
        } else if (offset == -3) {
            damaged.replace(headerSize + 4, 2, bytes);
        } else {
            damaged.replace(offset, bytes.size(), bytes);
        }

        const QString file = path(QStringLiteral("DAMAGED.DB"));
        QVERIFY(writeAll(file, damaged));
        try {
            openParadoxTable(file);
            QFAIL("a damaged table was opened");
        } catch (const TableError &error) {
            QVERIFY2(QString::fromStdString(error.what()).contains(file), error.what());
        }
    }

    void everyHeaderByteFlipped()
    {
        const QString db = blobTable(QStringLiteral("FLIP.DB"));
        QVERIFY(!db.isEmpty());
        const QByteArray whole = readAll(db);
        const QByteArray mb = readAll(paradoxBlobPath(db));
        const int headerSize = le16(whole, 2);
        const int blockSize = quint8(whole[5]) * 1024;
        QList<int> offsets;
        for (int i = 0; i < headerSize; ++i)
            offsets.append(i);
        for (int block = 0; block < 2; ++block)
            for (int i = 0; i < 6; ++i)
                offsets.append(headerSize + block * blockSize + i);
        int refused = 0;
        for (int offset : offsets) {
            for (char mask : {char(0xFF), char(0x01), char(0x80)}) {
                QByteArray damaged = whole;
                damaged[offset] = char(damaged[offset] ^ mask);
                try {
                    const auto source = openParadoxTableData(damaged, mb, QStringLiteral("FLIP.DB"),
                                                             QStringLiteral("FLIP.MB"));
                    readEverything(*source);
                } catch (const TableError &error) {
                    ++refused;
                    QVERIFY2(QString::fromStdString(error.what()).contains(QStringLiteral("FLIP.")),
                             error.what());
                }
            }
        }
        QVERIFY(refused > 0);
    }

    void damagedBlobFile_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing") << "missing";
        QTest::newRow("block type of a sub-allocated block") << "type3";
        QTest::newRow("block type of a whole block") << "type2";
        QTest::newRow("length of a whole block") << "length2";
        QTest::newRow("size of a whole block") << "size2";
        QTest::newRow("empty slot") << "slot";
        QTest::newRow("slot too short") << "slotlength";
        QTest::newRow("slot beyond the block") << "slotoffset";
        QTest::newRow("only the header") << "header";
    }

    void damagedBlobFile()
    {
        QFETCH(QString, damage);
        const QString dbName = QStringLiteral("MB%1.DB").arg(damage.toUpper());
        const QString db = blobTable(dbName);
        QVERIFY(!db.isEmpty());
        const QString mbPath = paradoxBlobPath(db);
        QByteArray mb = readAll(mbPath);

        // Find the first block of each kind and the slot that a blob of a sub-allocated one uses.
        int sub = -1, whole = -1;
        for (int block = 4096; block < mb.size(); block += 4096) {
            if (mb[block] == 3 && sub < 0)
                sub = block;
            if (mb[block] == 2 && whole < 0)
                whole = block;
        }
        QVERIFY(sub > 0 && whole > 0);
        int slot = -1;
        for (int i = 0; i < 64; ++i)
            if (mb[sub + 12 + 5 * i] != 0)
                slot = sub + 12 + 5 * i;
        QVERIFY(slot > 0);

        if (damage == QLatin1String("missing"))
            QVERIFY(QFile::remove(mbPath));
        else if (damage == QLatin1String("type3"))
            mb[sub] = 7;
        else if (damage == QLatin1String("type2"))
            mb[whole] = 3;
        else if (damage == QLatin1String("length2"))
            setLe32(mb, whole + 3, 100);
        else if (damage == QLatin1String("size2"))
            setLe16(mb, whole + 1, 1);
        else if (damage == QLatin1String("slot")) {
            for (int i = 0; i < 64 * 5; ++i)
                mb[sub + 12 + i] = 0;
        } else if (damage == QLatin1String("slotlength")) {
            for (int i = 0; i < 64; ++i)
                mb[sub + 12 + 5 * i + 1] = 1;
        } else if (damage == QLatin1String("slotoffset")) {
            for (int i = 0; i < 64; ++i)
                mb[sub + 12 + 5 * i] = char(0xFF);
        } else if (damage == QLatin1String("header"))
            mb = mb.left(4096);
        if (damage != QLatin1String("missing"))
            QVERIFY(writeAll(mbPath, mb));

        // The table opens; the values in the records read; the damaged blobs name the file.
        Table table;
        table.setTableName(db);
        table.open();
        int failures = 0;
        while (!table.eof()) {
            const int number = table.fieldByName(QStringLiteral("eser_nr")).toInt();
            const int i = number - 1;
            if (i % 5 == 0)
                QCOMPARE(table.fieldByName(QStringLiteral("List_doma")),
                         QVariant(cp1252(noiseText(20, quint32(i)))));
            for (const char *field : {"List_doma", "Doma_img", "Tit_doma"}) {
                try {
                    (void)table.fieldByName(QLatin1String(field));
                } catch (const TableError &error) {
                    ++failures;
                    QVERIFY2(QString::fromStdString(error.what()).contains(mbPath), error.what());
                }
            }
            table.next();
        }
        QVERIFY(failures > 0);
    }

    void truncatedBlobFile()
    {
        const QString db = blobTable(QStringLiteral("MBCUT.DB"));
        QVERIFY(!db.isEmpty());
        const QString mbPath = paradoxBlobPath(db);
        const QByteArray whole = readAll(mbPath);
        const auto intact = openParadoxTable(db);
        QList<QByteArray> expected;
        for (int r = 0; r < intact->recordCount(); ++r)
            for (int f = 0; f < intact->fields().size(); ++f)
                expected.append(intact->rawBlob(r, f));

        for (int length = 0; length < whole.size(); length += 509) {
            QVERIFY(writeAll(mbPath, whole.left(length)));
            const auto source = openParadoxTable(db);
            int k = 0;
            for (int r = 0; r < source->recordCount(); ++r) {
                for (int f = 0; f < source->fields().size(); ++f, ++k) {
                    try {
                        QCOMPARE(source->rawBlob(r, f), expected[k]);
                    } catch (const TableError &error) {
                        QVERIFY2(QString::fromStdString(error.what()).contains(mbPath),
                                 error.what());
                    }
                }
            }
        }
    }

    void blobFileInAnyCase()
    {
        const QString db = blobTable(QStringLiteral("CASO.DB"));
        QVERIFY(!db.isEmpty());
        const QString upper = path(QStringLiteral("CASO.MB"));
        const QString lower = path(QStringLiteral("CASO.mb"));
        QVERIFY(QFile::rename(upper, lower));
        QCOMPARE(paradoxBlobPath(db), lower);
        const auto source = openParadoxTable(db);
        QCOMPARE(source->value(2, 12), QVariant(cp1252(noiseText(9000, 2))));
        QVERIFY(QFile::rename(lower, path(QStringLiteral("CASO.Mb"))));
        QCOMPARE(paradoxBlobPath(db), path(QStringLiteral("CASO.Mb")));
        QVERIFY(QFile::rename(path(QStringLiteral("CASO.Mb")), path(QStringLiteral("CASOX.MB"))));
        QCOMPARE(paradoxBlobPath(db), QString());
    }

    // A table file stays mapped for the next open; one that has changed since is read anew.
    void changedFileIsReadAnew_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("rewritten in place, other size") << 300 << true;
        QTest::newRow("rewritten in place, same size") << 5 << true;
        QTest::newRow("another file put in its place") << 5 << false;
    }

    void changedFileIsReadAnew()
    {
        QFETCH(int, records);
        QFETCH(bool, inPlace);
        const auto lesson = [this](int count, int number, const QString &name) {
            QString source;
            for (int i = 0; i < count; ++i)
                source += QStringLiteral("[record]\nLezione = %1\neser_nr = %2\n").arg(number).arg(i);
            return build(source, name);
        };
        const QString db = lesson(5, 1, QStringLiteral("CAMBIA.DB"));
        const QString other = lesson(records, 2, QStringLiteral("ALTRA.DB"));
        QVERIFY(!db.isEmpty() && !other.isEmpty());
        QCOMPARE(openParadoxTable(db)->value(4, 0), QVariant(1));
        if (inPlace) {
            QVERIFY(writeAll(db, readAll(other)));
        } else {
            QVERIFY(QFile::remove(db));
            QVERIFY(QFile::copy(other, db));
        }
        const auto source = openParadoxTable(db);
        QCOMPARE(source->recordCount(), records);
        QCOMPARE(source->value(records - 1, 0), QVariant(2));
    }

    // How long the filter takes over many records is measured by bench_core (tableOnDisk).
    void lessonFilterOverManyRecords()
    {
        QString source;
        source.reserve(2000 * 48);
        for (int i = 0; i < 2000; ++i)
            source += QStringLiteral("[record]\nLezione = %1\nCat_eser = %2\neser_nr = %3\n")
                          .arg(i % 40)
                          .arg(i % 3)
                          .arg(i);
        const QString db = build(source, QStringLiteral("GRANDE.DB"));
        QVERIFY(!db.isEmpty());

        Table table;
        table.setTableName(db);
        table.open();
        table.setFilter(QStringLiteral("Lezione='3'"));
        table.setFiltered(true);
        int count = 0, last = -1;
        while (!table.eof()) {
            const int number = table.fieldByName(QStringLiteral("eser_nr")).toInt();
            QVERIFY(number > last);
            QCOMPARE(number % 40, 3);
            last = number;
            ++count;
            table.next();
        }
        QCOMPARE(count, 50);
    }
};

QTEST_GUILESS_MAIN(TableTest)
#include "tst_table.moc"
