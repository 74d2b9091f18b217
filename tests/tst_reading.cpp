// SPDX-License-Identifier: GPL-3.0-or-later
// Every exercise of the demo course as a learner with a screen reader meets it: the page its
// window writes, shown in a real browser view with the reading aids, and everything that view
// exposes to assistive technology. No run drawn in the braille or music fonts may be exposed
// as its print; each must be heard as its cells or signs.
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "rules/CellSpeech.h"
#include "platform/ReadingAids.h"
#include "exercises/htmlex00.h"
#include "exercises/htmlex01.h"
#include "exercises/htmlex02.h"
#include "exercises/htmlex10.h"
#include "exercises/htmlex11.h"
#include "exercises/htmlex12.h"
#include "exercises/htmlex13.h"
#include "exercises/htmlex14.h"
#include "exercises/htmlex20.h"
#include "exercises/htmlex21.h"
#include "fakes/TestProgram.h"
#include "platform/Accessibility.h"
#include "rules/Cp1252.h"
#include "platform/RealHtmlView.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <map>
#include <memory>

namespace {

const QString CourseFolder = QStringLiteral(SENTIERO_SOURCE_DIR "/course");

// One window of each type, made up front: the windows follow the table while they live, as in
// the program.
template <class... Windows> std::map<int, std::unique_ptr<TExerciseWindow>> windowsOfTypes()
{
    std::map<int, std::unique_ptr<TExerciseWindow>> windows;
    (windows.emplace(Windows::Type, std::make_unique<Windows>()), ...);
    return windows;
}

// Runs the composer drew in the braille or music fonts: by class or by FONT FACE.
struct Run
{
    bool music;
    QString print;
};

// An opening tag in a course font (its kind by class or FONT FACE), then its text.
const QRegularExpression RunPattern(
    QStringLiteral("((?:class=\"(braille|musica)\\d\"|FACE=\"[^\"]*(Braille|Daduvo)[^\"]*\")"
                   "[^>]*>)([^<]*)"),
    QRegularExpression::CaseInsensitiveOption);

QList<Run> fontRuns(const QString &page)
{
    QList<Run> runs;
    for (auto it = RunPattern.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString kind = (m.captured(2) + m.captured(3)).toLower();
        if (!m.captured(4).simplified().isEmpty())
            runs << Run{kind == u"musica" || kind == u"daduvo", m.captured(4).simplified()};
    }
    return runs;
}

// The page's print as a sighted reader sees it, without the runs in the course's fonts.
QString printOf(QString page)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    page.replace(RunPattern, QStringLiteral("\\1 ")).replace(tag, QStringLiteral(" "));
    return page.replace(QLatin1String("&nbsp;"), QLatin1String(" ")).simplified();
}

// Everything a node of the accessibility tree and its descendants expose.
void exposed(QAccessibleInterface *node, QStringList &said, int depth = 0)
{
    if (!node || !node->isValid() || depth > 60)
        return;
    for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        said << node->text(kind);
    if (QAccessibleTextInterface *text = node->textInterface())
        said << text->text(0, text->characterCount());
    for (int i = 0; i < node->childCount(); ++i)
        exposed(node->child(i), said, depth + 1);
}

bool holdsWord(const QString &text, const QString &word)
{
    return QRegularExpression(
               QStringLiteral("(^|[^\\w])%1($|[^\\w])").arg(QRegularExpression::escape(word)))
        .match(text)
        .hasMatch();
}

} // namespace

class TestReading : public QObject
{
    Q_OBJECT
private slots:
    void noRecordIsExposedAsPrint_data();
    void noRecordIsExposedAsPrint();
    void hiddenSharedPageLoadsAgain();

private:
    // Each page the windows write for the records of a course table, once each.
    QStringList pagesOf(const QString &table);

    std::unique_ptr<TestProgram> m_program;
};

void TestReading::noRecordIsExposedAsPrint_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("alfabeto") << QStringLiteral("ESER_1");
    QTest::newRow("matematica") << QStringLiteral("ESER_2");
    QTest::newRow("musica") << QStringLiteral("ESER_3");
}

QStringList TestReading::pagesOf(const QString &table)
{
    m_program.reset(); // the fakes of one program at a time
    m_program = std::make_unique<TestProgram>();
    const QString dir = state().ContentDir;
    QDir().mkpath(dir + QStringLiteral("/font"));
    QFile::copy(CourseFolder + QStringLiteral("/braille6.txt"), dir + QStringLiteral("/braille6.txt"));
    QFile::copy(CourseFolder + QStringLiteral("/font/segni_musicali.txt"),
                dir + QStringLiteral("/font/segni_musicali.txt"));
    dm->Table1.setTableName(CourseFolder + QStringLiteral("/Ex/") + table + QStringLiteral(".DB"));
    dm->Table1.open();
    const auto made = windowsOfTypes<TFhtmlex00, TFhtmlex01, TFhtmlex02, TFhtmlex10, TFhtmlex11,
                                     TFhtmlex12, TFhtmlex13, TFhtmlex14, TFhtmlex20, TFhtmlex21>();
    QStringList pages;
    for (; !dm->Table1.eof(); dm->Table1.next()) {
        const int type = dm->Table1.fieldByName(QStringLiteral("t_eser")).toInt();
        const auto found = made.find(type);
        if (found == made.end())
            continue;
        TExerciseWindow *window = found->second.get();
        // A record of random questions shows one of its list each time: every one in turn,
        // until the list starts again.
        QString first;
        for (int pick = 0; pick < 100; ++pick) {
            m_program->platform.random->queued = {pick};
            window->show();
            FakeHtmlView *view = static_cast<FakeHtmlView *>(window->html1);
            QFile file(view->navigations.value(0));
            if (!file.open(QIODevice::ReadOnly))
                return {};
            const QString page = fromCp1252(file.readAll());
            window->hide();
            view->navigations.clear();
            if (page == first)
                break;
            if (first.isEmpty())
                first = page;
            if (!pages.contains(page))
                pages << page;
        }
    }
    dm->Table1.close();
    return pages;
}

void TestReading::noRecordIsExposedAsPrint()
{
    QFETCH(QString, table);
    const QStringList pages = pagesOf(table);
    QVERIFY(pages.size() > 10);

    QWidget window;
    auto *view = new RealHtmlView(&window);
    (new QVBoxLayout(&window))->addWidget(view);
    view->ReadingScript = pageReadingScript;
    window.resize(800, 600);
    window.show();
    QSignalSpy loaded(view, &HtmlView::downloadComplete);
    const QString path = state().ContentDir + QStringLiteral("/letto.htm");
    QStringList faults;
    int loadedInTheWait = 0;
    for (const QString &page : pages) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(toCp1252(page));
        file.close();
        loaded.clear();
        view->navigate(path);
        view->waitForPage(); // as a window about to show does
        loadedInTheWait += loaded.size();
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 30000);

        // What each run must be heard as, in the view's own words.
        const QList<Run> runs = fontRuns(page);
        QStringList heard;
        for (const Run &run : runs) {
            const QByteArray bytes = toCp1252(run.print);
            heard << (run.music ? spokenMusic(bytes, courseMusicSigns())
                                : spokenBraille(bytes, courseCells()));
        }
        QString all;
        const auto allHeard = [&] {
            QStringList said;
            exposed(QAccessible::queryAccessibleInterface(view->findChild<QWebEngineView *>()),
                    said);
            all = said.join(u'\n');
            for (const QString &spoken : std::as_const(heard)) {
                if (!spoken.isEmpty() && !all.contains(spoken))
                    return false;
            }
            return true;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(allHeard(), qPrintable(printOf(page).left(120)), 15000);

        const QString print = printOf(page);
        for (const Run &run : runs) {
            // A word that the page also shows in print may well be heard, and so are the
            // names of the notes beside the music signs.
            for (const QString &word : run.print.split(u' ', Qt::SkipEmptyParts)) {
                const QByteArray bytes = toCp1252(word);
                const bool signs = std::any_of(bytes.begin(), bytes.end(), [](char byte) {
                    return courseMusicSigns().isSign(byte);
                });
                const bool letters = word.contains(QRegularExpression(QStringLiteral("\\w\\w")));
                if (letters && (signs || !run.music) && holdsWord(all, word)
                    && !holdsWord(print, word))
                    faults << QStringLiteral("%1: \"%2\" exposed").arg(print.left(60), word);
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    QVERIFY2(loadedInTheWait > pages.size() / 2, "a page is seldom there when the wait ends");
    qInfo("%lld pages of %s checked", qlonglong(pages.size()), qPrintable(table));
}

int main(int argc, char **argv)
{
    // As with a screen reader on the desktop's accessibility bus.
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QStandardPaths::setTestModeEnabled(true);
    prepareWebEngine();
    exposePagesToAssistiveTechnology();
    QApplication application(argc, argv);
    QAccessible::setActive(true);
    TestReading test;
    return QTest::qExec(&test, argc, argv);
}

void TestReading::hiddenSharedPageLoadsAgain()
{
    // Hidden, the shared page lets its renderer process go; its next page still loads.
    QWidget window;
    auto *view = new RealHtmlView(&window);
    view->shareEngine();
    (new QVBoxLayout(&window))->addWidget(view);
    window.show();
    QSignalSpy loaded(view, &HtmlView::downloadComplete);
    const QString page = CourseFolder + QStringLiteral("/html/fr1.htm");
    view->navigate(page);
    QVERIFY(loaded.wait(30000));
    window.hide();
    QWebEnginePage *engine = view->findChild<QWebEngineView *>()->page();
    QTRY_VERIFY_WITH_TIMEOUT(
        engine->lifecycleState() == QWebEnginePage::LifecycleState::Discarded, 5000);
    window.show();
    view->navigate(page);
    QVERIFY(loaded.wait(30000));
    QVERIFY(engine->lifecycleState() == QWebEnginePage::LifecycleState::Active);
}

#include "tst_reading.moc"
