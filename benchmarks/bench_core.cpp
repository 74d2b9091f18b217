// Timings of the work done on every exercise: filtering a course table and composing a page.
// Not a test: run it by hand (build/benchmarks/bench_core) and compare with the targets in
// the design notes (a lesson filter over 20,000 records within 20 ms, a page within 100 µs).
#include "app/Globals.h"
#include "data/dm_Unit1.h"
#include "fakes/MemoryTable.h"

#include <QTemporaryDir>
#include <QTest>

class BenchCore : public QObject
{
    Q_OBJECT
private slots:
    void lessonFilter();
    void composePage();
};

void BenchCore::lessonFilter()
{
    MemoryTable table;
    for (int i = 0; i < 20000; ++i)
        table.add({{"Lezione", i % 40}, {"Cat_eser", 1 + i % 4}, {"T_eser", 0}, {"eser_nr", i}});
    Table cursor;
    cursor.setOpener(table.opener());
    cursor.setTableName("ESER_1.DB");
    cursor.open();
    QBENCHMARK
    {
        cursor.setFiltered(false);
        cursor.setFilter("Lezione='39' and Cat_eser='4'");
        cursor.setFiltered(true);
        while (!cursor.eof())
            cursor.next();
    }
}

void BenchCore::composePage()
{
    QTemporaryDir dir;
    ContentDir = dir.path();
    Tdm holder;
    holder.Table1.setOpener(MemoryTable().add({{"Lezione", 3}, {"Cat_eser", 2}}).opener());
    holder.Table1.setTableName("ESER_1.DB");
    holder.Table1.open();
    QBENCHMARK
    {
        holder.BeginPage();
        holder.OpenTitle(2);
        holder.WriteText("Scrivi in braille la parola:");
        holder.WriteText("<br>");
        holder.CloseTitle();
        holder.OpenText(2);
        holder.WriteText("casa");
        holder.WriteText("<br>");
        holder.FinishPage();
    }
}

QTEST_GUILESS_MAIN(BenchCore)
#include "bench_core.moc"
