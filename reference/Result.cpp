// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/Result.h"

#include "rules/Codes.h"
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "platform/ReadingAids.h"
#include "platform/Announcer.h"
#include "rules/Cp1252.h"
#include "platform/Modal.h"
#include "platform/Platform.h"
#include "platform/Zoom.h"

#include <QFrame>
#include <QPushButton>
#include <QShowEvent>


Grade gradeFor(int correct)
{
    if (correct <= 5)
        return {"\\img\\img035.gif", "INSUFFICIENTE", "Si consiglia di ripetere la lezione"};
    if (correct <= 7)
        return {"\\img\\img036.gif", "SUFFICIENTE", "Si consiglia di ripassare la lezione"};
    if (correct <= 9)
        return {"\\img\\img037.gif", "BUONO", "Si consiglia di riguardare la lezione"};
    return {"\\img\\img038.gif", "OTTIMO", "OK passa alla lezione successiva"};
}

QByteArray resultPage(const QByteArray &dir, int correct, const QString &written)
{
    const Grade grade = gradeFor(correct);
    QByteArray page =
        "<HTML><HEAD><TITLE></TITLE><meta http-equiv=\"Content-Type\" "
        "content=\"text/html;charset=windows-1252\"><style type=\"text/css\">.titoli {  "
        "font-family: Times new roman; font-size: 24px;  color: #FF0000}</style></HEAD><BODY "
        "class=\"titoli\" BACKGROUND=";
    page += '"' + dir + "\\img\\Image202.jpg\">";
    page += "<p align=\"center\"><img border=\"0\" src=\"" + dir + grade.picture;
    page += QByteArray("\" width=\"32\" height=\"32\"></p><p align=\"center\">") + grade.word
            + "<BR>Esercizi corretti ";
    page += QByteArray::number(correct);
    page += "/" + QByteArray::number(TestLength) + "<BR>" + grade.advice;
    page += "</P>";
    if (!written.isEmpty())
        page += "<p align=\"center\" style=\"font-size: 18px\">" + toCp1252(written.toHtmlEscaped())
                + "</p>";
    page += "</BODY></HTML>";
    return page;
}

TFresult::TFresult(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Fresult"));
    setWindowTitle(QStringLiteral("Risultati"));

    html1 = platform().createHtmlView(this, ViewEngine::Shared);
    html1->setObjectName(QStringLiteral("html1"));
    html1->setAccessibleName(QStringLiteral("Risultati del test"));
    html1->ReadingScript = pageReadingScript;
    sayEachPage(html1);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Button1 = new QPushButton(QStringLiteral("&OK"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(ModalOk); });
    // Zoomed, the window grows with its page, so that the advice never needs scrolling in a
    // small box; at the normal zoom it has its usual size.
    Zoom::instance().follow(this, [this](double factor) { LayOut(factor); });

    centreOnScreen(this);
}

void TFresult::SetWriting(const QString &words)
{
    m_writing = words;
    LayOut(Zoom::instance().factor());
}

void TFresult::LayOut(double factor)
{
    const auto scaled = [factor](int pixels) { return qRound(pixels * factor); };
    // The line on how the test was written needs room of its own below the advice.
    const int page = m_writing.isEmpty() ? 203 : 240;
    setFixedSize(scaled(491), scaled(page + 46));
    html1->setGeometry(0, 0, scaled(491), scaled(page));
    Panel1->setGeometry(0, scaled(page), scaled(491), scaled(46));
    Button1->setGeometry(scaled(191), scaled(10), scaled(101), scaled(26));
}

void TFresult::PreparePage()
{
    FormShow();
    html1->waitForPage();
    m_prepared = true;
}

void TFresult::setVisible(bool visible)
{
    if (visible && !isVisible() && !m_prepared)
        PreparePage();
    QDialog::setVisible(visible);
    m_prepared = false;
}

void TFresult::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous() && !m_prepared)
        FormShow();
}

void TFresult::FormShow()
{
    CorrectCount = testScore(CorrectCount);
    dm->PageBuffer = resultPage(toCp1252(state().ContentDir), CorrectCount, m_writing);
    dm->SavePage();
    html1->navigate(dm->PageFile());
    Button1->setFocus();
}
