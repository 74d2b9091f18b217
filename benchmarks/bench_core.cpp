// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the pure work done on every exercise: the answer normaliser, the title and music
// rewrites, the rich-text reader, a whole page composed and saved, and a course table on disk
// opened, filtered and walked. Not a test: ./bench.sh runs it (or build-bench/benchmarks/
// bench_core -csv) and compares with the targets in the design notes.
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "rules/ExerciseRules.h"
#include "platform/LearnerRecord.h"
#include "rules/RichText.h"
#include "rules/Table.h"
#include "app/Progress.h"
#include "rules/PracticeSheet.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class BenchCore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void normalizeAnswer();
    void rewriteBrailleRun();
    void rewriteMusicPairs();
    void richText2K();
    void pageType0();
    void pageType201();
    void tableOnDisk_data();
    void tableOnDisk();
    void learnerRecordWrite();
    void memoryProgressPage_data();
    void memoryProgressPage();
    void memoryTodayChoice_data() { memoryProgressPage_data(); }
    void memoryTodayChoice();
    void memorySheet_data() { memoryProgressPage_data(); }
    void memorySheet();

private:
    QString buildTable(int records);
    void loadRecordHolder();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Tdm> m_holder;
};

namespace {

// A RichEdit document of about 2 KB: the header, then lines with accents, braille runs in
// another font, quotes and a tab.
QByteArray richText2K()
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
                     "{\\f1\\fnil\\fcharset2 ZEV Braille 6;}}{\\colortbl ;\\red255\\green0\\blue0;}"
                     "\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    int line = 0;
    while (rtf.size() < 2000) {
        rtf += "Riga " + QByteArray::number(++line)
               + ": scrivi in braille la parola \\ldblquote citt\\'e0\\rdblquote\\tab "
                 "{\\f1 #ab-#c}\\par\r\n";
    }
    rtf += "}";
    return rtf;
}

const QByteArray BrailleTag = "</FONT><FONT FACE=\"ZEV Braille 6\"";

} // namespace

void BenchCore::initTestCase()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    state().ContentDir = m_dir->path();
    loadRecordHolder();
}

void BenchCore::normalizeAnswer()
{
    const QByteArray typed = "   la   casa  di  Marco \xe8   bella   \r\n\r\n";
    QByteArray result;
    QBENCHMARK
    {
        result = NormalizeAnswer(typed);
    }
    QCOMPARE(result, QByteArray("la casa di Marco \xe8 bella"));
}

void BenchCore::rewriteBrailleRun()
{
    const QByteArray line = "Scrivi in braille il numero " + BrailleTag
                            + " SIZE=\"5\">#abc</FONT> e poi il numero " + BrailleTag
                            + ">#de</FONT> 3/F";
    QByteArray result;
    QBENCHMARK
    {
        result = RewriteBrailleRun(line, 2);
    }
    QVERIFY(result.startsWith("Scrivi in braille il numero <span class=\"braille2\">"));
}

void BenchCore::rewriteMusicPairs()
{
    const QByteArray line = "\xfe\xf4 a \xfe\xf2 b \xfe\xf1 c \xff\xf1 d \xfe\xf4";
    QByteArray result;
    QBENCHMARK
    {
        result = RewriteMusicPairs(line);
    }
    QCOMPARE(result.size(), line.size());
}

void BenchCore::richText2K()
{
    const QByteArray rtf = ::richText2K();
    QVERIFY(rtf.size() >= 2000);
    QList<QByteArray> lines;
    QBENCHMARK
    {
        lines = richTextLines(rtf);
    }
    QVERIFY(lines.size() > 20);
}

// The holder reads a record of a small table on disk, as the windows do.
void BenchCore::loadRecordHolder()
{
    m_holder = std::make_unique<Tdm>();
    const QString table = buildTable(1);
    QVERIFY(!table.isEmpty());
    m_holder->Table1.setTableName(table);
    m_holder->Table1.open();
}

// The page of a type-0 exercise as its window writes it: a two-line title, the colour bar,
// the question in print.
void BenchCore::pageType0()
{
    Tdm &holder = *m_holder;
    const QList<QByteArray> title = {"Scrivi in braille la parola:", "(usa i sei tasti)"};
    const QList<QByteArray> question = {"citt\xe0"};
    QBENCHMARK
    {
        holder.BeginPage();
        holder.OpenTitle(holder.fieldInt(QStringLiteral("Cat_eser")));
        for (const QByteArray &line : title) {
            holder.WriteText(line);
            holder.WriteText("<br>");
        }
        holder.CloseTitle();
        holder.OpenText(holder.fieldInt(QStringLiteral("Cat_eser")));
        for (const QByteArray &line : question) {
            holder.WriteText(line);
            holder.WriteText("<br>");
        }
        holder.FinishPage();
    }
    QVERIFY(QFile::exists(holder.PageFile()));
}

// The page of a type-201 exercise: title, the question in braille, the colour bar, and a
// table of three answers in the music font through the music rewrite.
void BenchCore::pageType201()
{
    Tdm &holder = *m_holder;
    const QList<QByteArray> title = {"Quale nota corrisponde alla cella?"};
    const QList<QByteArray> question = {"\xfe\xf4"};
    const QList<QByteArray> answers[] = {{"\xfe\xf4 \xfe\xf2"}, {"\xfe\xf1"}, {"\xff\xf1 a"}};
    QBENCHMARK
    {
        const int category = holder.fieldInt(QStringLiteral("Cat_eser"));
        holder.BeginPage();
        holder.OpenTitle(category);
        for (const QByteArray &line : title) {
            holder.WriteText(line);
            holder.WriteText("<br>");
        }
        holder.CloseTitle();
        holder.OpenBraille(category);
        for (const QByteArray &line : question) {
            holder.WriteText(line);
            holder.WriteText("<br>");
        }
        holder.WriteColorBar();
        holder.WriteAnswerTableHead(category);
        for (const QList<QByteArray> &answer : answers) {
            holder.OpenMusicCell(category);
            for (const QByteArray &line : answer)
                holder.WriteText(RewriteMusicPairs(line));
            holder.WriteText("</td>");
        }
        holder.WriteText("</tr></table></div>");
        holder.FinishPage();
    }
    QVERIFY(QFile::exists(holder.PageFile()));
}

// A course table of `records` exercises in 40 lessons and four categories, each with a
// rich-text title in the blob file, written by the course builder. The tables are kept in the
// build folder between runs (the large one takes some seconds to write). Empty on failure.
QString BenchCore::buildTable(int records)
{
    const QString dir = QStringLiteral(SENTIERO_BENCH_TABLES "/v1-%1").arg(records);
    const QString db = dir + QStringLiteral("/ESER_1.DB");
    if (QFile::exists(db))
        return db;
    // Written aside and moved into place whole, so that an interrupted run leaves no table.
    QDir partial(dir + QStringLiteral(".part"));
    partial.removeRecursively();
    QDir().mkpath(partial.path());
    QByteArray source;
    source.reserve(records * 140);
    for (int i = 0; i < records; ++i) {
        source += "[record]\nLezione = " + QByteArray::number(i % 40)
                  + "\nCat_eser = " + QByteArray::number(1 + (i / 40) % 4)
                  + "\nT_eser = " + QByteArray::number(i % 3) + "\neser_nr = "
                  + QByteArray::number(i) + "\nTit_doma = Scrivi in braille la parola numero "
                  + QByteArray::number(i) + "\nRisp_rch = casa\n";
    }
    const QString sourcePath = partial.filePath(QStringLiteral("ESER_1.txt"));
    QFile file(sourcePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size())
        return {};
    file.close();
    const int status = QProcess::execute(QStringLiteral(SENTIERO_COURSE_BUILDER),
                                         {sourcePath, partial.filePath(QStringLiteral("ESER_1.DB"))});
    if (status != 0 || !QDir().rename(partial.path(), dir))
        return {};
    return db;
}

void BenchCore::tableOnDisk_data()
{
    QTest::addColumn<int>("records");
    for (const int records : {2000, 20000, 200000})
        QTest::newRow(QByteArray::number(records)) << records;
}

// What a run of exercises does with the table: open it with the lesson filter, then walk the
// matching records reading each one's type.
void BenchCore::tableOnDisk()
{
    QFETCH(int, records);
    const QString path = buildTable(records);
    QVERIFY2(!path.isEmpty(), "the course builder could not write the table");
    Table table;
    table.setTableName(path);
    int walked = 0;
    QBENCHMARK
    {
        table.close();
        table.setFilter(QStringLiteral("Lezione='39'"));
        table.open();
        table.setFiltered(true);
        walked = 0;
        while (!table.eof()) {
            table.fieldByName(QStringLiteral("t_eser"));
            table.next();
            ++walked;
        }
    }
    QCOMPARE(walked, records / 40);
}

// What the runner adds to the learner's record between a check and the next page: one
// exercise, in its own transaction.
void BenchCore::learnerRecordWrite()
{
    QTemporaryDir dir;
    auto record = openSqlLearnerRecord(dir.path());
    ExerciseEntry entry;
    entry.course = 1;
    entry.identity = QStringLiteral("0123456789abcdef");
    QVERIFY(record->isKept());
    QBENCHMARK {
        entry.at = QDateTime::currentDateTime();
        ++entry.number;
        record->addExercise(entry);
    }
}

namespace {

// A learner's record of `entries` exercises (and a run for every ten) over the three courses,
// 40 lessons each, 1,000 exercises a course; the courses' exercises with their braille words;
// the memory of their signs after a few weeks of practice.
struct MemoryFixture
{
    QList<ExerciseEntry> exercises;
    QList<RunEntry> runs;
    QList<PracticeExercise> catalogue;
    SignMemory memory;
    CellTable table = CellTable::fromCourseText(
        "61 1 a\n62 12 b\n63 14 c\n64 145 d\n65 15 e\n66 124 f\n67 1245 g\n68 125 h\n"
        "69 24 i\n6a 245 j\n6b 13 k\n6c 123 l\n6d 134 m\n6e 1345 n\n6f 135 o\n70 1234 p\n"
        "71 12345 q\n72 1235 r\n73 234 s\n74 2345 t\n75 136 u\n76 1236 v\n77 2456 w\n"
        "78 1346 x\n79 13456 y\n7a 1356 z\n20 0 blank\n");

    explicit MemoryFixture(int entries)
    {
        const QDate today = QDate::currentDate();
        const QDateTime start = QDateTime::currentDateTime().addDays(-400);
        for (int course = 1; course <= 3; ++course) {
            for (int number = 0; number < 1000; ++number) {
                QByteArray words;
                for (int word = 0; word < 4; ++word)
                    for (int letter = 0; letter < 3 + word; ++letter)
                        words += char('a' + (number * 7 + word * 5 + letter * 3) % 26);
                words += ' ';
                catalogue << PracticeExercise{course, number % 40, 1 + number / 40 % 4, 0, number,
                                              QString::number(number, 16), words,
                                              signsOf(words, table)};
            }
        }
        for (int i = 0; i < entries; ++i) {
            const PracticeExercise &exercise = catalogue[i % catalogue.size()];
            ExerciseEntry entry;
            entry.at = start.addSecs(i * 60);
            entry.course = exercise.course;
            entry.lesson = exercise.lesson;
            entry.category = exercise.category;
            entry.number = exercise.number;
            entry.identity = exercise.identity;
            entry.outcome.kind = i % 5 ? ExerciseOutcome::RightFirst : ExerciseOutcome::RightAfterWrong;
            if (i % 5 == 0)
                entry.outcome.confused = {{exercise.signs[1], exercise.signs[0]}};
            exercises << entry;
            if (i % 10 == 9)
                runs << RunEntry{QString(), entry.at, entry.course, entry.lesson, entry.category, 8, 10,
                                 entry.category == 4 ? QStringLiteral("BUONO") : QString(),
                                 QString()};
            // The memory of the last thirty days.
            if (i >= entries - 3000)
                memory.practise(entry.course, exercise.signs, entry.outcome,
                                today.addDays((i - entries) / 100));
        }
    }
};

} // namespace

void BenchCore::memoryProgressPage_data()
{
    QTest::addColumn<int>("entries");
    for (const int entries : {20000, 200000})
        QTest::newRow(QByteArray::number(entries)) << entries;
}

// The progress page with the signs of each course, from the record as read.
void BenchCore::memoryProgressPage()
{
    QFETCH(int, entries);
    const MemoryFixture fixture(entries);
    QByteArray page;
    ProgressLinks links;
    links.memory = &fixture.memory;
    QBENCHMARK {
        page = progressPage(fixture.exercises, fixture.runs, QString(), links);
    }
    QVERIFY(page.contains("i segni più deboli"));
}

// Today's review chosen: the lessons reached from the record, then the exercises.
void BenchCore::memoryTodayChoice()
{
    QFETCH(int, entries);
    const MemoryFixture fixture(entries);
    QList<int> chosen;
    QBENCHMARK {
        chosen = todayChoice(fixture.catalogue, fixture.memory,
                             lessonsReached(fixture.exercises, fixture.runs), QDate::currentDate());
    }
    QVERIFY(!chosen.isEmpty());
}

// The practice sheet: the lessons reached, its lines, the PEF and the BRF.
void BenchCore::memorySheet()
{
    QFETCH(int, entries);
    const MemoryFixture fixture(entries);
    QByteArray pef, brf;
    QBENCHMARK {
        const QList<QList<Cell>> lines =
            sheetLines(fixture.catalogue, fixture.memory,
                       lessonsReached(fixture.exercises, fixture.runs), fixture.table);
        pef = sheetPef(lines, QStringLiteral("Ripasso"), QDate::currentDate(), QStringLiteral("x"));
        brf = sheetBrf(lines);
    }
    QVERIFY(brf.size() > 40);
}

QTEST_GUILESS_MAIN(BenchCore)
#include "bench_core.moc"
