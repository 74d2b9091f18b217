// SPDX-License-Identifier: GPL-3.0-or-later
// Braille and music as a learner who cannot see the screen hears them.
#include "rules/CellSpeech.h"
#include "rules/ExerciseRules.h"
#include "rules/Cp1252.h"
#include "rules/RichText.h"
#include "rules/Paradox.h"

#include <QFile>
#include <QtTest>

static const QString kCourse = QStringLiteral(SENTIERO_SOURCE_DIR "/course");

static QByteArray courseFile(const QString &name)
{
    QFile file(kCourse + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TestCellSpeech : public QObject
{
    Q_OBJECT
    CellTable cells = CellTable::fromCourseText(courseFile(QStringLiteral("/braille6.txt")));
    MusicSigns signs =
        MusicSigns::fromCourseText(courseFile(QStringLiteral("/font/segni_musicali.txt")));

private slots:
    void braille_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("heard");
        QTest::newRow("word and accent") << "ciao è"
            << "punti 1 4, punti 2 4, punto 1, punti 1 3 5, spazio, punti 2 3 4 6";
        QTest::newRow("capital: two cells") << "Ra" << "punti 4 6, punti 1 2 3 5, punto 1";
        QTest::newRow("line break, CR LF once") << "a\r\nb" << "punto 1, a capo, punti 1 2";
        QTest::newRow("empty") << "" << "";
    }
    void braille()
    {
        QFETCH(QString, text);
        QFETCH(QString, heard);
        QCOMPARE(spokenBraille(toCp1252(text), cells), heard);
    }

    void help_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("byCells");
        QTest::addColumn<QString>("said");
        QTest::newRow("wrong cell") << "abd" << "abc" << false
                                    << "terza cella: dovrebbe essere punti 1 4";
        QTest::newRow("missing cell") << "ab" << "abc" << false
                                      << "terza cella: manca, dovrebbe essere punti 1 4";
        QTest::newRow("cell too many") << "abc " << "abc" << false << "quarta cella: è di troppo";
        QTest::newRow("after a capital") << "Ra" << "Rb" << false
                                         << "terza cella: dovrebbe essere punti 1 2";
        QTest::newRow("capital missing, characters") << "a" << "A" << false
            << "prima cella: dovrebbe essere punti 4 6, punto 1";
        QTest::newRow("capital missing, cells") << "a" << "A" << true
                                                << "prima cella: dovrebbe essere punti 4 6";
        QTest::newRow("second line") << "a\nbd" << "a\nbc" << true
                                     << "riga 2, seconda cella: dovrebbe essere punti 1 4";
        QTest::newRow("line break wanted") << "ab" << "a\nb" << false
                                           << "riga 1, seconda cella: dovrebbe andare a capo";
        QTest::newRow("same cells") << "+" << "!" << true << "";
    }
    void help()
    {
        QFETCH(QString, answer);
        QFETCH(QString, model);
        QFETCH(bool, byCells);
        QFETCH(QString, said);
        const QByteArray a = toCp1252(answer), m = toCp1252(model);
        const int position = byCells ? firstCellDifference(a, m, cells) : firstDifference(a, m);
        QCOMPARE(cellHelp(a, m, position, cells, byCells), said);
    }

    void wrongCell_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << "abc" << "abd" << "Terza cella: manca il punto 5.";
        QTest::newRow("extra") << "abd" << "abc" << "Terza cella: c'è in più il punto 5.";
        QTest::newRow("both") << "h" << "i" << "Prima cella: manca il punto 4, ci sono in più i punti 1 e 5.";
        QTest::newRow("mirrored") << "i" << "e"
            << "Prima cella: è la cella girata allo specchio (punti 2 4 invece di 1 5).";
        QTest::newRow("shifted") << "," << "a" << "Prima cella: spostata di una riga.";
        QTest::newRow("missing at the end") << "ab" << "abc" << "Manca una cella alla fine.";
        QTest::newRow("extra at the end") << "abcde" << "abcd" << "C'è una cella in più dopo la quarta.";
        QTest::newRow("missing inside") << "acd" << "abcd" << "Manca la seconda cella.";
        QTest::newRow("only the first named") << "fbj" << "abc" << "Prima cella: ci sono in più i punti 2 e 4.";
        QTest::newRow("second line") << "a\nbd" << "a\nbc" << "Riga 2, seconda cella: c'è in più il punto 5.";
        QTest::newRow("same cells") << "+" << "!" << "";
    }
    void wrongCell()
    {
        QFETCH(QString, answer);
        QFETCH(QString, model);
        QFETCH(QString, said);
        QCOMPARE(::wrongCell(toCp1252(answer), toCp1252(model), cells), said);
        // The pair confused is the cell named, whenever one cell is written for another.
        const auto pair = wrongCellPair(toCp1252(answer), toCp1252(model), cells);
        QCOMPARE(pair.has_value(), said.contains(QLatin1String(" cella: ")));
        if (pair) {
            const qsizetype at = ::firstCellDifference(toCp1252(answer), toCp1252(model), cells);
            QCOMPARE(pair->first, cells.cellsOf(toCp1252(answer).at(at)).first());
        }
    }

    void music_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("heard");
        QTest::newRow("notes") << QByteArray("C do4 M re4") << "croma do4, minima re4";
        QTest::newRow("dotted pair") << QByteArray("\xfe\xf4 si4") << "semiminima puntata si4";
        QTest::newRow("rests") << QByteArray("P R") << "pausa di semibreve, pausa di semiminima";
    }
    void music()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, heard);
        QCOMPARE(spokenMusic(RewriteMusicPairs(text), signs), heard);
    }

    // Every byte of the demo course's music that is not the name of a note (small letters,
    // octave digits, blanks) has a name in the course's sign table.
    void demoMusicHasNames()
    {
        const auto table = openParadoxTable(kCourse + QStringLiteral("/Ex/ESER_3.DB"));
        QStringList unnamed;
        int typeField = -1;
        for (int f = 0; f < table->fields().size(); ++f) {
            if (table->fields().at(f).name == QLatin1String("T_eser"))
                typeField = f;
        }
        QVERIFY(typeField >= 0);
        for (int r = 0; r < table->recordCount(); ++r) {
            for (int f = 0; f < table->fields().size(); ++f) {
                const QString name = table->fields().at(f).name;
                const int type = table->value(r, typeField).toInt();
                if (!(type == 200 && name == QLatin1String("Doma_rch"))
                    && !name.startsWith(QLatin1String("Risp_img")))
                    continue;
                for (const QByteArray &line : richTextLines(table->value(r, f).toByteArray())) {
                    for (char byte : RewriteMusicPairs(line)) {
                        if (!QByteArrayView("abcdefghijklmnopqrstuvwxyz0123456789 ").contains(byte)
                            && !signs.isSign(byte))
                            unnamed << QStringLiteral("record %1: %2").arg(r).arg(fromCp1252(line));
                    }
                }
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestCellSpeech)
#include "tst_cellspeech.moc"
