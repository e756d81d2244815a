#include "app/GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

GradientPanel::GradientPanel(const QColor &top, const QColor &bottom, QWidget *parent)
    : QFrame(parent)
    , m_top(top)
    , m_bottom(bottom)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
}

void GradientPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().bottomLeft());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    painter.fillRect(rect(), gradient);
    painter.end();
    QFrame::paintEvent(event);
}
