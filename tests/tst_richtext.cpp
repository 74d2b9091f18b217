// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/RichText.h"

#include <QRandomGenerator>
#include <QTest>

using Lines = QList<QByteArray>;

namespace {

// A field as a Windows RichEdit control saves it.
const QByteArray richEditDocument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\lang1040\\f0\\fs20 "
    "Perch\\'e8 la \\b lettera\\b0  \\u8364? costa\\tab 5\\par\r\n"
    "seconda riga\\par\r\n"
    "}";

// A longer one that passes through most of what the reader knows, for the truncation test.
const QByteArray fullDocument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "{\\stylesheet{ Normal;}{\\s1 heading 1;}}{\\info{\\author Maria}{\\title Lezione}}\r\n"
    "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\f0\\fs20 "
    "Perch\\'e8 la \\b lettera\\b0  \\u8364? costa\\tab 5\\par\r\n"
    "\\par\r\n"
    "{\\pict\\wmetafile8\\picw100\\pich100 0100090000035a00000004001000000000\r\n0500}"
    "\\ldblquote Citazione\\rdblquote\\line a capo \\{ \\\\ \\}\\par\r\n"
    "{\\*\\bkmkstart uno}\\uc2\\u8220\\'93\\'93 fine\\u8221??\\par\r\n"
    "ultima\\par\r\n"
    "}";

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

bool hasLineTerminator(const Lines &lines)
{
    for (const QByteArray &line : lines) {
        if (line.contains('\r') || line.contains('\n'))
            return true;
    }
    return false;
}

} // namespace

class TestRichText : public QObject
{
    Q_OBJECT

private slots:
    void rtf_data();
    void rtf();
    void plainText_data();
    void plainText();
    void malformed_data();
    void malformed();
    void everyTruncationIsAPrefix();
    void randomBytes();
    void deepNestingAndLongInput();
};

void TestRichText::rtf_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<Lines>("expected");

    QTest::newRow("RichEdit document")
        << richEditDocument
        << Lines{QByteArray("Perch\xe8 la lettera \x80 costa\t5"), "seconda riga"};
    QTest::newRow("final par") << QByteArray("{\\rtf1 a\\par b\\par }") << Lines{"a", "b"};
    QTest::newRow("no final par") << QByteArray("{\\rtf1 a\\par b}") << Lines{"a", "b"};
    QTest::newRow("inner empty paragraph")
        << QByteArray("{\\rtf1 a\\par\\par b\\par}") << Lines{"a", "", "b"};
    QTest::newRow("leading empty paragraph")
        << QByteArray("{\\rtf1 \\par b\\par}") << Lines{"", "b"};
    QTest::newRow("empty box") << QByteArray(
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\pard\\par}")
                               << Lines{};
    QTest::newRow("empty box without par")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\pard}") << Lines{};
    QTest::newRow("bare rtf") << QByteArray("{\\rtf1}") << Lines{};
    QTest::newRow("sect page row end paragraphs")
        << QByteArray("{\\rtf1 a\\sect b\\page c\\row d}") << Lines{"a", "b", "c", "d"};
    QTest::newRow("line ends a line")
        << QByteArray("{\\rtf1 uno\\line due\\par}") << Lines{"uno", "due"};
    QTest::newRow("backslash CR and LF are par")
        << QByteArray("{\\rtf1 a\\\rb\\\nc\\\r\nd}") << Lines{"a", "b", "c", "d"};
    QTest::newRow("raw CR LF ignored")
        << QByteArray("{\\rtf1 ab\r\ncd\re\nf\\par\r\n}") << Lines{"abcdef"};

    QTest::newRow("hex escape") << QByteArray("{\\rtf1 Perch\\'e8 \\'C0}")
                                << Lines{QByteArray("Perch\xe8 \xc0")};
    QTest::newRow("hex escape of CR LF gives no terminator")
        << QByteArray("{\\rtf1 a\\'0d\\'0ab}") << Lines{"ab"};
    QTest::newRow("unicode euro") << QByteArray("{\\rtf1 \\u8364? x}")
                                  << Lines{QByteArray("\x80 x")};
    QTest::newRow("unicode latin-1") << QByteArray("{\\rtf1 \\u232?}") << Lines{QByteArray("\xe8")};
    QTest::newRow("unicode outside cp1252") << QByteArray("{\\rtf1 a\\u1488?b}") << Lines{"a?b"};
    QTest::newRow("unicode C1 control is not a cp1252 character")
        << QByteArray("{\\rtf1 \\u128?}") << Lines{"?"};
    QTest::newRow("negative unicode")
        << QByteArray("{\\rtf1 x\\u-1?y\\u-1280?z}") << Lines{"x?y?z"};
    QTest::newRow("surrogate pair is one character")
        << QByteArray("{\\rtf1 a\\u-10179?\\u-8704?b}") << Lines{"a?b"};
    QTest::newRow("uc2 with two fallback characters")
        << QByteArray("{\\rtf1\\uc2 \\u8364EU rest}") << Lines{QByteArray("\x80 rest")};
    QTest::newRow("uc2 with hex fallbacks")
        << QByteArray("{\\rtf1\\uc2\\u8220\\'93\\'93 x\\u8221\\'94\\'94}")
        << Lines{QByteArray("\x93 x\x94")};
    QTest::newRow("uc0 has no fallback") << QByteArray("{\\rtf1\\uc0\\u8364 abc}")
                                         << Lines{QByteArray("\x80"
                                                             "abc")};
    QTest::newRow("uc is per group") << QByteArray("{\\rtf1 {\\uc2\\u8364ab}\\u8364?c}")
                                     << Lines{QByteArray("\x80\x80"
                                                         "c")};
    QTest::newRow("fallback cut by group end") << QByteArray("{\\rtf1 {\\uc3\\u8364 a}bc}")
                                               << Lines{QByteArray("\x80"
                                                                   "bc")};
    QTest::newRow("named punctuation")
        << QByteArray("{\\rtf1 \\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\endash\\emdash}")
        << Lines{bytes({0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97})};
    QTest::newRow("control symbols") << QByteArray("{\\rtf1 a\\~b\\-c\\_d\\\\e\\{f\\}}")
                                     << Lines{QByteArray("a\xa0"
                                                         "bc-d\\e{f}")};
    QTest::newRow("tab") << QByteArray("{\\rtf1 a\\tab b\\tab\\tab c}") << Lines{"a\tb\t\tc"};

    QTest::newRow("one blank delimits a control word")
        << QByteArray("{\\rtf1 \\b bold\\b0  spaced}") << Lines{"bold spaced"};
    QTest::newRow("parameter ends at non digit")
        << QByteArray("{\\rtf1 \\fs20x\\li-360y\\fi-z}") << Lines{"xy-z"};
    QTest::newRow("text after the document") << QByteArray("{\\rtf1 a}b\\par c") << Lines{"a"};

    QTest::newRow("skipped tables")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}"
                      "{\\stylesheet{\\s0 Normal;}}{\\info{\\author A}{\\title T}}x}")
        << Lines{"x"};
    QTest::newRow("nested ignorable destination")
        << QByteArray("{\\rtf1 a{\\*\\unknown {\\inner text}{\\*\\deeper more}tail}b}")
        << Lines{"ab"};
    QTest::newRow("picture with hex data")
        << QByteArray("{\\rtf1 a{\\pict\\wmetafile8\\picw10\\pich10 0100\r\n09ff\\par}b}")
        << Lines{"ab"};
    QTest::newRow("picture with binary data")
        << QByteArray("{\\rtf1 a{\\pict\\bin4 }}{\\}b}") << Lines{"ab"};
    QTest::newRow("object") << QByteArray("{\\rtf1 a{\\object{\\*\\objdata 0102}}b}")
                            << Lines{"ab"};
    QTest::newRow("header and footer")
        << QByteArray("{\\rtf1{\\header Intestazione\\par}{\\footerr Pie\\par}corpo\\par}")
        << Lines{"corpo"};
    QTest::newRow("field shows its result")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}")
        << Lines{"link"};
    QTest::newRow("plain group text is kept")
        << QByteArray("{\\rtf1 a{\\b b}{{c}}d}") << Lines{"abcd"};
}

void TestRichText::rtf()
{
    QFETCH(QByteArray, input);
    QFETCH(Lines, expected);
    QCOMPARE(richTextLines(input), expected);
}

void TestRichText::plainText_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<Lines>("expected");

    QTest::newRow("empty") << QByteArray() << Lines{};
    QTest::newRow("one line") << QByteArray("abc") << Lines{"abc"};
    QTest::newRow("CR LF") << QByteArray("a\r\nb") << Lines{"a", "b"};
    QTest::newRow("CR") << QByteArray("a\rb") << Lines{"a", "b"};
    QTest::newRow("LF") << QByteArray("a\nb") << Lines{"a", "b"};
    QTest::newRow("final break") << QByteArray("a\r\nb\r\n") << Lines{"a", "b"};
    QTest::newRow("empty lines kept") << QByteArray("a\n\nb\n\n") << Lines{"a", "", "b", ""};
    QTest::newRow("lone break") << QByteArray("\n") << Lines{""};
    QTest::newRow("CR then CR LF") << QByteArray("a\r\r\nb") << Lines{"a", "", "b"};
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << Lines{"a", "", "b"};
    QTest::newRow("cp1252 bytes as they are")
        << QByteArray("Perch\xe8 \x80\\par") << Lines{QByteArray("Perch\xe8 \x80\\par")};
    QTest::newRow("almost rtf") << QByteArray("{\\rt a\\par b") << Lines{"{\\rt a\\par b"};
    QTest::newRow("rtf not at the start") << QByteArray(" {\\rtf1 a}") << Lines{" {\\rtf1 a}"};
}

void TestRichText::plainText()
{
    QFETCH(QByteArray, input);
    QFETCH(Lines, expected);
    QCOMPARE(richTextLines(input), expected);
}

void TestRichText::malformed_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<Lines>("expected");

    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 {a}}}}b") << Lines{"a"};
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 {{{a\\par b") << Lines{"a", "b"};
    QTest::newRow("huge unicode") << QByteArray("{\\rtf1 \\u99999999999999999999?x}")
                                  << Lines{"?x"};
    QTest::newRow("huge negative unicode")
        << QByteArray("{\\rtf1 \\u-99999999999999999999?x}") << Lines{"?x"};
    QTest::newRow("negative uc means none")
        << QByteArray("{\\rtf1 \\uc-5\\u8364?}") << Lines{QByteArray("\x80?")};
    QTest::newRow("huge uc ends with its group")
        << QByteArray("{\\rtf1 {\\uc999999999\\u8364 abc\\par def}ghi}")
        << Lines{QByteArray("\x80"
                            "ghi")};
    QTest::newRow("huge uc beyond the limit")
        << QByteArray("{\\rtf1 {\\uc99999999999999999999999\\u8364 abc}ghi}")
        << Lines{QByteArray("\x80"
                            "ghi")};
    QTest::newRow("huge bin length")
        << QByteArray("{\\rtf1 a\\bin99999999999999999999 xyz}") << Lines{"a"};
    QTest::newRow("negative bin length") << QByteArray("{\\rtf1 a\\bin-5 xyz}") << Lines{"axyz"};
    QTest::newRow("NUL bytes") << QByteArray("{\\rtf1 a\0b\\par\0}", 16)
                               << Lines{QByteArray("a\0b", 3), QByteArray("\0", 1)};
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << Lines{"a"};
    QTest::newRow("hex escape at the end") << QByteArray("{\\rtf1 a\\'") << Lines{"a"};
    QTest::newRow("hex escape cut after one digit") << QByteArray("{\\rtf1 a\\'e") << Lines{"a"};
    QTest::newRow("hex escape with non hex digits")
        << QByteArray("{\\rtf1 a\\'zzb\\'4g}") << Lines{"azzb4g"};
    QTest::newRow("control word cut at the end") << QByteArray("{\\rtf1 a\\u8364") << Lines{"a"};
    QTest::newRow("destination at the outermost level does not hide the text")
        << QByteArray("{\\rtf1\\*\\pict a}") << Lines{"a"};
    QTest::newRow("unknown control symbol")
        << QByteArray("{\\rtf1 a\\|b\\:c\\9d}") << Lines{"abcd"};
}

void TestRichText::malformed()
{
    QFETCH(QByteArray, input);
    QFETCH(Lines, expected);
    const Lines lines = richTextLines(input);
    QCOMPARE(lines, expected);
    QVERIFY(!hasLineTerminator(lines));
}

void TestRichText::everyTruncationIsAPrefix()
{
    const Lines full = richTextLines(fullDocument);
    const Lines expected{
        QByteArray("Perch\xe8 la lettera \x80 costa\t5"),
        "",
        "\x93"
        "Citazione\x94",
        "a capo { \\ }",
        "\x93 fine\x94",
        "ultima",
    };
    QCOMPARE(full, expected);

    // Shorter prefixes lack the RTF signature and are plain text.
    for (qsizetype length = qstrlen("{\\rtf"); length <= fullDocument.size(); ++length) {
        const Lines lines = richTextLines(fullDocument.left(length));
        const QByteArray where = "length " + QByteArray::number(length);
        QVERIFY2(lines.size() <= full.size(), where.constData());
        QVERIFY2(!hasLineTerminator(lines), where.constData());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i + 1 < lines.size())
                QVERIFY2(lines.at(i) == full.at(i), where.constData());
            else
                QVERIFY2(full.at(i).startsWith(lines.at(i)), where.constData());
        }
    }
}

void TestRichText::randomBytes()
{
    // Mostly the characters that steer the reader, so the inputs reach deep into it.
    static const char alphabet[] = "{}\\\\\\'*uc0123456789-? \r\nparlinetbpicfonttbl\x80\xe8";
    QRandomGenerator random(20240601);
    for (int round = 0; round < 3000; ++round) {
        QByteArray input = round % 2 ? QByteArray("{\\rtf1 ") : QByteArray();
        const int length = random.bounded(400);
        for (int i = 0; i < length; ++i) {
            input.append(round % 3 == 0 ? char(random.bounded(256))
                                        : alphabet[random.bounded(int(sizeof alphabet) - 1)]);
        }
        const Lines lines = richTextLines(input);
        QVERIFY2(!hasLineTerminator(lines), input.toHex().constData());
    }
}

void TestRichText::deepNestingAndLongInput()
{
    constexpr int depth = 200000;
    QByteArray nested = "{\\rtf1 ";
    nested += QByteArray(depth, '{') + "{\\*\\hidden text}x" + QByteArray(depth, '}') + "y\\par}";
    QCOMPARE(richTextLines(nested), Lines{"xy"});

    QByteArray unclosed = "{\\rtf1 " + QByteArray(depth, '{') + "z";
    QCOMPARE(richTextLines(unclosed), Lines{"z"});

    // Would take minutes if any step were quadratic.
    QByteArray longInput = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i)
        longInput += "\\'e8\\u8364?{\\b x}\\par";
    longInput += "}";
    const Lines lines = richTextLines(longInput);
    QCOMPARE(lines.size(), 100000);
    QCOMPARE(lines.last(), QByteArray("\xe8\x80x"));

    const QByteArray plain = QByteArray(1000000, 'a') + "\r\n" + QByteArray(1000000, 'b');
    QCOMPARE(richTextLines(plain).size(), 2);
}

QTEST_APPLESS_MAIN(TestRichText)
#include "tst_richtext.moc"
