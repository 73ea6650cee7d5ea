#pragma once

#include <QDialog>

namespace Ui {
class TfDialog;
}

// The question box with "Да" and "Нет", reused for every question.
class TfDialog : public QDialog {
    Q_OBJECT
public:
    explicit TfDialog(QWidget *parent = nullptr);
    ~TfDialog() override;

    // Asks modally, centred over the window the question concerns. True only for "Да";
    // "Нет", Escape and the window frame all answer no.
    bool Ask(const QString &question, QWidget *over);
    bool Ask(const QString &question, const QRect &over);

    Ui::TfDialog *ui;
};

extern TfDialog *fDialog;
