// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/flower/flat_list_style.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComboBox>

namespace {

class FlatListStyle : public QProxyStyle
{
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *list = qstyleoption_cast<const QStyleOptionComboBox *>(option);
        if (control != CC_ComboBox || !list || list->editable) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QColor face = option->palette.color(QPalette::Button);
        const QColor text = option->palette.color(QPalette::ButtonText);
        painter->save();
        painter->fillRect(option->rect, face);
        // A darker frame; the text colour marks the focus.
        painter->setPen(option->state & State_HasFocus ? text : face.darker(160));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        QStyleOption arrow(*option);
        arrow.rect = subControlRect(CC_ComboBox, list, SC_ComboBoxArrow, widget);
        arrow.palette.setColor(QPalette::ButtonText, text);
        arrow.palette.setColor(QPalette::WindowText, text);
        arrow.palette.setColor(QPalette::Text, text);
        proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
        painter->restore();
    }
};

} // namespace

void UseFlatFace(QComboBox *list)
{
    // One style for every such list, living as long as the application.
    static FlatListStyle *style = [] {
        auto *created = new FlatListStyle;
        created->setParent(qApp);
        return created;
    }();
    list->setStyle(style);
}
