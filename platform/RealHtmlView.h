#pragma once

#include "platform/HtmlView.h"

class QLineEdit;
class QWebEngineView;
class QWidget;

// Qt WebEngine behind the browser interface, with a small find bar of our own.
// The engine view is made on the first navigation, so that a window that never shows a
// page costs no renderer.
class RealHtmlView : public HtmlView
{
    Q_OBJECT
public:
    explicit RealHtmlView(QWidget *parent = nullptr);

    void navigate(const QString &path) override;
    void goBack() override;
    void focusDocument() override;
    void showFindBox() override;
    QString currentUrl() const override;

private:
    QWebEngineView *view();
    void find(bool backward);
    void hideFindBar();

    QWebEngineView *m_view = nullptr;
    QWidget *m_findBar = nullptr;
    QLineEdit *m_findText = nullptr;
};

// Chromium's settings for the program; called before the application object is made.
void prepareWebEngine();
