#include "UpDown.h"

#include <QToolButton>

TUpDown::TUpDown(QWidget *parent)
    : QWidget(parent), fUp(new QToolButton(this)), fDown(new QToolButton(this))
{
    fUp->setArrowType(Qt::UpArrow);
    fDown->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {fUp, fDown}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(fUp, &QToolButton::clicked, this, [this] { emit Click(true); });
    connect(fDown, &QToolButton::clicked, this, [this] { emit Click(false); });
}

void TUpDown::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    fUp->setGeometry(0, 0, width(), half);
    fDown->setGeometry(0, half, width(), height() - half);
}
