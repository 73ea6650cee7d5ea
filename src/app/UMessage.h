#pragma once

#include <QDialog>

namespace Ui {
class TFMessage;
}

// The message box with one "ОК" button, reused for every message.
class TFMessage : public QDialog {
    Q_OBJECT
public:
    explicit TFMessage(QWidget *parent = nullptr);
    ~TFMessage() override;

    // Shows the text modally, centred over the window the message concerns.
    void ShowMessage(const QString &text, QWidget *over);
    // The same, centred over a rectangle (outer position and size of a window).
    void ShowMessage(const QString &text, const QRect &over);

    Ui::TFMessage *ui;
};

// Moves a box so that it stands centred over a rectangle of outer screen coordinates.
void CenterOver(QWidget *box, const QRect &over);
// Outer rectangle of a window on the screen.
QRect OuterRect(const QWidget *window);

extern TFMessage *FMessage;
