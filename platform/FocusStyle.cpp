// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FocusStyle.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace {

class FocusMarkingStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        // A dialog makes its first button the default one, which the style frames as if it
        // had the focus: only the focused control wears a frame.
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (button && (button->features & QStyleOptionButton::DefaultButton)
            && !(option->state & State_HasFocus)) {
            QStyleOptionButton plain = *button;
            plain.features &= ~QStyleOptionButton::DefaultButton;
            drawControl(element, &plain, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_PushButton || !(option->state & State_HasFocus))
            return;
        painter->save();
        QPen pen(option->palette.color(QPalette::Active, QPalette::Highlight).darker(130));
        pen.setWidth(Width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        const int inset = Width / 2 + 1;
        painter->drawRect(option->rect.adjusted(inset, inset, -inset, -inset));
        painter->restore();
    }

private:
    static constexpr int Width = 3;
};

} // namespace

QStyle *createFocusMarkingStyle()
{
    return new FocusMarkingStyle;
}
