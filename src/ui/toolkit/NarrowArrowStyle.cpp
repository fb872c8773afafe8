#include "ui/toolkit/NarrowArrowStyle.h"

#include <QStyleOptionComplex>

namespace rotamind {

NarrowArrowStyle::NarrowArrowStyle(int arrowWidth) : m_arrowWidth(arrowWidth) {}

QRect NarrowArrowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                       SubControl subControl, const QWidget* widget) const {
    const QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control != CC_ComboBox)
        return rect;
    const QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
    const int gained = arrow.width() - m_arrowWidth;
    if (gained <= 0)
        return rect;
    if (subControl == SC_ComboBoxArrow)
        return rect.adjusted(gained, 0, 0, 0);
    if (subControl == SC_ComboBoxEditField)
        return rect.adjusted(0, 0, gained, 0);
    return rect;
}

} // namespace rotamind
