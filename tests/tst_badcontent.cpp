// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged course content: a test of three exercises, built by sentiero-course and then
// damaged, run from its lesson link as a learner would; and content folders whose names
// do not fit a file URL as they stand.

#include "rules/ProgramState.h"
#include "app/MainForm.h"
#include "app/Runner.h"
#include "app/Windows.h"
#include "app/Seleser_Unit1.h"
#include "rules/PagePath.h"
#include "rules/dm_Unit1.h"
#include "exercises/htmlex00.h"
#include "fakes/Fakes.h"
#include "fakes/TestProgram.h"
#include "rules/Cp1252.h"
#include "reference/Result.h"
#include "reference/table_Unit1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

int le16(const QByteArray &bytes, int offset)
{
    return quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8);
}

// Where the last 10 bytes of a field of a record lie in a .DB (its blob reference): after
// the field types and sizes of the header, in the first data block.
int blobReferenceOffset(const QByteArray &db, int record, int field)
{
    const int recordSize = le16(db, 0x00);
    const int headerSize = le16(db, 0x02);
    const int fieldInfo = quint8(db[0x39]) >= 5 ? 0x78 : 0x58;
    int offset = 0;
    for (int i = 0; i < field; ++i)
        offset += quint8(db[fieldInfo + 2 * i + 1]);
    const int size = quint8(db[fieldInfo + 2 * field + 1]);
    return headerSize + 6 + record * recordSize + offset + size - 10;
}

constexpr int RispRch = 6;

// Answers the windows of one run in the order they come up; each showing is checked the
// moment it is ready. Anything modal still open after the deadline is closed, so that a
// hanging window fails the test instead of blocking it.
class Learner : public QObject
{
public:
    explicit Learner(int deadlineMs)
    {
        connect(&m_poll, &QTimer::timeout, this, &Learner::tick);
        m_poll.start(5);
        QTimer::singleShot(deadlineMs, this, [this] { timedOut = true; });
    }

    QList<int> shown;       // eser_nr of the exercises answered, as their pages said
    QStringList unexpected; // other modal windows
    int counted = -1;       // CorrectCount when the results window came up
    bool staleReached = false;
    bool timedOut = false;

private:
    void tick()
    {
        QWidget *modal = QApplication::activeModalWidget();
        // After the deadline each window still open is closed in turn: an exercise window
        // keeps showing until its run has ended.
        if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && timedOut)
            return dialog->done(2);
        if (!modal || !modal->isVisible() || modal == m_acted)
            return;
        if (auto *dialog = qobject_cast<TSeleserDlg *>(modal)) {
            dialog->RadioButton4->click();
            dialog->OKBtn->click();
        } else if (auto *window = qobject_cast<TFhtmlex00 *>(modal)) {
            if (!window->Button2->isEnabled()) {
                // A record that could not be read: nothing may be answered, and the model
                // answer of the record before must be gone. It closes by itself.
                staleReached = staleReached || !window->RichEdittemp.Lines.isEmpty()
                               || window->Button1->isEnabled() || window->Button12->isEnabled();
                return;
            }
            const QRegularExpressionMatch question =
                QRegularExpression(QStringLiteral("domanda (\\d+)"))
                    .match(QString::fromLatin1(readAll(dm->PageFile())));
            shown << (question.hasMatch() ? question.captured(1).toInt() : 0);
            // The next exercise comes in this window, which stays shown.
            connect(window, &TExerciseWindow::exerciseShown, this, &Learner::newExercise,
                    Qt::UniqueConnection);
            QTest::keyClicks(window->RichEdit3, QStringLiteral("giusto"));
            window->Button2->click();
        } else if (modal->objectName() == QLatin1String("Fresult")) {
            counted = static_cast<TFresult *>(modal)->CorrectCount;
            modal->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        } else {
            unexpected << modal->objectName();
        }
        // Acting closes the window; the same window coming up again is a new showing.
        m_acted = modal->isVisible() ? modal : nullptr;
    }

    void newExercise() { m_acted = nullptr; }

    QTimer m_poll;
    QPointer<QWidget> m_acted;
};

} // namespace

class TestBadContent : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void damagedTable_data();
    void damagedTable();
    void contentFolderInPages_data();
    void contentFolderInPages();

private:
    QString m_source;
    QTemporaryDir m_sourceDir;
};

void TestBadContent::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(QFile::exists(QStringLiteral(SENTIERO_BINARY_DIR "/sentiero-course")),
             "the sentiero-course builder must be built before the tests");
    QByteArray text;
    for (int number = 1; number <= 3; ++number) {
        text += "[record]\nLezione = 0\nCat_eser = 4\nT_eser = 0\nDoma_rnd = false\n";
        text += "eser_nr = " + QByteArray::number(number) + "\n";
        text += "Tit_doma = Scrivi la risposta dell'esercizio\n";
        text += "Doma_rch = domanda " + QByteArray::number(number) + "\n";
        text += "Risp_rch = giusto\n\n";
    }
    m_source = m_sourceDir.filePath(QStringLiteral("ESER_1.txt"));
    QVERIFY(writeAll(m_source, text));
}

void TestBadContent::damagedTable_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("messageHas"); // the one message, or none when empty
    QTest::addColumn<QList<int>>("shown");       // the exercises answered, by eser_nr
    QTest::addColumn<int>("counted");            // in the results window; -1: none shown

    const QStringList pointer = {
        "ESER_1.DB",  "lezione 0", "categoria 4", "n. 2", "\"Risp_rch\" del record 2",
        "riferimento"};
    QTest::newRow("intact") << "" << QStringList() << QList<int>{1, 2, 3} << 3;
    QTest::newRow("bad blob pointer in the middle record")
        << "pointer" << pointer << QList<int>{1, 3} << 2;
    QTest::newRow("bad blob pointer in the last record")
        << "pointer3" << QStringList{"ESER_1.DB", "n. 3", "record 3"} << QList<int>{1, 2} << 2;
    QTest::newRow("missing .MB") << "missing" << QStringList{"ESER_1.MB", "file mancante"}
                                 << QList<int>() << -1;
    QTest::newRow("garbled .MB") << "garbled" << QStringList{"ESER_1.MB"} << QList<int>() << -1;
    QTest::newRow("truncated .DB")
        << "truncated" << QStringList{"ESER_1.DB", "troncato"} << QList<int>() << -1;
}

void TestBadContent::damagedTable()
{
    QFETCH(QString, damage);
    QFETCH(QStringList, messageHas);
    QFETCH(QList<int>, shown);
    QFETCH(int, counted);

    TestProgram state;
    QVERIFY(QDir(state.dir.path()).mkpath(QStringLiteral("Ex")));
    const QString db = state.path(QStringLiteral("Ex/ESER_1.DB"));
    const QString mb = state.path(QStringLiteral("Ex/ESER_1.MB"));
    QCOMPARE(
        QProcess::execute(QStringLiteral(SENTIERO_BINARY_DIR "/sentiero-course"), {m_source, db}),
        0);
    QByteArray dbBytes = readAll(db);
    QByteArray mbBytes = readAll(mb);
    QVERIFY(!mbBytes.isEmpty());
    if (damage.startsWith(QLatin1String("pointer"))) {
        // A whole block far beyond the end of the blob file.
        const int record = damage.endsWith(QLatin1Char('3')) ? 2 : 1;
        const int at = blobReferenceOffset(dbBytes, record, RispRch);
        const QByteArray wild("\xFF\x00\x60\x00", 4);
        dbBytes.replace(at, 4, wild);
        QVERIFY(writeAll(db, dbBytes));
    } else if (damage == QLatin1String("missing")) {
        QVERIFY(QFile::remove(mb));
    } else if (damage == QLatin1String("garbled")) {
        quint32 x = 2463534242u;
        for (char &byte : mbBytes) {
            x ^= x << 13, x ^= x >> 17, x ^= x << 5;
            byte = char(x);
        }
        QVERIFY(writeAll(mb, mbBytes));
    } else if (damage == QLatin1String("truncated")) {
        QVERIFY(writeAll(db, dbBytes.left(dbBytes.size() / 2)));
    }

    // The program's windows, and its main window at the course folder.
    const QString oldDir = QDir::currentPath();
    QDir::setCurrent(state.dir.path());
    auto mainForm = std::make_unique<TMainForm>();
    QDir::setCurrent(oldDir);
    auto registry = std::make_unique<WindowRegistry>();
    auto *view = static_cast<FakeHtmlView *>(mainForm->WB);
    const int focusBefore = view->focusCalls;

    {
        Learner learner(15000);
        QVERIFY(
            view->fireNavigation(QUrl::fromLocalFile(state.path("html/101eser.htm")).toString()));
        QTRY_VERIFY_WITH_TIMEOUT(!mainForm->PendingAction && view->focusCalls > focusBefore, 20000);
        QVERIFY(!learner.timedOut);
        QCOMPARE(learner.shown, shown);
        QCOMPARE(learner.counted, counted);
        QVERIFY(!learner.staleReached);
        QVERIFY2(learner.unexpected.isEmpty(), qPrintable(learner.unexpected.join(' ')));
    }

    const QStringList messages = state.platform.messages->shown;
    if (messageHas.isEmpty()) {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('|')));
    } else {
        QCOMPARE(messages.size(), 1);
        for (const QString &part : messageHas)
            QVERIFY2(messages[0].contains(part), qPrintable(messages[0] + " lacks " + part));
        // The pointer lies in the record: the blob file is not blamed.
        if (damage.startsWith(QLatin1String("pointer")))
            QVERIFY2(!messages[0].contains(QLatin1String(".MB")), qPrintable(messages[0]));
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QVERIFY2(!window->isVisible() || window == mainForm.get(),
                 qPrintable(window->objectName()));

    registry.reset();
    dm->Table1.AfterScroll = nullptr;
    dm->Table1.AfterCancel = nullptr;
}

void TestBadContent::contentFolderInPages_data()
{
    QTest::addColumn<QString>("folder"); // below a temporary folder
    QTest::addColumn<bool>("asItStands");
    QTest::newRow("plain") << "corso" << true;
    QTest::newRow("accents and blanks of Windows-1252") << "Corso è più" << true;
    QTest::newRow("hash") << "corso#2" << false;
    QTest::newRow("percent sign") << "copia%20corso" << false;
    QTest::newRow("question mark") << "perché?" << false;
    QTest::newRow("outside Windows-1252") << "курс Ω" << false;
}

void TestBadContent::contentFolderInPages()
{
    QFETCH(QString, folder);
    QFETCH(bool, asItStands);

    TestProgram state;
    const QString dir = state.path(folder);
    QVERIFY(QDir().mkpath(dir + "/img"));
    QVERIFY(writeAll(dir + "/img/colorbar.gif", "GIF89a"));
    ::state().ContentDir = dir;
    if (asItStands)
        QCOMPARE(pageDirBytes(dir), toCp1252(dir));

    // The page's own address, and the colour bar as the browser reads it from the page.
    dm->BeginPage();
    dm->CloseTitle();
    dm->FinishPage();
    const QString page = fromCp1252(readAll(dm->PageFile()));
    const QRegularExpressionMatch src =
        QRegularExpression(QStringLiteral("<img src=\"([^\"]*)\"")).match(page);
    QVERIFY(src.hasMatch());
    const QString written = src.captured(1).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QUrl picture = QUrl::fromLocalFile(dm->PageFile()).resolved(QUrl(written));
    QCOMPARE(picture.toLocalFile(), dir + "/img/colorbar.gif");
    QVERIFY(QFile::exists(picture.toLocalFile()));
}

QTEST_MAIN(TestBadContent)
#include "tst_badcontent.moc"
