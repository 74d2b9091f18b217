// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Commands.h"
#include "rules/NavigationPolicy.h"

#include <QTest>

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void classify_data();
    void classify();
    void everyWordIsItsCommand();
    void lessonLink_data();
    void lessonLink();
    void pageNavigation_data();
    void pageNavigation();
};

Q_DECLARE_METATYPE(NavigationCommand::Kind)

static const QString Dir = QStringLiteral("file:///home/anna/corso");

void TestCommands::classify_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("contentDir");
    QTest::addColumn<NavigationCommand::Kind>("kind");

    QTest::newRow("plain page") << Dir + "/html/fr2.htm" << Dir << NavigationCommand::None;
    QTest::newRow("http any case")
        << "HtTp://www.example.org/" << Dir << NavigationCommand::External;
    QTest::newRow("mailto lower") << "mailto:anna@example.org" << Dir
                                  << NavigationCommand::External;
    QTest::newRow("https is not http:")
        << "https://www.example.org/" << Dir << NavigationCommand::None;
    QTest::newRow("https with esci goes by the words")
        << "https://example.org/esci.htm" << Dir << NavigationCommand::Exit;
    QTest::newRow("web link wins over words")
        << "http://example.org/esci/trova" << Dir << NavigationCommand::External;
    QTest::newRow("indietro") << Dir + "/html/indietro.htm" << Dir << NavigationCommand::Back;
    QTest::newRow("indietro before esci")
        << Dir + "/html/esci_indietro.htm" << Dir << NavigationCommand::Back;
    QTest::newRow("esci") << Dir + "/html/esci.htm" << Dir << NavigationCommand::Exit;
    QTest::newRow("capital E is a page")
        << Dir + "/html/Esci.htm" << Dir << NavigationCommand::None;
    QTest::newRow("trova") << Dir + "/html/trova.htm" << Dir << NavigationCommand::Find;
    QTest::newRow("esci before trova") << Dir + "/trova/esci.htm" << Dir << NavigationCommand::Exit;
    QTest::newRow("lesson") << Dir + "/html/112eser.htm" << Dir << NavigationCommand::Lesson;
    QTest::newRow("progress page") << Dir + "/html/progressi.htm" << Dir << NavigationCommand::Progress;
    QTest::newRow("export") << Dir + "/progressi.csv" << Dir << NavigationCommand::Export;
    QTest::newRow("review") << Dir + "/html/2ripasso.htm" << Dir << NavigationCommand::Review;
    QTest::newRow("older words first") << Dir + "/esci/progressi.htm" << Dir << NavigationCommand::Exit;
    QTest::newRow("class register") << Dir + "/classe.htm" << Dir << NavigationCommand::ClassRegister;
    QTest::newRow("class export") << Dir + "/classe.csv" << Dir << NavigationCommand::ClassExport;
    QTest::newRow("today's review") << Dir + "/ripassodioggi.htm" << Dir << NavigationCommand::TodayReview;
    QTest::newRow("practice sheet") << Dir + "/fogliobraille.htm" << Dir << NavigationCommand::PracticeSheet;
    QTest::newRow("older words before the sheet")
        << Dir + "/trova/fogliobraille.htm" << Dir << NavigationCommand::Find;
    QTest::newRow("a learner's page is a page")
        << Dir + "/classe/allievo2.htm" << Dir << NavigationCommand::None;
    QTest::newRow("review before class")
        << Dir + "/1ripasso.htm?classe.htm" << Dir << NavigationCommand::Review;
    QTest::newRow("Indietro capital is a page")
        << Dir + "/html/Indietro.htm" << Dir << NavigationCommand::None;

    // Words in the content folder's own path are not commands.
    const QString odd = QStringLiteral("file:///home/anna/ritrovare/esci/indietro/eser.htm/corso");
    QTest::newRow("folder words ignored")
        << odd + "/html/fr2.htm" << odd << NavigationCommand::None;
    QTest::newRow("folder words, real command")
        << odd + "/html/trova.htm" << odd << NavigationCommand::Find;
    QTest::newRow("outside the content folder words count")
        << "file:///tmp/esci.htm" << odd << NavigationCommand::Exit;
    QTest::newRow("sibling folder with the same start")
        << "file:///home/anna/corso2/esci.htm" << Dir << NavigationCommand::Exit;
    QTest::newRow("no content folder known")
        << "file:///x/trova.htm" << QString() << NavigationCommand::Find;
}

void TestCommands::classify()
{
    QFETCH(QString, url);
    QFETCH(QString, contentDir);
    QFETCH(NavigationCommand::Kind, kind);
    QCOMPARE(classifyNavigation(url, contentDir).kind, kind);
    // A review names its course by the digit before the word; any other character, none.
    for (const auto &[link, course] : {std::pair{"/3ripasso.htm", 3}, {"/4ripasso.htm", 0}, {"/ripasso.htm", 0}})
        QCOMPARE(classifyNavigation(Dir + link, Dir).course, course);
}

// A word that holds an earlier word of the table would never be reached.
void TestCommands::everyWordIsItsCommand()
{
    for (const CommandWord &entry : CommandWords) {
        const NavigationCommand command =
            classifyNavigation(Dir + "/html/101" + QString(entry.word), Dir);
        QCOMPARE(command.kind, entry.kind);
        if (entry.kind == NavigationCommand::Lesson || entry.kind == NavigationCommand::Review)
            QCOMPARE(command.runCourse(), Course::Alphabet);
    }
}

void TestCommands::lessonLink_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("course");
    QTest::addColumn<int>("lesson");
    QTest::addColumn<bool>("starts");

    QTest::newRow("112") << Dir + "/html/112eser.htm" << 1 << 11 << true;
    QTest::newRow("101") << Dir + "/html/101eser.htm" << 1 << 0 << true;
    QTest::newRow("100 gives lesson -1") << Dir + "/html/100eser.htm" << 1 << -1 << true;
    QTest::newRow("205") << Dir + "/html/205eser.htm" << 2 << 4 << true;
    QTest::newRow("399") << Dir + "/html/399eser.htm" << 3 << 98 << true;
    QTest::newRow("412 starts nothing") << Dir + "/html/412eser.htm" << 4 << 11 << false;
    QTest::newRow("012 starts nothing") << Dir + "/html/012eser.htm" << 0 << 11 << false;
    QTest::newRow("first occurrence") << Dir + "/html/301eser.htm?x=102eser.htm" << 3 << 0 << true;
    QTest::newRow("letters start nothing") << Dir + "/html/abceser.htm" << 0 << 0 << false;
    QTest::newRow("too short") << Dir + "/12eser.htm" << 0 << 0 << false;
}

void TestCommands::lessonLink()
{
    QFETCH(QString, url);
    QFETCH(int, course);
    QFETCH(int, lesson);
    QFETCH(bool, starts);
    const NavigationCommand command = classifyNavigation(url, Dir);
    QCOMPARE(command.kind, NavigationCommand::Lesson);
    QCOMPARE(command.startsRun(), starts);
    if (course != 0 || starts) {
        QCOMPARE(command.course, course);
        QCOMPARE(command.lesson, lesson);
    }
    QCOMPARE(readLessonLink(QStringLiteral("12eser.htm")).startsRun(), false);
}

void TestCommands::pageNavigation_data()
{
    using O = NavigationOrigin;
    using V = NavigationVerdict;
    QTest::addColumn<QString>("url");
    QTest::addColumn<O>("origin");
    QTest::addColumn<V>("verdict");
    QTest::newRow("course page") << "file:///corso/html/fr2.htm" << O::Learner << V::Go;
    QTest::newRow("refresh inside") << "file:///corso/html/fr2.htm" << O::Page << V::Go;
    QTest::newRow("learner's folder") << "file:///casa/dati/registro.htm" << O::Program << V::Go;
    QTest::newRow("up and out") << "file:///corso/html/../../etc/passwd" << O::Learner << V::RefuseAndSay;
    QTest::newRow("sibling folder") << "file:///corso2/html/fr1.htm" << O::Learner << V::RefuseAndSay;
    QTest::newRow("frame out") << "file:///etc/passwd" << O::Page << V::Refuse;
    QTest::newRow("web, followed") << "http://example.org/" << O::Learner << V::Go;
    QTest::newRow("web, redirect") << "http://example.org/?x" << O::Page << V::Refuse;
    QTest::newRow("mail, form") << "mailto:a@example.org" << O::Page << V::Refuse;
    QTest::newRow("script") << "javascript:alert(1)" << O::Learner << V::RefuseAndSay;
    QTest::newRow("data") << "data:text/html,x" << O::Page << V::Refuse;
    QTest::newRow("view-source") << "view-source:file:///corso/html/fr1.htm" << O::Learner << V::RefuseAndSay;
    QTest::newRow("blank") << "about:blank" << O::Program << V::Go;
}

void TestCommands::pageNavigation()
{
    QFETCH(QString, url);
    QFETCH(NavigationOrigin, origin);
    QFETCH(NavigationVerdict, verdict);
    const QStringList folders = {QStringLiteral("/corso"), QStringLiteral("/casa/dati")};
    QCOMPARE(judgeNavigation(QUrl(url), origin, folders), verdict);
}

QTEST_APPLESS_MAIN(TestCommands)
#include "tst_commands.moc"
