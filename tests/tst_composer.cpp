// SPDX-License-Identifier: GPL-3.0-or-later
// The page composer of Tdm: the page header, each appending operation, whole pages as the
// exercise windows build them, where the page file goes, and the answer normaliser.

#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "fakes/MemoryTable.h"
#include "rules/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QByteArray blanks(int count)
{
    return QByteArray(count, ' ');
}

// The 25 lines of the head of every exercise page, as the course's pages carry them.
QList<QByteArray> documentedHeaderLines()
{
    return {
        "<HTML><HEAD><TITLE></TITLE>",
        blanks(24) + "<meta http-equiv=\"Content-Type\" content=\"text/html;",
        "charset=windows-1252\">",
        blanks(24) + "<style type=\"text/css\">",
        blanks(24) + "<!--",
        ".testo {  font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 16px; color: "
        "#000000}",
        ".titoli2 {  font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 18px;  color: "
        "#FF0000}",
        ".titoli1 {  font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 18px; color: "
        "#008000}",
        ".titoli3 {  font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 18px; color: "
        "#0000FF}",
        ".titoli4 {  font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 18px; color: "
        "#000000}",
        "",
        "",
        ".braille2 {  font-family: \"tvpZEV Braille 6\"; font-size: 34px; color: #FF0000}",
        ".braille1 {  font-family: \"tvpZEV Braille 6\"; font-size: 34px; color: #008000}",
        ".braille3 {  font-family: \"tvpZEV Braille 6\"; font-size: 34px; color: #0000FF}",
        ".braille4 {  font-family: \"tvpZEV Braille 6\"; font-size: 34px; color: #000000}",
        "",
        ".musica2 {  font-family: \"tvpDaduvo Test\"; font-size: 48px; color: #FF0000}",
        ".musica1 {  font-family: \"tvpDaduvo Test\"; font-size: 48px; color: #008000}",
        ".musica3 {  font-family: \"tvpDaduvo Test\"; font-size: 48px; color: #0000FF}",
        ".musica4 {  font-family: \"tvpDaduvo Test\"; font-size: 48px; color: #000000}",
        blanks(25) + "-->",
        blanks(25) + "</style>",
        blanks(25) + "</HEAD><BODY BACKGROUND=",
        " ",
    };
}

// What follows the header in a page; null when the page does not begin with the header.
// A line break after the header's last line is allowed: the page reads the same.
QByteArray afterHeader(const QByteArray &page)
{
    const QByteArray head = documentedHeaderLines().join("\r\n");
    if (!page.startsWith(head))
        return {};
    QByteArray rest = page.mid(head.size());
    if (rest.startsWith("\r\n"))
        rest.remove(0, 2);
    return rest;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestComposer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void headerLines_data();
    void headerLines();
    void beginPageSetsTheBackground();
    void operations_data();
    void operations();

    void pages_data();
    void pages();
    void twoBuildsLeaveTheSecond();
    void beginPageDropsAnUnfinishedBuild();
    void pageGoesToTheUserFolderWhenContentIsReadOnly();
    void unwritablePageThrowsAndKeepsTheBuffer();

    void normalizeAnswer_data();
    void normalizeAnswer();
    void randomMode_data();
    void randomMode();

private:
    QByteArray dir() const { return state().ContentDir.toLatin1(); }
    QString contentPage() const { return QDir(state().ContentDir).filePath(QStringLiteral("tvp.htm")); }
    QString userPage() const;
    void openRecord(const MemoryTable &table);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Tdm> m_dm;
};

void TestComposer::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestComposer::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    state().ContentDir = m_dir->path();
    m_dm = std::make_unique<Tdm>();
    dm = m_dm.get();
    openRecord(
        MemoryTable().add({{"Lezione", 5}, {"Cat_eser", 4}, {"T_eser", 103}, {"eser_nr", 7}}));
}

void TestComposer::cleanup()
{
    dm = nullptr;
    m_dm.reset();
    m_dir.reset();
    const QString own = userPage();
    QFileInfo info(own);
    if (info.isDir())
        QDir(own).removeRecursively();
    else if (info.exists())
        QFile::remove(own);
}

QString TestComposer::userPage() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
           + QStringLiteral("/tvp.htm");
}

void TestComposer::openRecord(const MemoryTable &table)
{
    dm->Table1.close();
    dm->Table1.setOpener(table.opener());
    dm->Table1.setTableName(QStringLiteral("x"));
    dm->Table1.open();
}

void TestComposer::headerLines_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("expected");
    const QList<QByteArray> lines = documentedHeaderLines();
    QCOMPARE(lines.size(), 25);
    for (int i = 0; i < lines.size(); ++i)
        QTest::addRow("line %d", i + 1) << i + 1 << lines[i];
}

void TestComposer::headerLines()
{
    QFETCH(int, line);
    QFETCH(QByteArray, expected);
    dm->BeginPage();
    const QList<QByteArray> lines = dm->PageBuffer.split('\n');
    QVERIFY(lines.size() >= 25);
    // Every line up to the 24th ends with CR LF.
    for (int i = 0; i < 24; ++i)
        QVERIFY2(lines[i].endsWith('\r'), qPrintable(QStringLiteral("line %1").arg(i + 1)));
    QByteArray actual = lines[line - 1];
    if (line < 25) {
        actual.chop(1);
        QCOMPARE(actual, expected);
    } else {
        // The single blank, then the background value on the same line or the next.
        QVERIFY2(actual == " \r" || actual.startsWith(" \""), actual.constData());
    }
}

void TestComposer::beginPageSetsTheBackground()
{
    dm->BeginPage();
    QCOMPARE(afterHeader(dm->PageBuffer), "\"" + dir() + "\\img\\Image202.jpg\">");
}

void TestComposer::operations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("category");
    QTest::addColumn<QByteArray>("expected"); // %DIR% is the content folder

    QTest::newRow("OpenTitle 1") << "OpenTitle" << 1 << QByteArray("<b><font class=\"titoli1\" >");
    QTest::newRow("OpenTitle 2") << "OpenTitle" << 2 << QByteArray("<b><font class=\"titoli2\" >");
    QTest::newRow("OpenTitle 3") << "OpenTitle" << 3 << QByteArray("<b><font class=\"titoli3\" >");
    QTest::newRow("OpenTitle 4") << "OpenTitle" << 4 << QByteArray("<b><font class=\"titoli4\" >");
    QTest::newRow("OpenText 1") << "OpenText" << 1 << QByteArray("<font class=\"titoli1\" >");
    QTest::newRow("OpenText 2") << "OpenText" << 2 << QByteArray("<font class=\"titoli2\" >");
    QTest::newRow("OpenText 3") << "OpenText" << 3 << QByteArray("<font class=\"titoli3\" >");
    QTest::newRow("OpenText 4") << "OpenText" << 4 << QByteArray("<font class=\"titoli4\" >");
    QTest::newRow("OpenBraille 1")
        << "OpenBraille" << 1 << QByteArray("<font class=\"braille1\" >");
    QTest::newRow("OpenBraille 2")
        << "OpenBraille" << 2 << QByteArray("<font class=\"braille2\" >");
    QTest::newRow("OpenBraille 3")
        << "OpenBraille" << 3 << QByteArray("<font class=\"braille3\" >");
    QTest::newRow("OpenBraille 4")
        << "OpenBraille" << 4 << QByteArray("<font class=\"braille4\" >");
    QTest::newRow("OpenMusic 1") << "OpenMusic" << 1 << QByteArray("<font class=\"musica1\" >");
    QTest::newRow("OpenMusic 2") << "OpenMusic" << 2 << QByteArray("<font class=\"musica2\" >");
    QTest::newRow("OpenMusic 3") << "OpenMusic" << 3 << QByteArray("<font class=\"musica3\" >");
    QTest::newRow("OpenMusic 4") << "OpenMusic" << 4 << QByteArray("<font class=\"musica4\" >");
    QTest::newRow("OpenMusicCell 1")
        << "OpenMusicCell" << 1
        << QByteArray("<td valign=\"middle\" align=\"center\" class=\"musica1\" nowrap>");
    QTest::newRow("OpenMusicCell 2")
        << "OpenMusicCell" << 2
        << QByteArray("<td valign=\"middle\" align=\"center\" class=\"musica2\" nowrap>");
    QTest::newRow("OpenMusicCell 3")
        << "OpenMusicCell" << 3
        << QByteArray("<td valign=\"middle\" align=\"center\" class=\"musica3\" nowrap>");
    QTest::newRow("OpenMusicCell 4")
        << "OpenMusicCell" << 4
        << QByteArray("<td valign=\"middle\" align=\"center\" class=\"musica4\" nowrap>");
    QTest::newRow("CloseTitle")
        << "CloseTitle" << 0
        << QByteArray("</b></font><br><center><img src=\"%DIR%\\img\\colorbar.gif\"></center><br>");
    QTest::newRow("WriteColorBar")
        << "WriteColorBar" << 0
        << QByteArray("<br><center><img src=\"%DIR%\\img\\colorbar.gif\"></center><br>");
    QTest::newRow("WriteQuestionImage")
        << "WriteQuestionImage" << 0 << QByteArray("<img src=\"%DIR%\\imgex\\b\\5\\103\\7.bmp\">");
    QTest::newRow("WritePictureChoices 1")
        << "WritePictureChoices" << 1
        << QByteArray("</p><p><font class=\"titoli1\">SELEZIONA LA RISPOSTA CORRETTA</font></p>"
                      "<div align=\"left\"><table border=\"1\" width=\"660\" height=\"220\" "
                      "class=\"titoli1\"><tr>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 1</td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 2</td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 3</td><tr>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">"
                      "<img src=\"%DIR%\\imgex\\b\\5\\103\\7a.bmp\"></td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">"
                      "<img src=\"%DIR%\\imgex\\b\\5\\103\\7b.bmp\"></td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">"
                      "<img src=\"%DIR%\\imgex\\b\\5\\103\\7c.bmp\"></td>"
                      "</tr></table></div>");
    QTest::newRow("WritePictureChoices 4")
        << "WritePictureChoices" << 4
        << QByteArray("</p><p><font class=\"titoli4\">SELEZIONA LA RISPOSTA CORRETTA</font></p>"
                      "<div align=\"left\"><table border=\"1\" width=\"660\" height=\"220\" "
                      "class=\"titoli4\"><tr>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 1</td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 2</td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 3</td><tr>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">"
                      "<img src=\"%DIR%\\imgex\\b\\5\\103\\7a.bmp\"></td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">"
                      "<img src=\"%DIR%\\imgex\\b\\5\\103\\7b.bmp\"></td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">"
                      "<img src=\"%DIR%\\imgex\\b\\5\\103\\7c.bmp\"></td>"
                      "</tr></table></div>");
    QTest::newRow("WriteAnswerTableHead 2")
        << "WriteAnswerTableHead" << 2
        << QByteArray("</p><p><font class=\"titoli2\" >SELEZIONA LA RISPOSTA CORRETTA</font></p>"
                      "<font class=\"titoli2\"><div align=\"left\"><table border=\"1\" "
                      "cellpadding=\"5\"><tr>"
                      "<td valign=\"middle\" align=\"center\" class=\"titoli2\">Risposta 1</td>"
                      "<td valign=\"middle\" align=\"center\" class=\"titoli2\">Risposta 2</td>"
                      "<td valign=\"middle\" align=\"center\" class=\"titoli2\">Risposta 3</td>"
                      "</tr><tr>");
    QTest::newRow("WriteAnswerTableHead 4")
        << "WriteAnswerTableHead" << 4
        << QByteArray("</p><p><font class=\"titoli4\" >SELEZIONA LA RISPOSTA CORRETTA</font></p>"
                      "<font class=\"titoli4\"><div align=\"left\"><table border=\"1\" "
                      "cellpadding=\"5\"><tr>"
                      "<td valign=\"middle\" align=\"center\" class=\"titoli4\">Risposta 1</td>"
                      "<td valign=\"middle\" align=\"center\" class=\"titoli4\">Risposta 2</td>"
                      "<td valign=\"middle\" align=\"center\" class=\"titoli4\">Risposta 3</td>"
                      "</tr><tr>");
}

void TestComposer::operations()
{
    QFETCH(QString, operation);
    QFETCH(int, category);
    QFETCH(QByteArray, expected);
    expected.replace("%DIR%", dir());

    // Each operation appends to what the page holds so far.
    dm->PageBuffer = "earlier";
    if (operation == "OpenTitle")
        dm->OpenTitle(category);
    else if (operation == "OpenText")
        dm->OpenText(category);
    else if (operation == "OpenBraille")
        dm->OpenBraille(category);
    else if (operation == "OpenMusic")
        dm->OpenMusic(category);
    else if (operation == "OpenMusicCell")
        dm->OpenMusicCell(category);
    else if (operation == "CloseTitle")
        dm->CloseTitle();
    else if (operation == "WriteColorBar")
        dm->WriteColorBar();
    else if (operation == "WriteQuestionImage")
        dm->WriteQuestionImage();
    else if (operation == "WritePictureChoices")
        dm->WritePictureChoices(category);
    else if (operation == "WriteAnswerTableHead")
        dm->WriteAnswerTableHead(category);
    else
        QFAIL("unknown operation");
    QCOMPARE(dm->PageBuffer, "earlier" + expected);
}

// A page build as an exercise window runs it. Steps: an operation name with its category
// ("OpenTitle 3"), "line <text>" for a hidden-box line (written, then <br>), or
// "text <text>" for text written as it stands.
void TestComposer::pages_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("expected"); // the page after the header; %DIR% as above

    QTest::newRow("type 0, category 3")
        << QStringList{"BeginPage",  "OpenTitle 3", "line Leggi la parola",
                       "CloseTitle", "OpenText 3",  "line abc",
                       "FinishPage"}
        << QByteArray("\"%DIR%\\img\\Image202.jpg\">"
                      "<b><font class=\"titoli3\" >Leggi la parola<br></b></font><br>"
                      "<center><img src=\"%DIR%\\img\\colorbar.gif\"></center><br>"
                      "<font class=\"titoli3\" >abc<br></font></BODY></HTML>");
    QTest::newRow("title without lines, category 2")
        << QStringList{"BeginPage",  "OpenTitle 2", "CloseTitle",
                       "OpenText 2", "line x",      "FinishPage"}
        << QByteArray("\"%DIR%\\img\\Image202.jpg\">"
                      "<b><font class=\"titoli2\" ></b></font><br>"
                      "<center><img src=\"%DIR%\\img\\colorbar.gif\"></center><br>"
                      "<font class=\"titoli2\" >x<br></font></BODY></HTML>");
    QTest::newRow("type 1 with two lines, category 1")
        << QStringList{"BeginPage",     "OpenTitle 1", "line Scrivi", "CloseTitle",
                       "OpenBraille 1", "line ab",     "line cd",     "FinishPage"}
        << QByteArray("\"%DIR%\\img\\Image202.jpg\">"
                      "<b><font class=\"titoli1\" >Scrivi<br></b></font><br>"
                      "<center><img src=\"%DIR%\\img\\colorbar.gif\"></center><br>"
                      "<font class=\"braille1\" >ab<br>cd<br></font></BODY></HTML>");
    QTest::newRow("type 2, markup characters unchanged")
        << QStringList{"BeginPage", "OpenTitle 4", "line a < b & c", "line <i>&amp;", "FinishPage"}
        << QByteArray("\"%DIR%\\img\\Image202.jpg\">"
                      "<b><font class=\"titoli4\" >a < b & c<br><i>&amp;<br>"
                      "</font></BODY></HTML>");
    QTest::newRow("type 103, category 4")
        << QStringList{"BeginPage",     "OpenTitle 4",           "line Quanto fa?",
                       "CloseTitle",    "OpenBraille 4",         "line #a+#b",
                       "WriteColorBar", "WritePictureChoices 4", "FinishPage"}
        << QByteArray("\"%DIR%\\img\\Image202.jpg\">"
                      "<b><font class=\"titoli4\" >Quanto fa?<br></b></font><br>"
                      "<center><img src=\"%DIR%\\img\\colorbar.gif\"></center><br>"
                      "<font class=\"braille4\" >#a+#b<br>"
                      "<br><center><img src=\"%DIR%\\img\\colorbar.gif\"></center><br>"
                      "</p><p><font class=\"titoli4\">SELEZIONA LA RISPOSTA CORRETTA</font></p>"
                      "<div align=\"left\"><table border=\"1\" width=\"660\" height=\"220\" "
                      "class=\"titoli4\"><tr>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 1</td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 2</td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">Risposta 3</td><tr>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">"
                      "<img src=\"%DIR%\\imgex\\b\\5\\103\\7a.bmp\"></td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">"
                      "<img src=\"%DIR%\\imgex\\b\\5\\103\\7b.bmp\"></td>"
                      "<td width=\"220\" valign=\"middle\" align=\"center\">"
                      "<img src=\"%DIR%\\imgex\\b\\5\\103\\7c.bmp\"></td>"
                      "</tr></table></div>"
                      "</font></BODY></HTML>");
    QTest::newRow("type 104, category 3")
        << QStringList{"BeginPage",  "OpenTitle 3",        "line Guarda", "CloseTitle",
                       "OpenText 3", "WriteQuestionImage", "FinishPage"}
        << QByteArray("\"%DIR%\\img\\Image202.jpg\">"
                      "<b><font class=\"titoli3\" >Guarda<br></b></font><br>"
                      "<center><img src=\"%DIR%\\img\\colorbar.gif\"></center><br>"
                      "<font class=\"titoli3\" ><img src=\"%DIR%\\imgex\\b\\5\\103\\7.bmp\">"
                      "</font></BODY></HTML>");
    QTest::newRow("type 201, category 2")
        << QStringList{"BeginPage",       "OpenTitle 2",
                       "line Ascolta",    "CloseTitle",
                       "OpenBraille 2",   "line q",
                       "WriteColorBar",   "WriteAnswerTableHead 2",
                       "OpenMusicCell 2", "line m1",
                       "text </td>",      "OpenMusicCell 2",
                       "line m2",         "text </td>",
                       "OpenMusicCell 2", "line m3",
                       "text </td>",      "text </tr></table></div>",
                       "FinishPage"}
        << QByteArray("\"%DIR%\\img\\Image202.jpg\">"
                      "<b><font class=\"titoli2\" >Ascolta<br></b></font><br>"
                      "<center><img src=\"%DIR%\\img\\colorbar.gif\"></center><br>"
                      "<font class=\"braille2\" >q<br>"
                      "<br><center><img src=\"%DIR%\\img\\colorbar.gif\"></center><br>"
                      "</p><p><font class=\"titoli2\" >SELEZIONA LA RISPOSTA CORRETTA</font></p>"
                      "<font class=\"titoli2\"><div align=\"left\"><table border=\"1\" "
                      "cellpadding=\"5\"><tr>"
                      "<td valign=\"middle\" align=\"center\" class=\"titoli2\">Risposta 1</td>"
                      "<td valign=\"middle\" align=\"center\" class=\"titoli2\">Risposta 2</td>"
                      "<td valign=\"middle\" align=\"center\" class=\"titoli2\">Risposta 3</td>"
                      "</tr><tr>"
                      "<td valign=\"middle\" align=\"center\" class=\"musica2\" nowrap>m1<br></td>"
                      "<td valign=\"middle\" align=\"center\" class=\"musica2\" nowrap>m2<br></td>"
                      "<td valign=\"middle\" align=\"center\" class=\"musica2\" nowrap>m3<br></td>"
                      "</tr></table></div>"
                      "</font></BODY></HTML>");
}

namespace {

void runSteps(const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString name = step.section(QLatin1Char(' '), 0, 0);
        const QString rest = step.section(QLatin1Char(' '), 1);
        if (name == "line") {
            dm->WriteText(rest.toLatin1());
            dm->WriteText("<br>");
        } else if (name == "text") {
            dm->WriteText(rest.toLatin1());
        } else if (name == "BeginPage") {
            dm->BeginPage();
        } else if (name == "OpenTitle") {
            dm->OpenTitle(rest.toInt());
        } else if (name == "CloseTitle") {
            dm->CloseTitle();
        } else if (name == "OpenText") {
            dm->OpenText(rest.toInt());
        } else if (name == "OpenBraille") {
            dm->OpenBraille(rest.toInt());
        } else if (name == "OpenMusicCell") {
            dm->OpenMusicCell(rest.toInt());
        } else if (name == "WriteQuestionImage") {
            dm->WriteQuestionImage();
        } else if (name == "WriteColorBar") {
            dm->WriteColorBar();
        } else if (name == "WritePictureChoices") {
            dm->WritePictureChoices(rest.toInt());
        } else if (name == "WriteAnswerTableHead") {
            dm->WriteAnswerTableHead(rest.toInt());
        } else if (name == "FinishPage") {
            dm->FinishPage();
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
}

} // namespace

void TestComposer::pages()
{
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, expected);
    expected.replace("%DIR%", dir());

    runSteps(steps);
    QVERIFY(dm->PageBuffer.isEmpty());
    QCOMPARE(dm->PageFile(), contentPage());
    const QByteArray page = readAll(contentPage());
    QCOMPARE(afterHeader(page), expected);
}

void TestComposer::twoBuildsLeaveTheSecond()
{
    runSteps({"BeginPage", "OpenTitle 1", "line prima pagina, piu' lunga della seconda",
              "CloseTitle", "OpenText 1", "line uno", "FinishPage"});
    runSteps({"BeginPage", "OpenTitle 2", "line due", "FinishPage"});
    QCOMPARE(afterHeader(readAll(contentPage())),
             "\"" + dir()
                 + "\\img\\Image202.jpg\">"
                   "<b><font class=\"titoli2\" >due<br></font></BODY></HTML>");
}

void TestComposer::beginPageDropsAnUnfinishedBuild()
{
    runSteps({"BeginPage", "OpenTitle 1", "line abbandonata"});
    runSteps({"BeginPage", "OpenTitle 3", "line nuova", "FinishPage"});
    const QByteArray page = readAll(contentPage());
    QVERIFY(!page.contains("abbandonata"));
    QCOMPARE(afterHeader(page), "\"" + dir()
                                    + "\\img\\Image202.jpg\">"
                                      "<b><font class=\"titoli3\" >nuova<br></font></BODY></HTML>");
}

void TestComposer::pageGoesToTheUserFolderWhenContentIsReadOnly()
{
    QVERIFY(QDir(state().ContentDir).mkdir(QStringLiteral("tvp.htm")));
    runSteps({"BeginPage", "OpenTitle 2", "line altrove", "FinishPage"});
    QVERIFY(dm->PageBuffer.isEmpty());
    QCOMPARE(dm->PageFile(), userPage());
    QCOMPARE(afterHeader(readAll(userPage())),
             "\"" + dir()
                 + "\\img\\Image202.jpg\">"
                   "<b><font class=\"titoli2\" >altrove<br></font></BODY></HTML>");

    // Once the content folder can be written again, the page goes back there.
    QVERIFY(QDir(state().ContentDir).rmdir(QStringLiteral("tvp.htm")));
    runSteps({"BeginPage", "OpenTitle 1", "line qui", "FinishPage"});
    QCOMPARE(dm->PageFile(), contentPage());
    QCOMPARE(afterHeader(readAll(contentPage())),
             "\"" + dir()
                 + "\\img\\Image202.jpg\">"
                   "<b><font class=\"titoli1\" >qui<br></font></BODY></HTML>");
}

void TestComposer::unwritablePageThrowsAndKeepsTheBuffer()
{
    QVERIFY(QDir(state().ContentDir).mkdir(QStringLiteral("tvp.htm")));
    QVERIFY(QDir().mkpath(userPage()));
    runSteps({"BeginPage", "OpenTitle 2", "line nessuno"});
    const QByteArray built = dm->PageBuffer;
    QVERIFY_THROWS_EXCEPTION(PlatformError, dm->FinishPage());
    QCOMPARE(dm->PageBuffer, built + "</font></BODY></HTML>");

    runSteps({"BeginPage"});
    QCOMPARE(afterHeader(dm->PageBuffer), "\"" + dir() + "\\img\\Image202.jpg\">");
}

void TestComposer::normalizeAnswer_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("runs of blanks") << QByteArray("  a   b  ") << QByteArray("a b");
    QTest::newRow("final line breaks") << QByteArray("ab\r\n\r\n") << QByteArray("ab");
    QTest::newRow("blank then line break") << QByteArray("ab \r\n") << QByteArray("ab");
    QTest::newRow("line break then blank") << QByteArray("ab\r\n ") << QByteArray("ab\r\n");
    QTest::newRow("two line breaks then blanks")
        << QByteArray("ab\r\n\r\n  ") << QByteArray("ab\r\n\r\n");
    QTest::newRow("only blanks") << QByteArray("   ") << QByteArray("");
    QTest::newRow("blanks then line break") << QByteArray("  \r\n") << QByteArray("");
    QTest::newRow("empty") << QByteArray("") << QByteArray("");
    QTest::newRow("single blank") << QByteArray(" ") << QByteArray("");
    QTest::newRow("tabs stay") << QByteArray("\ta\t\tb\t") << QByteArray("\ta\t\tb\t");
    QTest::newRow("tab between blanks") << QByteArray("a  \t  b") << QByteArray("a \t b");
    QTest::newRow("inner line break stays") << QByteArray("a\r\nb") << QByteArray("a\r\nb");
    QTest::newRow("blanks around inner line break")
        << QByteArray("a  \r\n  b") << QByteArray("a \r\n b");
    QTest::newRow("leading line break stays") << QByteArray("\r\n  a") << QByteArray("\r\n a");
    QTest::newRow("lone LF at the end stays") << QByteArray("ab\n") << QByteArray("ab\n");
    QTest::newRow("lone CR at the end stays") << QByteArray("ab\r") << QByteArray("ab\r");
    QTest::newRow("LF CR at the end stays") << QByteArray("ab\n\r") << QByteArray("ab\n\r");
    QTest::newRow("braille characters") << QByteArray("  #a\xe8  =#b ") << QByteArray("#a\xe8 =#b");
    QTest::newRow("nothing to do") << QByteArray("casa") << QByteArray("casa");
}

void TestComposer::normalizeAnswer()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(NormalizeAnswer(text), expected);
}

void TestComposer::randomMode_data()
{
    QTest::addColumn<bool>("hasField");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("expected");
    QTest::newRow("no Doma_rnd field") << false << QVariant() << false;
    QTest::newRow("null") << true << QVariant() << false;
    QTest::newRow("false") << true << QVariant(false) << false;
    QTest::newRow("true") << true << QVariant(true) << true;
}

void TestComposer::randomMode()
{
    QFETCH(bool, hasField);
    QFETCH(QVariant, value);
    QFETCH(bool, expected);
    MemoryTable table(MemoryTable::exerciseFields(hasField));
    QMap<QString, QVariant> record{{"Lezione", 1}, {"T_eser", 0}};
    if (value.isValid())
        record.insert("Doma_rnd", value);
    openRecord(table.add(record));
    QCOMPARE(dm->randomMode(), expected);
}

QTEST_GUILESS_MAIN(TestComposer)
#include "tst_composer.moc"
