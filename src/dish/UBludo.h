#pragma once

#include <QDialog>

namespace Ui {
class TfBludo;
}
class QButtonGroup;
class QKeyEvent;
struct TDishTotals;

// Asks for the weight of the cooked dish; without it the dish is made from its portions in
// fPorc.
class TfBludo : public QDialog {
    Q_OBJECT
public:
    explicit TfBludo(QWidget *parent = nullptr);
    ~TfBludo() override;

    Ui::TfBludo *ui;
    // The radio group: item 0 "грамм", item 1 "не знаю, сколько получилось".
    QButtonGroup *RG;

    void FormShow();
    void RGClick();
    // Key filter: true when the typed character is refused.
    bool EdGrammKeyPress(QKeyEvent *event);
    void ButOKClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The day totals of the current ration in grams, from the main window's totals list.
TDishTotals RationTotals();

extern TfBludo *fBludo;
