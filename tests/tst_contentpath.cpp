// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ContentPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestContentPath : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void resolves_data();
    void resolves();
    void caseOnlyTwinsWithoutExactName();

private:
    bool makeFile(const QString &relative);

    QTemporaryDir m_dir;
};

bool TestContentPath::makeFile(const QString &relative)
{
    const QString path = m_dir.path() + QLatin1Char('/') + relative;
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

void TestContentPath::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(makeFile("Ex/ESER_1.DB"));
    QVERIFY(makeFile("html/fr1.htm"));
    QVERIFY(makeFile("Dup/abc"));
    QVERIFY(makeFile("Dup/ABC"));
    QVERIFY(makeFile("Dup/Only.txt"));
    QVERIFY(makeFile("Deep/Er/Sub/File.Txt"));
    // The test needs a file system that tells the case of names apart.
    QVERIFY(!QFileInfo::exists(m_dir.path() + "/ex"));
}

void TestContentPath::resolves_data()
{
    QTest::addColumn<bool>("trailingSlash");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("expected");

    const struct
    {
        const char *name;
        const char *relative;
        const char *expected;
    } cases[] = {
        {"exact names", "\\Ex\\ESER_1.DB", "Ex/ESER_1.DB"},
        {"other lower-case folder", "\\html\\fr1.htm", "html/fr1.htm"},
        {"lower case finds upper case", "\\ex\\eser_1.db", "Ex/ESER_1.DB"},
        {"mixed case", "\\EX\\Eser_1.Db", "Ex/ESER_1.DB"},
        {"upper case finds lower case", "\\HTML\\FR1.HTM", "html/fr1.htm"},
        {"forward slashes", "/ex/eser_1.db", "Ex/ESER_1.DB"},
        {"no leading separator", "ex\\eser_1.db", "Ex/ESER_1.DB"},
        {"empty pieces dropped", "\\\\ex\\\\\\eser_1.db\\", "Ex/ESER_1.DB"},
        {"several levels", "\\deep\\ER\\sub\\file.txt", "Deep/Er/Sub/File.Txt"},
        {"missing file keeps its spelling", "\\ex\\Missing.Db", "Ex/Missing.Db"},
        {"missing folder keeps the rest", "\\NoFolder\\eser_1.db", "NoFolder/eser_1.db"},
        {"exact twin preferred (lower)", "\\dup\\abc", "Dup/abc"},
        {"exact twin preferred (upper)", "\\dup\\ABC", "Dup/ABC"},
        {"case only among other names", "\\DUP\\only.TXT", "Dup/Only.txt"},
        {"folder alone", "\\ex", "Ex"},
    };
    for (const auto &c : cases) {
        for (bool slash : {false, true}) {
            QTest::addRow("%s%s", c.name, slash ? ", dir with slash" : "")
                << slash << QString::fromLatin1(c.relative) << QString::fromLatin1(c.expected);
        }
    }
}

void TestContentPath::resolves()
{
    QFETCH(bool, trailingSlash);
    QFETCH(QString, relative);
    QFETCH(QString, expected);

    const QString dir = m_dir.path() + (trailingSlash ? "/" : "");
    QCOMPARE(contentPath(dir, relative), m_dir.path() + QLatin1Char('/') + expected);
}

void TestContentPath::caseOnlyTwinsWithoutExactName()
{
    // Neither twin is spelt as asked: either is a fine answer, but it must exist.
    const QString path = contentPath(m_dir.path(), "\\dup\\Abc");
    QVERIFY(path == m_dir.path() + "/Dup/abc" || path == m_dir.path() + "/Dup/ABC");
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(contentPath(m_dir.path(), QString()), m_dir.path());
}

QTEST_APPLESS_MAIN(TestContentPath)
#include "tst_contentpath.moc"
