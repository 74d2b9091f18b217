// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/Mistakes.h"

#include "platform/ReadingAids.h"
#include "platform/Announcer.h"
#include "platform/Modal.h"
#include "platform/Platform.h"
#include "platform/Zoom.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

TFmistakes::TFmistakes(const QString &path, QWidget *parent) : QDialog(parent), m_path(path)
{
    setObjectName(QStringLiteral("Fmistakes"));
    setWindowTitle(QStringLiteral("Esercizi da rivedere"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // An engine of its own: the window goes when it closes, and a shared one would go too.
    html1 = platform().createHtmlView(this, ViewEngine::Own);
    html1->setObjectName(QStringLiteral("html1"));
    html1->setAccessibleName(QStringLiteral("Esercizi da rivedere"));
    html1->ReadingScript = pageReadingScript;
    // The page's way back closes the window; it has no other link.
    html1->BeforeNavigate = [this](const QString &url, bool &cancel) {
        if (url.contains(QLatin1String("indietro"))) {
            cancel = true;
            QMetaObject::invokeMethod(
                this, [this] { done(ModalOk); }, Qt::QueuedConnection);
        }
    };
    sayEachPage(html1);
    layout->addWidget(html1, 1);
    Button1 = new QPushButton(QStringLiteral("&OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(ModalOk); });
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(8, 8, 8, 8);
    bar->addStretch();
    bar->addWidget(Button1);
    bar->addStretch();
    layout->addLayout(bar);
}

void TFmistakes::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Room for the list at the zoom, within the screen; the page scrolls when it is long.
    const double factor = std::max(1.0, zoom().factor());
    QSize size(qRound(640 * factor), qRound(520 * factor));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
    centreOnScreen(this);
    html1->navigate(m_path);
    Button1->setFocus();
}
