#include "shell/contrast_style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

QColor outlineColour(const QPalette& palette)
{
    const QColor text = palette.color(QPalette::WindowText);
    const QColor window = palette.color(QPalette::Window);
    constexpr float share = 0.6f;
    return QColor::fromRgbF(text.redF() * share + window.redF() * (1 - share),
                            text.greenF() * share + window.greenF() * (1 - share),
                            text.blueF() * share + window.blueF() * (1 - share));
}

class ContrastStyle : public QProxyStyle {
public:
    ContrastStyle(QStyle* base, bool fusion) : QProxyStyle(base), m_fusion(fusion) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_FrameFocusRect && qobject_cast<const QAbstractButton*>(widget)) {
            drawFocusFrame(option, painter);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (m_fusion && element == PE_IndicatorRadioButton)
            outlineRadio(option, painter);
        else if (m_fusion && element == PE_IndicatorCheckBox)
            outlineCheckBox(option, painter);
    }

private:
    static void drawFocusFrame(const QStyleOption* option, QPainter* painter)
    {
        // Like the desktop style, only once the keyboard has moved the focus.
        if (!(option->state & State_KeyboardFocusChange))
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

    // Over Fusion's own outline, at the same place.
    static void outlineRadio(const QStyleOption* option, QPainter* painter)
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        const QPointF centre = option->rect.center() + QPoint(1, 1);
        const qreal radius = (option->rect.width() + (option->rect.width() + 1) % 2) / 2.0 - 1;
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(outlineColour(option->palette), 1.2));
        painter->drawEllipse(centre, radius, radius);
        painter->restore();
    }

    static void outlineCheckBox(const QStyleOption* option, QPainter* painter)
    {
        painter->save();
        painter->translate(0.5, 0.5);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(outlineColour(option->palette), 1));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

    bool m_fusion;
};

} // namespace

void InstallContrastStyle()
{
    QStyle* present = QApplication::style();
    if (!present || dynamic_cast<ContrastStyle*>(present))
        return;
    QStyle* base = QStyleFactory::create(present->name());
    if (!base)
        return;
    const bool fusion = present->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    QApplication::setStyle(new ContrastStyle(base, fusion));
}
