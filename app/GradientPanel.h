#pragma once

#include <QColor>
#include <QFrame>

// A raised panel filled with a top-to-bottom colour gradient, on which the
// main window groups each direction's caption and button.
class GradientPanel : public QFrame {
public:
    GradientPanel(const QColor &top, const QColor &bottom, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_top;
    QColor m_bottom;
};
