#include "Anchors.h"

#include <QEvent>
#include <QWidget>

void TAnchors::Anchor(QWidget *child, int edges, bool stretch)
{
    QWidget *parent = child->parentWidget();
    const QRect g = child->geometry();
    fRules.insert(child, {edges, stretch, parent->width() - g.right() - 1,
                          parent->height() - g.bottom() - 1});
    parent->installEventFilter(this);
}

bool TAnchors::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched->isWidgetType())
        Apply(static_cast<QWidget *>(watched));
    return false;
}

void TAnchors::Apply(QWidget *parent)
{
    for (auto it = fRules.cbegin(); it != fRules.cend(); ++it) {
        QWidget *child = it.key();
        if (child->parentWidget() != parent)
            continue;
        const Rule &r = it.value();
        QRect g = child->geometry();
        if (r.edges & Right) {
            const int right = parent->width() - r.right;
            if (r.stretch)
                g.setWidth(right - g.left());
            else
                g.moveLeft(right - g.width());
        }
        if (r.edges & Bottom) {
            const int bottom = parent->height() - r.bottom;
            if (r.stretch)
                g.setHeight(bottom - g.top());
            else
                g.moveTop(bottom - g.height());
        }
        child->setGeometry(g);
    }
}
