#pragma once

#include <QWidget>

// Suspends a widget's redrawing for a scope, also when the scope is left by an error, so that
// a list rebuilt row by row is drawn once.
class TRedrawOff {
public:
    explicit TRedrawOff(QWidget *widget) : fWidget(widget) { fWidget->setUpdatesEnabled(false); }
    ~TRedrawOff() { fWidget->setUpdatesEnabled(true); }
    TRedrawOff(const TRedrawOff &) = delete;
    TRedrawOff &operator=(const TRedrawOff &) = delete;

private:
    QWidget *fWidget;
};
