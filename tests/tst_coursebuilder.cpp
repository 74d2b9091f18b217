// SPDX-License-Identifier: GPL-3.0-or-later
// sentiero-course: the source format and its errors, read back through the table reader.

#include "rules/Paradox.h"
#include "rules/Table.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

struct Run
{
    int exitCode = -1;
    QString errors;
};

Run runBuilder(const QStringList &arguments)
{
    QProcess builder;
    builder.start(QStringLiteral(SENTIERO_BINARY_DIR "/sentiero-course"), arguments);
    Run run;
    if (!builder.waitForFinished(60000) || builder.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = builder.exitCode();
    run.errors = QString::fromUtf8(builder.readAllStandardError());
    return run;
}

} // namespace

class CourseBuilderTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Builds `source` into OUT.DB; returns the opened table or fails the test.
    std::unique_ptr<RecordSource> buildAndOpen(const QByteArray &source,
                                               const QString &dbName = QStringLiteral("OUT.DB"))
    {
        const QString sourcePath = path(QStringLiteral("course.txt"));
        if (!writeAll(sourcePath, source))
            return {};
        const Run run = runBuilder({sourcePath, path(dbName)});
        if (run.exitCode != 0) {
            qWarning() << "sentiero-course:" << run.exitCode << run.errors;
            return {};
        }
        return openParadoxTable(path(dbName));
    }

    static int field(const RecordSource &source, const char *name)
    {
        for (int i = 0; i < source.fields().size(); ++i)
            if (source.fields()[i].name == QLatin1String(name))
                return i;
        return -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFile::exists(QStringLiteral(SENTIERO_BINARY_DIR "/sentiero-course")),
                 "the sentiero-course builder must be built before the tests");
    }

    void errors_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<int>("line");
        QTest::newRow("unknown field")
            << QByteArray("# c\n[record]\nLezione = 1\nPippo = 2\n") << 4;
        QTest::newRow("bad integer") << QByteArray("[record]\nLezione = tre\n") << 2;
        QTest::newRow("integer with junk") << QByteArray("[record]\n\nCat_eser = 3x\n") << 3;
        QTest::newRow("short integer too low") << QByteArray("[record]\nT_eser = -32768\n") << 2;
        QTest::newRow("short integer too high") << QByteArray("[record]\nRisp_img = 32768\n") << 2;
        QTest::newRow("long integer too high")
            << QByteArray("[record]\neser_nr = 2147483648\n") << 2;
        QTest::newRow("empty integer") << QByteArray("[record]\neser_nr =\n") << 2;
        QTest::newRow("missing picture")
            << QByteArray("[record]\nLezione = 1\nImg1 = nonce.bmp\n") << 3;
        QTest::newRow("picture without path") << QByteArray("[record]\nImg1 =\n") << 2;
        QTest::newRow("field before any record") << QByteArray("\nLezione = 1\n") << 2;
        QTest::newRow("bad logical") << QByteArray("[record]\nDoma_rnd = forse\n") << 2;
        QTest::newRow("field given twice") << QByteArray("[record]\nTfont = a\nTFONT = b\n") << 3;
        QTest::newRow("multi-line field given twice")
            << QByteArray("[record]\nList_doma:\n|a\nList_doma:\n|b\n") << 4;
        QTest::newRow("not in Windows-1252")
            << QByteArray("[record]\nTit_doma:\n  | ok\n  | \xE2\x98\x85\n") << 4;
        QTest::newRow("not UTF-8") << QByteArray("[record]\nTfont = caf\xE9\n") << 2;
        QTest::newRow("without after a record") << QByteArray("[record]\n!without Doma_rnd\n") << 2;
        QTest::newRow("unknown directive") << QByteArray("!without Tfont\n[record]\n") << 1;
        QTest::newRow("field left out")
            << QByteArray("!without Doma_rnd\n[record]\nDoma_rnd = true\n") << 3;
        QTest::newRow("alpha too long")
            << QByteArray("[record]\nTfont = 123456789012345678901\n") << 2;
        QTest::newRow("integer on several lines") << QByteArray("[record]\nLezione:\n  | 3\n") << 2;
        QTest::newRow("picture on several lines") << QByteArray("[record]\nImg2:\n") << 2;
        QTest::newRow("unreadable line") << QByteArray("[record]\nLezione 3\n") << 2;
        QTest::newRow("bar outside a value") << QByteArray("[record]\n  | testo\n") << 2;
    }

    void errors()
    {
        QFETCH(QByteArray, source);
        QFETCH(int, line);
        const QString sourcePath = path(QStringLiteral("wrong.txt"));
        const QString dbPath = path(QStringLiteral("WRONG.DB"));
        QVERIFY(writeAll(sourcePath, source));
        QFile::remove(dbPath);
        const Run run = runBuilder({sourcePath, dbPath});
        QVERIFY2(run.exitCode > 0, qPrintable(run.errors));
        QVERIFY2(run.errors.contains(QStringLiteral("%1:%2: ").arg(sourcePath).arg(line)),
                 qPrintable(run.errors));
        QVERIFY(!QFile::exists(dbPath));
    }

    void usage()
    {
        QCOMPARE(runBuilder({}).exitCode, 2);
        QCOMPARE(runBuilder({path(QStringLiteral("only.txt"))}).exitCode, 2);
        const Run missing =
            runBuilder({path(QStringLiteral("nonce.txt")), path(QStringLiteral("X.DB"))});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.errors.contains(path(QStringLiteral("nonce.txt"))));
    }

    void textsAndLayout()
    {
        const auto source = buildAndOpen("\xEF\xBB\xBF# corso\r\n"
                                         "[record]\r\n"
                                         "Lezione = 4\r\n"
                                         "Tfont = ZEV Braille 6\r\n"
                                         "List_doma:\r\n"
                                         "  |  uno con un blank davanti\r\n"
                                         "  |\r\n"
                                         "\t|tre\r\n"
                                         "List_risp = una sola riga\r\n"
                                         "Risp_img1:\r\n"
                                         "[RECORD]\r\n"
                                         "tfont = 12345678901234567890\r\n"
                                         "List_doma:\r\n"
                                         "  | è\r\n"
                                         "# un commento chiude il testo\r\n"
                                         "Lezione = 5\r\n");
        QVERIFY(source);
        QCOMPARE(source->recordCount(), 2);
        QCOMPARE(source->value(0, field(*source, "Lezione")), QVariant(4));
        QCOMPARE(source->value(0, field(*source, "Tfont")), QVariant(QByteArray("ZEV Braille 6")));
        QCOMPARE(source->value(0, field(*source, "List_doma")),
                 QVariant(QByteArray(" uno con un blank davanti\r\n\r\ntre")));
        QCOMPARE(source->value(0, field(*source, "List_risp")),
                 QVariant(QByteArray("una sola riga")));
        QVERIFY(!source->value(0, field(*source, "Risp_img1")).isValid());
        QCOMPARE(source->value(1, field(*source, "Tfont")),
                 QVariant(QByteArray("12345678901234567890")));
        QCOMPARE(source->value(1, field(*source, "List_doma")), QVariant(QByteArray("\xE8")));
        QCOMPARE(source->value(1, field(*source, "Lezione")), QVariant(5));
    }

    void tableHeader()
    {
        const auto source = buildAndOpen("[record]\nLezione = 1\n");
        QVERIFY(source);
        const QByteArray db = readAll(path(QStringLiteral("OUT.DB")));
        QVERIFY(db.size() > 0x78);
        QCOMPARE(int(quint8(db[0x04])), 2);                         // a table without key
        QCOMPARE(quint8(db[0x6A]) | (quint8(db[0x6B]) << 8), 1252); // its code page
        const QList<FieldDef> &fields = source->fields();
        QCOMPARE(fields.size(), 19);
        const QList<QPair<QString, FieldType>> expected = {
            {"Lezione", FieldType::ShortInt},  {"Cat_eser", FieldType::ShortInt},
            {"T_eser", FieldType::ShortInt},   {"eser_nr", FieldType::LongInt},
            {"Tit_doma", FieldType::FmtMemo},  {"Doma_rch", FieldType::FmtMemo},
            {"Risp_rch", FieldType::FmtMemo},  {"Tfont", FieldType::Alpha},
            {"Doma_img", FieldType::Graphic},  {"Img1", FieldType::Graphic},
            {"Img2", FieldType::Graphic},      {"Img3", FieldType::Graphic},
            {"List_doma", FieldType::Memo},    {"List_risp", FieldType::Memo},
            {"Doma_rnd", FieldType::Logical},  {"Risp_img", FieldType::ShortInt},
            {"Risp_img1", FieldType::FmtMemo}, {"Risp_img2", FieldType::FmtMemo},
            {"Risp_img3", FieldType::FmtMemo}};
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(fields[i].name, expected[i].first);
            QCOMPARE(fields[i].type, expected[i].second);
        }
        QCOMPARE(fields[7].size, 20);
    }

    void rebuildReplacesTheBlobFile()
    {
        const QByteArray big = "[record]\nList_doma:\n  | " + QByteArray(5000, 'x') + "\n";
        QVERIFY(buildAndOpen(big, QStringLiteral("RIFATTA.DB")));
        // A blob file of another letter case from an earlier build would shadow the new one.
        QVERIFY(
            QFile::rename(path(QStringLiteral("RIFATTA.MB")), path(QStringLiteral("RIFATTA.mb"))));
        const auto rebuilt =
            buildAndOpen("[record]\nList_doma:\n  | " + QByteArray(3000, 'y') + "\n",
                         QStringLiteral("RIFATTA.DB"));
        QVERIFY(rebuilt);
        QVERIFY(!QFile::exists(path(QStringLiteral("RIFATTA.mb"))));
        QCOMPARE(rebuilt->value(0, 12), QVariant(QByteArray(3000, 'y')));
    }

    // The files are mapped while the table is open: the values it gave stay whole after.
    void valuesOutliveTheTable()
    {
        auto source = buildAndOpen("[record]\nTfont = ZEV Braille 6\nList_doma:\n  | "
                                       + QByteArray(5000, 'z') + "\n",
                                   QStringLiteral("DURATA.DB"));
        QVERIFY(source);
        const QVariant blob = source->value(0, field(*source, "List_doma"));
        const QVariant alpha = source->value(0, field(*source, "Tfont"));
        source.reset();
        QCOMPARE(blob.toByteArray(), QByteArray(5000, 'z'));
        QCOMPARE(alpha.toByteArray(), QByteArray("ZEV Braille 6"));
    }

    // Blob files are whole 4,096-byte blocks, as Paradox lays them out; a file cut inside its
    // last block (as older builds wrote them) is still read while every blob lies inside it.
    void blobFileOfWholeBlocks()
    {
        QByteArray source = "[record]\nList_doma:\n  | " + QByteArray(9000, 'a') + "\n";
        source += "[record]\nList_risp:\n  | " + QByteArray(300, 'b') + "\n";
        QVERIFY(buildAndOpen(source, QStringLiteral("BLOCCHI.DB")));
        const QString mbPath = path(QStringLiteral("BLOCCHI.MB"));
        QByteArray mb = readAll(mbPath);
        QVERIFY(mb.size() > 9000);
        QCOMPARE(mb.size() % 4096, 0);

        // Cut the padding off: the last blob still lies inside the file.
        int end = mb.size();
        while (end > 0 && mb.at(end - 1) == '\0')
            --end;
        QVERIFY(end < mb.size());
        QVERIFY(writeAll(mbPath, mb.left(end)));
        auto cut = openParadoxTable(path(QStringLiteral("BLOCCHI.DB")));
        QCOMPARE(cut->value(0, 12), QVariant(QByteArray(9000, 'a')));
        QCOMPARE(cut->value(1, 13), QVariant(QByteArray(300, 'b')));

        // Cut into the data of the last blob: it is reported, not read past the end.
        QVERIFY(writeAll(mbPath, mb.left(end - 100)));
        auto damaged = openParadoxTable(path(QStringLiteral("BLOCCHI.DB")));
        bool reported = false;
        try {
            damaged->value(0, 12);
            damaged->value(1, 13);
        } catch (const TableError &) {
            reported = true;
        }
        QVERIFY(reported);
    }

    void lowerCaseOutputName()
    {
        const auto source = buildAndOpen("[record]\nList_risp:\n  | " + QByteArray(400, 'z') + "\n",
                                         QStringLiteral("minuscole.db"));
        QVERIFY(source);
        QVERIFY(QFile::exists(path(QStringLiteral("minuscole.mb"))));
        QCOMPARE(source->value(0, 13), QVariant(QByteArray(400, 'z')));
    }
};

QTEST_GUILESS_MAIN(CourseBuilderTest)
#include "tst_coursebuilder.moc"
