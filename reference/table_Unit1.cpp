// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/table_Unit1.h"

#include "rules/ProgramState.h"
#include "platform/ReadingAids.h"
#include "platform/Announcer.h"
#include "rules/MissingPage.h"
#include "platform/Modal.h"
#include "platform/Platform.h"
#include "platform/Zoom.h"

#include <QEvent>
#include <QFrame>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

bool isUnitLink(const QString &url)
{
    return url.contains(QLatin1String("jump"));
}

Ttblbraille::Ttblbraille(QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("tblbraille"));
    setWindowTitle(QStringLiteral("Codice Braille a sei punti"));
    resize(782, 523);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    html1 = platform().createHtmlView(this, ViewEngine::Own);
    html1->setObjectName(QStringLiteral("html1"));
    html1->setAccessibleName(QStringLiteral("Codice Braille a sei punti"));
    // Each sign of the table is a stop of the Tab key, read by a screen reader as it is
    // reached: the sign, its cells and its dots.
    html1->ReadingScript = [] {
        return pageReadingScript()
               + QStringLiteral("document.querySelectorAll('table td').forEach("
                                "function (cell) { cell.tabIndex = 0; });");
    };
    html1->BeforeNavigate = [this](const QString &url, bool &cancel) {
        html1BeforeNavigate2(url, cancel);
    };
    html1->MissingPage = [](const QString &path) {
        return missingPageHtml(path,
                               QStringLiteral("<p>Premi Esci per tornare all'esercizio.</p>"));
    };
    layout->addWidget(html1, 1);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    // The bar and its buttons grow with the zoom, never below their normal height.
    zoom().follow(Panel1, [this](double factor) {
        Panel1->setFixedHeight(qRound(51 * std::max(1.0, factor)));
    });
    Panel1->installEventFilter(this);
    layout->addWidget(Panel1);
    Button1 = new QPushButton(QStringLiteral("&Esci"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(ModalOk); });
    Button2 = new QPushButton(QStringLiteral("&Trova"), Panel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button2, &QPushButton::clicked, this, &Ttblbraille::Button2Click);
    setTabOrder(Button1, Button2);

    centreOnScreen(this);
    maximizeOnScreen(this);
}

bool Ttblbraille::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel1 && event->type() == QEvent::Resize)
        Panel1Resize();
    return QDialog::eventFilter(watched, event);
}

void Ttblbraille::Panel1Resize()
{
    const int half = Panel1->width() / 2;
    Button1->setGeometry(0, 0, half, Panel1->height());
    Button2->setGeometry(Button1->width(), 0, half, Panel1->height());
}

void Ttblbraille::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Ttblbraille::FormShow()
{
    maximizeOnScreen(this);
    html1->navigate(contentFile(QStringLiteral("\\html\\table6.html")));
    Button1->setFocus();
    Announcer::of(this)->say(QStringLiteral("Tab porta nella tabella: ogni segno è una fermata, "
                                            "con il suo nome, le sue celle e i suoi punti."));
}

void Ttblbraille::html1BeforeNavigate2(const QString &url, bool &cancel)
{
    if (!isUnitLink(url))
        return;
    cancel = true;
    // Shown once the browser's navigation call has returned: a modal box must not run
    // inside it.
    QMetaObject::invokeMethod(
        this,
        [] {
            platform().messages->information(
                QStringLiteral("Attenzione"),
                QStringLiteral("Non è possibile visualizzare le Unità \r\nall'interno degli "
                               "esercizi"));
        },
        Qt::QueuedConnection);
}

void Ttblbraille::Button2Click()
{
    html1->showFindBox();
}
