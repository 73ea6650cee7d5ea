#pragma once

#include <QHash>
#include <QObject>

class QWidget;

// Keeps children at their designed distances from the right or bottom edge of their parent
// when the parent changes size, as anchored controls do.
class TAnchors : public QObject {
public:
    enum Edge { Right = 1, Bottom = 2 };
    explicit TAnchors(QObject *owner) : QObject(owner) {}
    // `stretch`: the child grows with the parent; otherwise it moves with the anchored edge.
    void Anchor(QWidget *child, int edges, bool stretch);
    // Applies the rules of the children of `parent` now. A hidden parent gets its resize
    // event only when shown; code that reads the children's sizes right after resizing a
    // hidden parent (the screen adaptation) calls this first.
    void Apply(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Rule {
        int edges;
        bool stretch;
        int right;
        int bottom;
    };
    QHash<QWidget *, Rule> fRules;
};
