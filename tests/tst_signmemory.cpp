// SPDX-License-Identifier: GPL-3.0-or-later
// The memory of each sign: the Leitner schedule, today's review, the sheet for paper.
#include "rules/Cp1252.h"
#include "rules/PracticeSheet.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

static CellTable courseTable()
{
    QFile file(QStringLiteral(SENTIERO_SOURCE_DIR "/course/braille6.txt"));
    return CellTable::fromCourseText(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

class TestSignMemory : public QObject
{
    Q_OBJECT
    CellTable table = courseTable();
    const QDate day0{2026, 3, 2};

    Cell cell(char c) { return table.cellsOf(c).value(0); }
    QList<Cell> cells(const QByteArray &text) { return signsOf(text, table); }
    PracticeExercise exercise(int lesson, const QByteArray &braille)
    {
        return {1, lesson, 2, 0, braille[0], QString(), braille, cells(braille)};
    }
    // The outcome of an exercise; W: `written` where `expected` was asked.
    ExerciseOutcome outcome(char code, char written = 'i', char expected = 'e')
    {
        const QMap<char, ExerciseOutcome::Kind> kinds{{'R', ExerciseOutcome::RightFirst},
            {'W', ExerciseOutcome::RightAfterWrong}, {'H', ExerciseOutcome::RightWithHelp},
            {'F', ExerciseOutcome::FailedTest}, {'S', ExerciseOutcome::Skipped}};
        ExerciseOutcome result{kinds.value(code), code == 'R' ? 0 : 1, {}};
        if (code == 'W')
            result.confused = {{cell(written), cell(expected)}};
        return result;
    }

private slots:
    void schedule_data()
    {
        QTest::addColumn<QString>("days"); // day and outcome of each exercise "ae"
        QTest::addColumn<int>("eBox");
        QTest::addColumn<int>("eDue"); // days from the first; -1 for none
        QTest::addColumn<int>("aBox");
        QTest::addColumn<int>("rose");
        QTest::newRow("new, right") << "0R" << 1 << 1 << 1 << 2;
        QTest::newRow("again the same day: not due") << "0R 0R" << 1 << 1 << 1 << 2;
        QTest::newRow("right on each due day") << "0R 1R 3R 7R 15R 31R" << 5 << 47 << 5 << 10;
        QTest::newRow("late: from the day done") << "0R 10R" << 2 << 12 << 2 << 4;
        QTest::newRow("i for e: e alone back") << "0R 1R 3W" << 1 << 4 << 2 << 4;
        QTest::newRow("help: every sign back") << "0R 1R 3H" << 1 << 4 << 1 << 4;
        QTest::newRow("test failed") << "0R 1F" << 1 << 2 << 1 << 2;
        QTest::newRow("skipped") << "0S" << 0 << -1 << 0 << 0;
    }
    void schedule()
    {
        QFETCH(QString, days);
        SignMemory memory;
        int rose = 0;
        for (const QString &event : days.split(QLatin1Char(' '))) {
            const QDate today = day0.addDays(event.chopped(1).toInt());
            rose += memory.practise(1, cells("ae"), outcome(event.back().toLatin1()), today);
        }
        const SignState e = memory.sign(1, cell('e'));
        QTEST(e.box, "eBox");
        QTEST(e.due.isNull() ? -1 : int(day0.daysTo(e.due)), "eDue");
        QTEST(memory.sign(1, cell('a')).box, "aBox");
        QTEST(rose, "rose");
        // Kept and read back, a damaged line lost alone; an old record has no memory yet.
        const QByteArray kept = memory.toText();
        QCOMPARE(SignMemory::fromText(kept + "segno 1 15 9 ieri 1 1\nconfusione 1 x\n").toText(), kept);
        QVERIFY(SignMemory::fromText(QByteArray()).isEmpty());
    }

    void todayChoice()
    {
        const QList<PracticeExercise> catalogue{
            exercise(0, "babbo"), exercise(0, "ape"), exercise(0, "idea"), exercise(0, "lilla"),
            exercise(1, "ente"), exercise(0, "fifi")};
        SignMemory memory;
        memory.practise(1, catalogue[0].signs, outcome('R'), day0.addDays(-3)); // b a o due -2
        memory.practise(1, catalogue[5].signs, outcome('W', 'e', 'i'), day0.addDays(-1)); // f i due 0
        memory.practise(1, catalogue[1].signs, outcome('R'), day0); // a due 2; p e due 1
        const std::array<int, 4> reached{-1, 0, -1, -1};
        // b first (most overdue); i next, and then e, which the learner wrote for i.
        QCOMPARE(::todayChoice(catalogue, memory, reached, day0.addDays(1)),
                 (QList<int>{0, 2, 1, 5}));
        QCOMPARE(::todayChoice(catalogue, memory, reached, day0.addDays(1), 2), (QList<int>{0, 2}));
        QCOMPARE(::todayChoice(catalogue, memory, reached, day0.addDays(-2)), (QList<int>{0}));
        QCOMPARE(::todayChoice(catalogue, memory, {-1, -1, -1, -1}, day0.addDays(1)), QList<int>());
        // The next review, when nothing is due.
        QCOMPARE(memory.nextDueAfter(day0.addDays(-3)), day0.addDays(-2));
        // A record kept before the memory gives the memory of its outcomes; an edited exercise
        // ("lilla" since) is left out.
        QList<ExerciseEntry> record;
        SignMemory expected;
        for (const auto &[index, code, day] : {std::tuple{0, 'R', -3}, {5, 'H', -1}, {1, 'R', 0}, {3, 'R', 0}}) {
            const PracticeExercise &done = catalogue[index];
            record << ExerciseEntry{QString(), QDateTime(day0.addDays(day), QTime(12, 0)), 1, done.lesson,
                                    done.category, done.number, done.type, index == 3 ? "old" : "", outcome(code)};
            if (index != 3)
                expected.practise(1, done.signs, outcome(code), day0.addDays(day));
        }
        QCOMPARE(memoryFromRecord(record, catalogue).toText(), expected.toText());
    }

    void sheet()
    {
        const QList<PracticeExercise> catalogue{exercise(0, "ape"), exercise(0, "idea\nPepe e"),
                                                exercise(1, "pane")};
        SignMemory memory;
        memory.practise(1, catalogue[0].signs, outcome('W'), day0);
        const QList<QList<Cell>> lines = sheetLines(catalogue, memory, {-1, 0, -1, -1}, table);
        QXmlStreamReader pef(sheetPef(lines, QStringLiteral("Ripasso"), day0, QStringLiteral("x")));
        QStringList rows;
        while (!pef.atEnd()) {
            if (pef.readNext() == QXmlStreamReader::StartElement && pef.name() == u"row")
                rows << pef.readElementText();
        }
        QVERIFY2(!pef.hasError(), qPrintable(pef.errorString()));
        QStringList expected;
        for (const char *line : {"e e e  i i i", "ape idea Pepe", "", "a a a", "ape idea", "",
                                 "p p p", "ape Pepe"}) {
            QString row;
            for (const char c : QByteArray(line))
                for (const Cell cell : table.cellsOf(c))
                    row += QChar(char16_t(0x2800 + cell));
            expected << row;
        }
        QCOMPARE(rows, expected);
    }

    void brfPages()
    {
        // Many signs and long words: lines of 40 cells at most, pages of 25 lines.
        QByteArray words;
        for (char c = 'a'; c <= 'z'; ++c)
            words += QByteArray(12, c) + "bc " + QByteArray(30, c) + "ab ";
        QList<PracticeExercise> catalogue;
        SignMemory memory;
        for (int course = 1; course <= 3; ++course) {
            catalogue << exercise(0, words);
            catalogue.last().course = course;
            memory.practise(course, cells("abcdefg"), outcome('H'), day0);
        }
        const QList<QList<Cell>> lines = sheetLines(catalogue, memory, {0, 0, 0, 0}, table);
        const QByteArray brf = sheetBrf(lines);
        QVERIFY(brf.endsWith('\f'));
        const QList<QByteArray> pages = brf.chopped(1).split('\f');
        QCOMPARE(pages.size(), int(lines.size() + 24) / 25);
        for (const QByteArray &page : pages) {
            const QList<QByteArray> pageLines = page.chopped(2).split('\n');
            QVERIFY(pageLines.size() <= 25);
            for (const QByteArray &line : pageLines)
                QVERIFY(line.trimmed().size() <= 40);
        }
        QCOMPARE(brf.left(6), QByteArray("A A A\r"));
    }
};

QTEST_GUILESS_MAIN(TestSignMemory)
#include "tst_signmemory.moc"
