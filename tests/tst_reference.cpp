// SPDX-License-Identifier: GPL-3.0-or-later
// The results window (graded page of a verification test) and the braille code table window.

#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "fakes/Fakes.h"
#include "reference/Result.h"
#include "reference/table_Unit1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The head of the results page, up to the background value.
const QByteArray resultHead =
    "<HTML><HEAD><TITLE></TITLE><meta http-equiv=\"Content-Type\" "
    "content=\"text/html;charset=windows-1252\"><style type=\"text/css\">.titoli {  "
    "font-family: Times new roman; font-size: 24px;  color: #FF0000}</style></HEAD>"
    "<BODY class=\"titoli\" BACKGROUND=";

QtMessageHandler testLogger = nullptr;

// The offscreen platform plugin tells of window features it lacks each time a tool window is
// shown; those notices say nothing about the windows under test.
void dropPluginNotices(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    testLogger(type, context, text);
}

} // namespace

class TestReference : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void resultPageForSeven();
    void resultGrades_data();
    void resultGrades();
    void resultWindow();
    void resultShownAgainRebuildsThePage();
    void resultPageGoesToTheUserFolderWhenContentIsReadOnly();
    void exercisePageReplacesTheResults();

    void tableWindow();
    void tableNavigatesOnEveryShowing();
    void tableButtonsSplitThePanel_data();
    void tableButtonsSplitThePanel();
    void tableLinks_data();
    void tableLinks();
    void tableExitIsTheDefault();
    void tableFindBox();

private:
    QByteArray dir() const { return state().ContentDir.toLatin1(); }
    QString contentPage() const { return QDir(state().ContentDir).filePath(QStringLiteral("tvp.htm")); }
    QString userPage() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
               + QStringLiteral("/tvp.htm");
    }
    static FakeHtmlView *fake(HtmlView *view) { return qobject_cast<FakeHtmlView *>(view); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Tdm> m_dm;
};

void TestReference::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    testLogger = qInstallMessageHandler(dropPluginNotices);
}

void TestReference::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    state().ContentDir = m_dir->path();
    QVERIFY(QDir(state().ContentDir).mkpath(QStringLiteral("html")));
    QFile table(QDir(state().ContentDir).filePath(QStringLiteral("html/table6.html")));
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.close();
    m_platform = std::make_unique<FakePlatform>();
    m_dm = std::make_unique<Tdm>();
    dm = m_dm.get();
}

void TestReference::cleanup()
{
    dm = nullptr;
    m_dm.reset();
    m_platform.reset();
    m_dir.reset();
    QFile::remove(userPage());
}

void TestReference::resultPageForSeven()
{
    TFresult form;
    form.CorrectCount = 7;
    form.show();
    QCOMPARE(readAll(contentPage()),
             "<HTML><HEAD><TITLE></TITLE><meta http-equiv=\"Content-Type\" "
             "content=\"text/html;charset=windows-1252\"><style type=\"text/css\">.titoli {  "
             "font-family: Times new roman; font-size: 24px;  color: #FF0000}</style></HEAD>"
             "<BODY class=\"titoli\" BACKGROUND=\""
                 + dir() + "\\img\\Image202.jpg\"><p align=\"center\"><img border=\"0\" src=\""
                 + dir()
                 + "\\img\\img036.gif\" width=\"32\" height=\"32\"></p><p align=\"center\">"
                   "SUFFICIENTE<BR>Esercizi corretti 7/10<BR>"
                   "Si consiglia di ripassare la lezione</P></BODY></HTML>");
    QCOMPARE(form.CorrectCount, 7);
    QVERIFY(dm->PageBuffer.isEmpty());
}

void TestReference::resultGrades_data()
{
    QTest::addColumn<int>("correct");
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QByteArray>("advice");

    const QByteArray repeat = "Si consiglia di ripetere la lezione";
    const QByteArray review = "Si consiglia di ripassare la lezione";
    const QByteArray lookAgain = "Si consiglia di riguardare la lezione";
    const QByteArray next = "OK passa alla lezione successiva";
    QTest::newRow("0") << 0 << QByteArray("\\img\\img035.gif") << QByteArray("INSUFFICIENTE") << 0
                       << repeat;
    QTest::newRow("5") << 5 << QByteArray("\\img\\img035.gif") << QByteArray("INSUFFICIENTE") << 5
                       << repeat;
    QTest::newRow("6") << 6 << QByteArray("\\img\\img036.gif") << QByteArray("SUFFICIENTE") << 6
                       << review;
    QTest::newRow("7") << 7 << QByteArray("\\img\\img036.gif") << QByteArray("SUFFICIENTE") << 7
                       << review;
    QTest::newRow("8") << 8 << QByteArray("\\img\\img037.gif") << QByteArray("BUONO") << 8
                       << lookAgain;
    QTest::newRow("9") << 9 << QByteArray("\\img\\img037.gif") << QByteArray("BUONO") << 9
                       << lookAgain;
    QTest::newRow("10") << 10 << QByteArray("\\img\\img038.gif") << QByteArray("OTTIMO") << 10
                        << next;
    QTest::newRow("12 is capped") << 12 << QByteArray("\\img\\img038.gif") << QByteArray("OTTIMO")
                                  << 10 << next;
}

void TestReference::resultGrades()
{
    QFETCH(int, correct);
    QFETCH(QByteArray, picture);
    QFETCH(QByteArray, word);
    QFETCH(int, shown);
    QFETCH(QByteArray, advice);

    TFresult form;
    form.CorrectCount = correct;
    form.show();
    const QByteArray expected = resultHead + '"' + dir() + "\\img\\Image202.jpg\">"
                                + "<p align=\"center\"><img border=\"0\" src=\"" + dir() + picture
                                + "\" width=\"32\" height=\"32\"></p><p align=\"center\">" + word
                                + "<BR>Esercizi corretti " + QByteArray::number(shown) + "/10<BR>"
                                + advice + "</P></BODY></HTML>";
    QCOMPARE(readAll(contentPage()), expected);
    QCOMPARE(form.CorrectCount, shown);
}

void TestReference::resultWindow()
{
    TFresult form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Risultati"));
    QCOMPARE(form.size(), QSize(491, 249));
    QCOMPARE(form.html1->geometry(), QRect(0, 0, 491, 203));
    QCOMPARE(form.Panel1->geometry(), QRect(0, 203, 491, 46));
    QCOMPARE(form.Button1->text(), QStringLiteral("&OK"));
    QCOMPARE(form.Button1->geometry(), QRect(191, 10, 101, 26));

    form.show();
    QCOMPARE(fake(form.html1)->navigations, QStringList{contentPage()});
    QCOMPARE(dm->PageFile(), contentPage());

    form.Button1->click();
    QCOMPARE(form.result(), 1);
    QVERIFY(!form.isVisible());
}

void TestReference::resultShownAgainRebuildsThePage()
{
    TFresult form;
    form.CorrectCount = 3;
    form.show();
    form.Button1->click();
    form.CorrectCount = 9;
    form.show();
    const QByteArray page = readAll(contentPage());
    QVERIFY(page.contains("BUONO<BR>Esercizi corretti 9/10<BR>"));
    QVERIFY(!page.contains("INSUFFICIENTE"));
    QCOMPARE(fake(form.html1)->navigations, QStringList({contentPage(), contentPage()}));
}

void TestReference::resultPageGoesToTheUserFolderWhenContentIsReadOnly()
{
    QVERIFY(QDir(state().ContentDir).mkdir(QStringLiteral("tvp.htm")));
    TFresult form;
    form.CorrectCount = 10;
    form.show();
    const QByteArray page = readAll(userPage());
    QVERIFY(page.startsWith(resultHead));
    QVERIFY(page.endsWith("OTTIMO<BR>Esercizi corretti 10/10<BR>"
                          "OK passa alla lezione successiva</P></BODY></HTML>"));
    QCOMPARE(fake(form.html1)->navigations, QStringList{userPage()});
}

void TestReference::exercisePageReplacesTheResults()
{
    TFresult form;
    form.CorrectCount = 4;
    form.show();
    dm->BeginPage();
    dm->OpenTitle(1);
    dm->WriteText("esercizio");
    dm->FinishPage();
    const QByteArray page = readAll(contentPage());
    QVERIFY(!page.contains("INSUFFICIENTE"));
    QVERIFY(page.endsWith("<b><font class=\"titoli1\" >esercizio</font></BODY></HTML>"));
}

void TestReference::tableWindow()
{
    Ttblbraille window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Codice Braille a sei punti"));
    QVERIFY(window.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(window.Button1->text(), QStringLiteral("&Esci"));
    QCOMPARE(window.Button2->text(), QStringLiteral("&Trova"));
    QCOMPARE(window.Button1->parentWidget(), window.Panel1);
    QCOMPARE(window.Button2->parentWidget(), window.Panel1);
}

void TestReference::tableNavigatesOnEveryShowing()
{
    Ttblbraille window;
    const QString table = QDir(state().ContentDir).filePath(QStringLiteral("html/table6.html"));
    window.show();
    QCOMPARE(fake(window.html1)->navigations, QStringList{table});
    window.hide();
    window.show();
    QCOMPARE(fake(window.html1)->navigations, QStringList({table, table}));
}

void TestReference::tableButtonsSplitThePanel_data()
{
    QTest::addColumn<int>("panelWidth");
    QTest::addColumn<int>("half");
    QTest::newRow("800") << 800 << 400;
    QTest::newRow("801, last column uncovered") << 801 << 400;
    QTest::newRow("1024") << 1024 << 512;
    QTest::newRow("3") << 3 << 1;
}

void TestReference::tableButtonsSplitThePanel()
{
    QFETCH(int, panelWidth);
    QFETCH(int, half);
    Ttblbraille window;
    window.show();
    window.Panel1->resize(panelWidth, window.Panel1->height());
    QCOMPARE(window.Panel1->height(), 51);
    QCOMPARE(window.Button1->geometry(), QRect(0, 0, half, 51));
    QCOMPARE(window.Button2->geometry(), QRect(half, 0, half, 51));
}

void TestReference::tableLinks_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("refused");
    const QString page = QUrl::fromLocalFile(QStringLiteral("/corso/html/table6.html")).toString();
    QTest::newRow("unit link") << QStringLiteral("file:///corso/html/jump12.htm") << true;
    QTest::newRow("jump in the anchor") << page + QStringLiteral("#jump") << true;
    QTest::newRow("jump inside a word") << QStringLiteral("file:///corso/html/xjumpx.htm") << true;
    QTest::newRow("capital J") << QStringLiteral("file:///corso/html/Jump12.htm") << false;
    QTest::newRow("all capitals") << QStringLiteral("file:///corso/html/JUMP12.htm") << false;
    QTest::newRow("in-page anchor") << page + QStringLiteral("#lettere") << false;
    QTest::newRow("the table itself") << page << false;
}

void TestReference::tableLinks()
{
    QFETCH(QString, url);
    QFETCH(bool, refused);
    Ttblbraille window;
    window.show();
    FakeHtmlView *view = fake(window.html1);
    const int navigations = int(view->navigations.size());

    bool openDuringNavigation = false;
    bool navigating = true;
    m_platform->messages->onShow = [&] { openDuringNavigation = navigating; };
    QCOMPARE(view->fireNavigation(url), refused);
    navigating = false;
    QVERIFY(!openDuringNavigation);

    using Box = QPair<QString, QString>;
    if (refused) {
        QTRY_COMPARE(m_platform->messages->informations.size(), 1);
        QCOMPARE(m_platform->messages->informations.first(),
                 Box(QStringLiteral("Attenzione"),
                     QStringLiteral("Non è possibile visualizzare le Unità \r\n"
                                    "all'interno degli esercizi")));
    } else {
        QTest::qWait(20);
        QCOMPARE(m_platform->messages->informations, QList<Box>());
    }
    QVERIFY(m_platform->messages->shown.isEmpty());
    // The table page stays: the filter itself navigates nowhere.
    QCOMPARE(view->navigations.size(), navigations);
    QVERIFY(window.isVisible());
}

void TestReference::tableExitIsTheDefault()
{
    Ttblbraille window;
    window.show();
    QVERIFY(window.Button1->isDefault());
    QVERIFY(!window.Button2->isDefault());
    QTest::keyClick(&window, Qt::Key_Return);
    QCOMPARE(window.result(), 1);
    QVERIFY(!window.isVisible());

    window.setResult(0);
    window.show();
    window.Button1->click();
    QCOMPARE(window.result(), 1);
    QVERIFY(!window.isVisible());
}

void TestReference::tableFindBox()
{
    Ttblbraille window;
    window.show();
    FakeHtmlView *view = fake(window.html1);
    QCOMPARE(view->findCalls, 0);
    window.Button2->click();
    QCOMPARE(view->findCalls, 1);
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestReference)
#include "tst_reference.moc"
