// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RealHtmlView.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>

// Views that share one engine: the one that navigates takes it, and only its own listeners
// hear of its page; a view that lost it keeps the address it showed.
class TestSharedEngine : public QObject
{
    Q_OBJECT
private slots:
    void theViewThatNavigatesTakesTheEngine();
    void aHiddenWindowGetsReadyAtItsOwnSize();
    void findLandsOnTheFirstMatch();
};

namespace {

struct Window
{
    QWidget widget;
    RealHtmlView *view = new RealHtmlView(&widget);

    Window()
    {
        auto *layout = new QVBoxLayout(&widget);
        layout->addWidget(view);
        view->shareEngine();
        widget.resize(320, 240);
    }
};

QString page(const QTemporaryDir &dir, const char *name)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray("<html><body>") + name + "</body></html>");
    return file.fileName();
}

// Counts the resizes of a widget and of the widgets in it.
struct ResizeCounter : QObject
{
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Resize;
        return false;
    }
};

} // namespace

void TestSharedEngine::theViewThatNavigatesTakesTheEngine()
{
    QTemporaryDir dir;
    const QString first = page(dir, "first.htm");
    const QString second = page(dir, "second.htm");
    Window a, b;
    QSignalSpy loadedA(a.view, &HtmlView::downloadComplete);
    QSignalSpy loadedB(b.view, &HtmlView::downloadComplete);

    a.widget.show();
    a.view->navigate(first);
    QTRY_COMPARE_WITH_TIMEOUT(loadedA.size(), 1, 30000);
    a.widget.hide();

    b.widget.show();
    b.view->navigate(second);
    QTRY_COMPARE_WITH_TIMEOUT(loadedB.size(), 1, 30000);
    QCOMPARE(loadedA.size(), 1);
    QCOMPARE(a.view->currentUrl(), QUrl::fromLocalFile(first).toString());
    QCOMPARE(b.view->currentUrl(), QUrl::fromLocalFile(second).toString());
    b.widget.hide();

    a.widget.show();
    a.view->navigate(second);
    QTRY_COMPARE_WITH_TIMEOUT(loadedA.size(), 2, 30000);
    QCOMPARE(loadedB.size(), 1);
    QCOMPARE(b.view->currentUrl(), QUrl::fromLocalFile(second).toString());
}

// The engine's drawing surface is as large as its view, and made anew at each new size: a
// window made ready while hidden shows with the surface it already has.
void TestSharedEngine::aHiddenWindowGetsReadyAtItsOwnSize()
{
    QTemporaryDir dir;
    Window a, b;
    b.widget.resize(400, 500);
    QSignalSpy loadedA(a.view, &HtmlView::downloadComplete);
    a.widget.show();
    a.view->navigate(page(dir, "first.htm"));
    QTRY_COMPARE_WITH_TIMEOUT(loadedA.size(), 1, 30000);
    a.widget.hide();

    b.view->prepareEngine();
    auto *engine = b.view->findChild<QWidget *>(QStringLiteral("WebView"));
    QVERIFY(engine);
    ResizeCounter resizes;
    engine->installEventFilter(&resizes);
    for (QWidget *inside : engine->findChildren<QWidget *>())
        inside->installEventFilter(&resizes);
    b.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.widget));
    QCOMPARE(engine->size(), b.view->size());
    QCOMPARE(resizes.count, 0);
}

// Typed into the find box and Enter: the first match, as the learner reads them.
void TestSharedEngine::findLandsOnTheFirstMatch()
{
    QTemporaryDir dir;
    Window a;
    a.widget.show();
    QSignalSpy loaded(a.view, &HtmlView::downloadComplete);
    a.view->navigate(page(dir, "c punti 1 e 4, 3 punti 1 e 4"));
    QVERIFY(loaded.wait(30000));
    QWebEnginePage *engine = a.widget.findChild<QWebEngineView *>()->page();
    QSignalSpy found(engine, &QWebEnginePage::findTextFinished);
    a.widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&a.widget));
    a.view->showFindBox();
    auto *box = a.widget.findChild<QLineEdit *>(QStringLiteral("FindText"));
    QTRY_COMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(box, QStringLiteral("punti 1 e 4"));
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_VERIFY(!found.isEmpty()
                && found.last().at(0).value<QWebEngineFindTextResult>().numberOfMatches() == 2);
    QTest::qWait(500); // a second search, had Enter started one
    QCOMPARE(found.last().at(0).value<QWebEngineFindTextResult>().activeMatch(), 1);
}

QTEST_MAIN(TestSharedEngine)
#include "tst_sharedengine.moc"
