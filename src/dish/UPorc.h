#pragma once

#include <QDialog>

namespace Ui {
class TfPorc;
}
class QKeyEvent;
struct TDishTotals;

// Makes the ready dish from its portions when the weight of the cooked dish is not known.
class TfPorc : public QDialog {
    Q_OBJECT
public:
    explicit TfPorc(QWidget *parent = nullptr);
    ~TfPorc() override;

    Ui::TfPorc *ui;

    // The dish's totals, handed over by fBludo before the dialog is shown.
    void SetTotals(const TDishTotals &totals);

    void FormShow();
    void UDClick(bool up);
    // Key filter: true when the typed character is refused.
    bool EdGrammKeyPress(QKeyEvent *event);
    void ButOKClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    double K = 0;
    double B = 0;
    double Z = 0;
    double U = 0;
};

extern TfPorc *fPorc;
