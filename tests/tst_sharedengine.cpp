// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RealHtmlView.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

// Views that share one engine: the one that navigates takes it, and only its own listeners
// hear of its page; a view that lost it keeps the address it showed.
class TestSharedEngine : public QObject
{
    Q_OBJECT
private slots:
    void theViewThatNavigatesTakesTheEngine();
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

QTEST_MAIN(TestSharedEngine)
#include "tst_sharedengine.moc"
