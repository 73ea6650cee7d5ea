#pragma once

#include <QDialog>

namespace Ui {
class TfNewMera;
}
class QAction;
class QKeyEvent;

// The measures (portions) of one product. The opener sets Label1, IdProd and KkalProd and
// runs exec(); the dialog is closed by the window's close button. While the edit panel is
// shown, the caption of ButOK tells whether a measure is added ("Добавить") or changed
// ("Изменить").
class TfNewMera : public QDialog {
    Q_OBJECT
public:
    explicit TfNewMera(QWidget *parent = nullptr);
    ~TfNewMera() override;

    Ui::TfNewMera *ui;

    // The product whose measures are shown.
    int IdProd = 0;
    // Its kcal per 100 g when the dialog was opened; 0 when not given, and then the first
    // measure stored with grams defines it.
    double KkalProd = 0;

    QAction *APaintLVNewMera;

    void FormShow();
    void APaintLVNewMeraExecute();
    void ButNew1Click();
    void ButEdit1Click();
    void ButDel1Click();
    void ButOK1Click();
    void ButCancel1Click();
    // Key filters: true when the typed character is refused or replaced.
    bool EdGrammKeyPress(QKeyEvent *event);
    bool EdKkalKeyPress(QKeyEvent *event);
    void EdKkalChange();
    void EdGrammExit();
    void EdKkalExit();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Browse();
    void StartEditing(const QString &okCaption);
};

extern TfNewMera *fNewMera;
