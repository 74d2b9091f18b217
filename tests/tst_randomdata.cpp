// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/Fakes.h"
#include "rules/RandomRules.h"

#include <QSet>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<qint32>)

// The rules of the random-data generators, without a window.
class TestRandomData : public QObject
{
    Q_OBJECT
private slots:
    void wholeNumber_data();
    void wholeNumber();
    void drawnText();
    void numberStyle_data();
    void numberStyle();
    void arithmetic_data();
    void arithmetic();
    void arithmeticStopsAtAnUnreadableText_data();
    void arithmeticStopsAtAnUnreadableText();
};

void TestRandomData::wholeNumber_data()
{
    using Value = std::optional<qint32>;
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Value>("value");
    QTest::newRow("plus") << QByteArray("+3") << Value(3);
    QTest::newRow("plus and minus") << QByteArray("+-3") << Value();
    QTest::newRow("leading blanks") << QByteArray("  \t7") << Value(7);
    QTest::newRow("minus") << QByteArray("-12") << Value(-12);
    QTest::newRow("smallest") << QByteArray("-2147483648") << Value(-2147483647 - 1);
    QTest::newRow("just too large") << QByteArray("2147483648") << Value();
    QTest::newRow("ten digits ascending") << QByteArray("0123456789") << Value(123456789);
    QTest::newRow("ten digits descending") << QByteArray("9876543210") << Value();
    QTest::newRow("empty") << QByteArray() << Value();
    QTest::newRow("stray letter") << QByteArray("12a") << Value();
    QTest::newRow("dollar hex") << QByteArray("$ff") << Value(255);
    QTest::newRow("x hex") << QByteArray("x1F") << Value(31);
    QTest::newRow("0x hex") << QByteArray(" 0x10") << Value(16);
    QTest::newRow("hex fills 32 bits") << QByteArray("$FFFFFFFF") << Value(-1);
    QTest::newRow("hex over 32 bits") << QByteArray("$100000000") << Value();
}

void TestRandomData::wholeNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(std::optional<qint32>, value);
    QCOMPARE(readWholeNumber(text), value);
}

void TestRandomData::drawnText()
{
    FakeRandom random;
    random.queued = {2, 0, 2, 1};
    QCOMPARE(DrawRandomText("abc", 4, random), QByteArray("cacb"));
    QCOMPARE(DrawRandomText("abc", -3, random), QByteArray());
    QCOMPARE(DrawRandomText(QByteArray(), 5, random), QByteArray());
    // With replacement, every character reachable, the last one included, and no other.
    const QByteArray drawn = DrawRandomText("xyz", 300, random);
    QCOMPARE(QSet<char>(drawn.begin(), drawn.end()), QSet<char>({'x', 'y', 'z'}));
}

void TestRandomData::numberStyle_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("two groups") << 1234567.891 << 2 << QByteArray("1.234.567,89");
    QTest::newRow("decimal half up") << 1.45 << 1 << QByteArray("1,5");
    QTest::newRow("half away from zero") << -0.125 << 2 << QByteArray("-0,13");
    QTest::newRow("carry into a new group") << 999.5 << 0 << QByteArray("1.000");
    QTest::newRow("small rounds to zero") << -0.004 << 2 << QByteArray("0,00");
    QTest::newRow("more decimals than digits") << 0.5 << 20 << "0,5" + QByteArray(19, '0');
}

void TestRandomData::numberStyle()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QByteArray, text);
    // The values stand for decimal numbers read from text, as the generator reads them.
    const std::optional<long double> read =
        readDecimalNumber(QByteArray::number(value, 'f', 6).replace('.', ','));
    QVERIFY(read);
    QCOMPARE(FormatNumber(*read, decimals), text);
}

void TestRandomData::arithmetic_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QList<int>>("drawings"); // digit positions, then the comma's place - 2
    QTest::addColumn<QByteArray>("print");
    QTest::addColumn<QByteArray>("braille");
    const QByteArray ten = "0123456789";
    QTest::newRow("number") << ten << 3 << false << 0 << QList<int>{4, 0, 7} << QByteArray("407")
                            << QByteArray("#djg");
    QTest::newRow("grouped number") << ten << 5 << false << 0 << QList<int>{1, 2, 3, 4, 5}
                                    << QByteArray("12.345") << QByteArray("#ab.cde");
    QTest::newRow("sum") << ten << 3 << false << 1 << QList<int>{4, 0, 7, 0, 5, 2}
                         << QByteArray("407+52=459") << QByteArray("#djg+#eb=#dei");
    QTest::newRow("sum with commas")
        << ten << 4 << true << 1 << QList<int>{3, 8, 1, 7, 1, 5, 0, 2, 4, 0}
        << QByteArray("38,70+5,24=43,94") << QByteArray("#ch,gj+#e,bd=#dc,id");
    QTest::newRow("negative difference") << ten << 2 << false << 2 << QList<int>{1, 2, 5, 7}
                                         << QByteArray("12-57=-45") << QByteArray("#ab-#eg=#-de");
    QTest::newRow("division by zero") << ten << 1 << false << 4 << QList<int>{7, 0}
                                      << QByteArray("7:0=1") << QByteArray("#g/#j=#a");
    QTest::newRow("product rounded to the second number")
        << ten << 4 << true << 3 << QList<int>{1, 2, 5, 8, 0, 3, 0, 0, 5, 1}
        << QByteArray("1,6x30,5=48,2") << QByteArray("#a,f(#cj,e=#dh,b");
    QTest::newRow("comma always second of three") << ten << 3 << true << 0 << QList<int>{4, 0, 7, 5}
                                                  << QByteArray("4,7") << QByteArray("#d,g");
    QTest::newRow("comma last of two")
        << ten << 2 << true << 0 << QList<int>{5, 7} << QByteArray("5") << QByteArray("#e");
    QTest::newRow("two digits: no comma, n decimals")
        << QByteArray("01") << 2 << true << 0 << QList<int>{1, 0} << QByteArray("10,00")
        << QByteArray("#aj,jj");
    QTest::newRow("one digit: no comma")
        << QByteArray("7") << 1 << true << 1 << QList<int>{0, 0} << QByteArray("7,0+7,0=14,0")
        << QByteArray("#g,j+#g,j=#ad,j");
    QTest::newRow("length 1: no place for the comma")
        << ten << 1 << true << 0 << QList<int>{7} << QByteArray("7,0") << QByteArray("#g,j");
}

void TestRandomData::arithmetic()
{
    QFETCH(QByteArray, digits);
    QFETCH(int, length);
    QFETCH(bool, comma);
    QFETCH(int, operation);
    QFETCH(QList<int>, drawings);
    QFETCH(QByteArray, print);
    QFETCH(QByteArray, braille);
    FakeRandom random;
    random.queued = drawings;
    const ArithmeticData data = GenerateArithmetic({digits, length, 1, comma, operation}, random);
    QVERIFY(!data.stopped);
    QCOMPARE(data.items.size(), 1);
    QCOMPARE(data.items[0].print, print);
    QCOMPARE(data.items[0].braille, braille);
    QVERIFY(random.queued.isEmpty()); // every drawing was used, no more
}

void TestRandomData::arithmeticStopsAtAnUnreadableText_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QList<int>>("drawings");
    QTest::addColumn<int>("made");
    QTest::addColumn<QByteArray>("unreadable");
    QTest::newRow("sign in the set, second pass")
        << QByteArray("-12") << 2 << 0 << QList<int>{1, 2, 1, 0} << 1 << QByteArray("1-");
    QTest::newRow("length 0 with an operation")
        << QByteArray("0123") << 0 << 2 << QList<int>{} << 0 << QByteArray();
}

void TestRandomData::arithmeticStopsAtAnUnreadableText()
{
    QFETCH(QByteArray, digits);
    QFETCH(int, length);
    QFETCH(int, operation);
    QFETCH(QList<int>, drawings);
    QFETCH(int, made);
    QFETCH(QByteArray, unreadable);
    FakeRandom random;
    random.queued = drawings;
    const ArithmeticData data = GenerateArithmetic({digits, length, 3, false, operation}, random);
    QVERIFY(data.stopped);
    QCOMPARE(data.items.size(), made);
    QCOMPARE(data.unreadable, unreadable);
}

QTEST_GUILESS_MAIN(TestRandomData)
#include "tst_randomdata.moc"
