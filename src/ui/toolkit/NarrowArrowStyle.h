#pragma once

#include <QProxyStyle>

namespace rotamind {

// The window's style with a narrower drop-down arrow, for a combo box too
// small to show its whole text beside a full one ("-2" came out as "2").
class NarrowArrowStyle final : public QProxyStyle {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NarrowArrowStyle)

public:
    explicit NarrowArrowStyle(int arrowWidth);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;

private:
    int m_arrowWidth;
};

} // namespace rotamind
