// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"
#include "rules/ContentPath.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QTest>

// The demo course's fonts: each loads, and gives the families the pages and windows ask for.
class TestFonts : public QObject
{
    Q_OBJECT
private slots:
    void familyNames_data();
    void familyNames();
    void brailleFontsDrawEveryTypedCharacter();
};

static QString courseFont(const QString &relative)
{
    return contentPath(QStringLiteral(SENTIERO_SOURCE_DIR "/course"), relative);
}

void TestFonts::familyNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("family");
    QTest::newRow("zevbrl6_all") << "\\font\\zevbrl6_all.ttf"
                                 << "tvpZEV Braille 6";
    QTest::newRow("zevbrl6nd") << "\\font\\zevbrl6nd.ttf"
                               << "ZEV Braille 6";
    QTest::newRow("daduvot") << "\\font\\daduvot.ttf"
                             << "tvpDaduvo Test";
    QTest::newRow("zevsim") << "\\font\\zevsim.ttf" << QString();
    QTest::newRow("zevbrl8") << "\\font\\zevbrl8.ttf" << QString();
    QTest::newRow("Greek1") << "\\font\\Greek1.ttf" << QString();
    QTest::newRow("zevbrl6m") << "\\font\\zevbrl6m.ttf" << QString();
    QTest::newRow("zevbrl6mnd") << "\\font\\zevbrl6mnd.ttf" << QString();
}

void TestFonts::familyNames()
{
    QFETCH(QString, file);
    QFETCH(QString, family);
    QVERIFY(TMainForm::FontFiles.contains(file));
    const int id = QFontDatabase::addApplicationFont(courseFont(file));
    QVERIFY2(id >= 0, qPrintable(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    QCOMPARE(families.size(), 1);
    if (!family.isEmpty())
        QCOMPARE(families.first(), family);
    QVERIFY(QFontDatabase::removeApplicationFont(id));
}

void TestFonts::brailleFontsDrawEveryTypedCharacter()
{
    const int id = QFontDatabase::addApplicationFont(courseFont("\\font\\zevbrl6_all.ttf"));
    QVERIFY(id >= 0);
    QFont font(QStringLiteral("tvpZEV Braille 6"));
    font.setPixelSize(29);
    QFontMetrics metrics(font);
    for (const QChar c : QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789#+-()/=,.àèéìòù"))
        QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
    QFontDatabase::removeApplicationFont(id);
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
