#include "shell/colour_area.h"

#include <QWidget>

namespace colour_area {
namespace {

QColor mixed(const QColor& a, const QColor& b, double share)
{
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

} // namespace

QPalette areaPalette(const QColor& background, const QColor& text)
{
    const QColor button(239, 239, 239);
    QPalette p;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        p.setColor(group, QPalette::Window, background);
        // Disabled texts stay readable on the course colour, only dimmer.
        p.setColor(group, QPalette::WindowText, off ? mixed(text, background, 0.4) : text);
        p.setColor(group, QPalette::Base, off ? button : Qt::white);
        p.setColor(group, QPalette::AlternateBase, QColor(247, 247, 247));
        p.setColor(group, QPalette::Text, off ? QColor(120, 120, 120) : Qt::black);
        p.setColor(group, QPalette::PlaceholderText, QColor(110, 110, 110));
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::ButtonText, off ? QColor(120, 120, 120) : Qt::black);
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::Light, Qt::white);
        p.setColor(group, QPalette::Midlight, button.lighter(110));
        p.setColor(group, QPalette::Mid, button.darker(130));
        p.setColor(group, QPalette::Dark, button.darker(200));
        p.setColor(group, QPalette::Shadow, Qt::black);
        p.setColor(group, QPalette::Highlight, off ? QColor(145, 145, 145) : QColor(48, 140, 198));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
        p.setColor(group, QPalette::ToolTipText, Qt::black);
        // Links stand on the course colour, as texts do.
        p.setColor(group, QPalette::Link, p.color(group, QPalette::WindowText));
        p.setColor(group, QPalette::LinkVisited, p.color(group, QPalette::WindowText));
    }
    return p;
}

void paintArea(QWidget* widget, const QColor& background, const QColor& text)
{
    widget->setAutoFillBackground(true);
    widget->setPalette(areaPalette(background, text));
}

} // namespace colour_area
