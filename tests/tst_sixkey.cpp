// Six-key entry without a window: chords read from key presses and releases, the cell
// tables (the demo course's file and liblouis's), and the check and help on cells.
#include "exercises/CellTable.h"
#include "exercises/SixKey.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(QList<Cell>)

// The demo course's table, read as the program reads it.
static const CellTable &demoCells()
{
    static const CellTable table = [] {
        QFile file(QStringLiteral(SENTIERO_SOURCE_DIR "/course/braille6.txt"));
        return file.open(QIODevice::ReadOnly) ? CellTable::fromCourseText(file.readAll())
                                              : CellTable();
    }();
    return table;
}

static Cell cell(const char *dots)
{
    return cellOfDots(dots).value_or(Cell(0xFF));
}

static QList<Cell> cells(const QByteArray &dotsJoined)
{
    QList<Cell> result;
    for (const QByteArray &dots : dotsJoined.split('-'))
        result.append(cell(dots.constData()));
    return result;
}

// A script of key events: "+f" presses F, "-f" releases it, "*f" is an auto-repeated press
// and release; " " stands for Space and "<" for Backspace. What comes out is written as the
// characters written, "<" for an erase and "[dots]" for a refused cell.
static QByteArray play(const QByteArray &script, const CellTable &table)
{
    static const QByteArray keys = "fdsjkl <";
    ChordReader reader(&table);
    QByteArray out;
    const auto take = [&out](const SixKeyAction &action) {
        switch (action.kind) {
        case SixKeyAction::Write:
            out.append(action.character);
            break;
        case SixKeyAction::Erase:
            out.append('<');
            break;
        case SixKeyAction::Refuse:
            out.append('[').append(dotsText(action.cell)).append(']');
            break;
        case SixKeyAction::Nothing:
            break;
        }
    };
    for (qsizetype i = 0; i + 1 < script.size(); i += 2) {
        const auto key = SixKey(keys.indexOf(script[i + 1]));
        if (script[i] == '+')
            take(reader.press(key, false));
        else if (script[i] == '-')
            take(reader.release(key, false));
        else {
            take(reader.press(key, true));
            take(reader.release(key, true));
        }
    }
    return out;
}

class TestSixKey : public QObject
{
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void chords_data();
    void chords();
    void focusLostMidChord();
    void courseTable_data();
    void courseTable();
    void liblouisTable_data();
    void liblouisTable();
    void checkOnCells_data();
    void checkOnCells();
    void helpOnCells_data();
    void helpOnCells();
};

void TestSixKey::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("sixKey"); // -1: not a key of six-key entry
    QTest::newRow("F") << int(Qt::Key_F) << int(SixKey::Dot1);
    QTest::newRow("D") << int(Qt::Key_D) << int(SixKey::Dot2);
    QTest::newRow("S") << int(Qt::Key_S) << int(SixKey::Dot3);
    QTest::newRow("J") << int(Qt::Key_J) << int(SixKey::Dot4);
    QTest::newRow("K") << int(Qt::Key_K) << int(SixKey::Dot5);
    QTest::newRow("L") << int(Qt::Key_L) << int(SixKey::Dot6);
    QTest::newRow("Space") << int(Qt::Key_Space) << int(SixKey::Space);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(SixKey::Backspace);
    QTest::newRow("A") << int(Qt::Key_A) << -1;
    QTest::newRow("Return") << int(Qt::Key_Return) << -1;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << -1;
}

void TestSixKey::keys()
{
    QFETCH(int, key);
    QFETCH(int, sixKey);
    const std::optional<SixKey> found = sixKeyOf(key);
    QCOMPARE(found ? int(*found) : -1, sixKey);
}

void TestSixKey::chords_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("one dot") << QByteArray("+f-f") << QByteArray("1");
    QTest::newRow("two keys, released in order") << QByteArray("+f+d-f-d") << QByteArray("2");
    QTest::newRow("released in reverse") << QByteArray("+f+d-d-f") << QByteArray("2");
    QTest::newRow("all six") << QByteArray("+f+d+s+j+k+l-l-k-j-s-d-f") << QByteArray("%");
    // d, then j pressed before d is up: one chord, 2-4.
    QTest::newRow("overlapping presses") << QByteArray("+d+j-d-j") << QByteArray("9");
    QTest::newRow("two chords") << QByteArray("+f-f+f+d-d-f") << QByteArray("12");
    QTest::newRow("auto-repeat adds nothing") << QByteArray("+f*f*f*f-f") << QByteArray("1");
    QTest::newRow("repeat of another key adds no dot") << QByteArray("+f*d-f") << QByteArray("1");
    QTest::newRow("release never pressed") << QByteArray("-f+d-d") << QByteArray(",");
    QTest::newRow("Space is the empty cell") << QByteArray("+f-f+ - +f-f") << QByteArray("1 1");
    QTest::newRow("Space repeating writes one") << QByteArray("+ * * - ") << QByteArray(" ");
    QTest::newRow("Space within a chord adds nothing") << QByteArray("+f+ - -f") << QByteArray("1");
    QTest::newRow("Backspace erases at once") << QByteArray("+f-f+<-<") << QByteArray("1<");
    QTest::newRow("Backspace repeating erases again") << QByteArray("+<*<-<") << QByteArray("<<");
    QTest::newRow("Backspace while a chord is held") << QByteArray("+f+<-<-f") << QByteArray("<1");
    // The demo course gives no character to dot 4 alone, nor to dot 5.
    QTest::newRow("cell without a character") << QByteArray("+j-j") << QByteArray("[4]");
    QTest::newRow("refused, then written") << QByteArray("+k-k+k+j-k-j") << QByteArray("[5]>");
    // 2-3-5 is both ! and +, 1 both the digit and a: the first of the table is written.
    QTest::newRow("first character of a cell") << QByteArray("+d+s+k-d-s-k") << QByteArray("!");
    QTest::newRow("capital sign") << QByteArray("+j+l-j-l+f-f") << QByteArray("$1");
}

void TestSixKey::chords()
{
    QFETCH(QByteArray, script);
    QFETCH(QByteArray, written);
    QVERIFY(!demoCells().isEmpty());
    QCOMPARE(play(script, demoCells()), written);
}

void TestSixKey::focusLostMidChord()
{
    ChordReader reader(&demoCells());
    reader.press(SixKey::Dot1, false);
    reader.press(SixKey::Dot2, false);
    reader.reset();
    QVERIFY(reader.idle());
    // The releases that come after the box got the focus back write nothing.
    QCOMPARE(reader.release(SixKey::Dot1, false).kind, SixKeyAction::Nothing);
    QCOMPARE(reader.release(SixKey::Dot2, false).kind, SixKeyAction::Nothing);
    reader.press(SixKey::Dot4, false);
    QCOMPARE(reader.release(SixKey::Dot4, false).kind, SixKeyAction::Refuse);
    reader.press(SixKey::Dot3, false);
    QCOMPARE(reader.release(SixKey::Dot3, false), (SixKeyAction{SixKeyAction::Write, '\'', 4}));
}

void TestSixKey::courseTable_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("character");
    QTest::addColumn<QList<Cell>>("cells"); // empty: none
    const QByteArray table = "# a comment\n"
                             "61    1       a\r\n"
                             "41    46-1    A\n"
                             "2b  235   +\n"
                             "21  235   !\n"
                             "20  0  (blank)\n"
                             "zz  1  not a byte\n"
                             "62  1x  bad dots\n"
                             "63  14\n"
                             "61  2   a second time\n";
    QTest::newRow("one cell") << table << QByteArray("a") << cells("1");
    QTest::newRow("capital") << table << QByteArray("A") << cells("46-1");
    QTest::newRow("blank") << table << QByteArray(" ") << cells("0");
    QTest::newRow("reminder left out") << table << QByteArray("c") << cells("14");
    QTest::newRow("unlisted: full cell") << table << QByteArray("b") << cells("123456");
    QTest::newRow("line break: none") << table << QByteArray("\n") << QList<Cell>();
}

void TestSixKey::courseTable()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, character);
    QFETCH(QList<Cell>, cells);
    const CellTable table = CellTable::fromCourseText(text);
    QCOMPARE(table.cellsOf(character[0]), cells);
    // The line listed first gives the character of a cell; a full cell drawn for a byte
    // that is not listed is never written.
    QCOMPARE(table.characterOf(cell("235")).value_or(0), '+');
    QCOMPARE(table.characterOf(cell("1")).value_or(0), 'a');
    QVERIFY(!table.characterOf(cell("123456")));
    QVERIFY(!table.characterOf(cell("46")));
}

void TestSixKey::liblouisTable_data()
{
    QTest::addColumn<QByteArray>("character"); // Windows-1252
    QTest::addColumn<QList<Cell>>("cells");
    QTest::newRow("a") << QByteArray("a") << cells("1");
    QTest::newRow("è") << QByteArray("\xe8") << cells("2346");
    QTest::newRow("à") << QByteArray("\xe0") << cells("12356");
    QTest::newRow("capital") << QByteArray("R") << cells("46-1235");
    QTest::newRow("digit without number sign") << QByteArray("2") << cells("12");
    QTest::newRow("number sign") << QByteArray("#") << cells("3456");
    QTest::newRow("plus") << QByteArray("+") << cells("235");
    QTest::newRow("blank") << QByteArray(" ") << cells("0");
    QTest::newRow("hyphen: not defined") << QByteArray("-") << QList<Cell>();
}

void TestSixKey::liblouisTable()
{
    QFETCH(QByteArray, character);
    QFETCH(QList<Cell>, cells);
    const CellTable table = CellTable::fromLiblouis();
    QVERIFY2(!table.isEmpty(), "liblouis cannot load it-it-comp6.utb");
    QCOMPARE(table.cellsOf(character[0]), cells);
    QCOMPARE(table.characterOf(cell("235")).value_or(0), '!');
    QCOMPARE(table.characterOf(cell("46")).value_or(0), '$');
    QCOMPARE(table.characterOf(cell("2346")).value_or(0), '^'); // before è
}

void TestSixKey::checkOnCells_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<bool>("right");
    QTest::newRow("! written for +") << QByteArray("#c!#d") << QByteArray("#c+#d") << true;
    QTest::newRow("+ as it stands") << QByteArray("#c+#d") << QByteArray("#c+#d") << true;
    QTest::newRow("capital by two chords") << QByteArray("$roma") << QByteArray("Roma") << true;
    QTest::newRow("a wrong cell") << QByteArray("#c!#e") << QByteArray("#c+#d") << false;
    QTest::newRow("a cell missing") << QByteArray("$rom") << QByteArray("Roma") << false;
    QTest::newRow("capital sign missing") << QByteArray("roma") << QByteArray("Roma") << false;
    QTest::newRow("blanks around and between")
        << QByteArray("  a   b  \r\n") << QByteArray("a b") << true;
    QTest::newRow("no-break space is the empty cell")
        << QByteArray("a\xa0") << QByteArray("a") << true;
    QTest::newRow("a blank inside") << QByteArray("ab c") << QByteArray("abc") << false;
    QTest::newRow("line break kept") << QByteArray("a\r\nb") << QByteArray("ab") << false;
    QTest::newRow("same lines") << QByteArray("a\r\nb") << QByteArray("a\r\nb") << true;
    QTest::newRow("empty answer") << QByteArray() << QByteArray() << false;
    QTest::newRow("only blanks") << QByteArray("  ") << QByteArray("") << true;
}

void TestSixKey::checkOnCells()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, model);
    QFETCH(bool, right);
    QCOMPARE(answerIsRightByCells(answer, model, demoCells()), right);
}

void TestSixKey::helpOnCells_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<int>("position");
    QTest::newRow("same cells") << QByteArray("#c!#d") << QByteArray("#c+#d") << -1;
    QTest::newRow("a wrong cell") << QByteArray("#c!#e") << QByteArray("#c+#d") << 4;
    // Two chords for the one character of the model: the second chord is wrong.
    QTest::newRow("second cell of a capital") << QByteArray("$s") << QByteArray("Roma") << 1;
    // The model's characters put in by "Risposta", then edited.
    QTest::newRow("inside a two-cell character") << QByteArray("Aa") << QByteArray("$b") << 0;
    QTest::newRow("answer shorter") << QByteArray("$ro") << QByteArray("Roma") << 3;
    QTest::newRow("answer longer") << QByteArray("$roma ") << QByteArray("Roma") << 5;
    QTest::newRow("line breaks count") << QByteArray("a\nc") << QByteArray("a\nb") << 2;
    QTest::newRow("empty answer") << QByteArray() << QByteArray("a") << 0;
}

void TestSixKey::helpOnCells()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, model);
    QFETCH(int, position);
    QCOMPARE(firstCellDifference(answer, model, demoCells()), position);
}

QTEST_GUILESS_MAIN(TestSixKey)
#include "tst_sixkey.moc"
