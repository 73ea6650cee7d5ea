#pragma once

#include <QWidget>

class QToolButton;

// Up and down arrows on their own, tied to no field: the owner decides what a click changes.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget *parent = nullptr);

    QToolButton *UpButton() const { return fUp; }
    QToolButton *DownButton() const { return fDown; }

signals:
    void Click(bool up);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *fUp;
    QToolButton *fDown;
};
