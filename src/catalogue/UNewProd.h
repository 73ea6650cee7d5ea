#pragma once

#include <QDialog>

namespace Ui {
class TfNewProd;
}
class QKeyEvent;
class QLineEdit;

// The product editor. It edits the current record of DM->TableProd: the opener sets the
// caption to the mode, puts the table into insert state (CaptionNew, values may be preset
// with SetFieldByName) or into edit state on the product (CaptionEdit), and runs exec().
// The fields show the record when the editor is shown; OK stores it, Отмена, Escape and the
// window's close button drop it.
class TfNewProd : public QDialog {
    Q_OBJECT
public:
    static const QString CaptionNew;  // "Добавление нового продукта"
    static const QString CaptionEdit; // "Редактирование"

    explicit TfNewProd(QWidget *parent = nullptr);
    ~TfNewProd() override;

    Ui::TfNewProd *ui;

    void FormCreate();
    void FormShow();
    // OK.
    void ButCancelClick();
    // Отмена.
    void XiButton3Click();
    // Measures of the product.
    void XiButton1Click();
    void CBBZYClick();
    void Label5Click();
    // Key handlers: true when the key is used up (moved the focus or was refused).
    bool DBEdNaimKeyPress(QKeyEvent *event);
    bool DBEdKKalKeyPress(QKeyEvent *event);
    bool DBEdBKeyPress(QKeyEvent *event);
    bool DBEdZKeyPress(QKeyEvent *event);
    bool DBEdUKeyPress(QKeyEvent *event);
    bool DBEdUKeyDown(QKeyEvent *event);
    void DBEdKKalChange();
    void DBEdBChange();
    void DBEdZChange();
    void DBEdUChange();

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows the record of TableProd in the fields.
    void LoadRecord();
    // Puts the fields' texts into the record (not the group); a number field that cannot be
    // read ends the handler with the conversion error.
    void UpdateRecord();
    void ApplyHeight();
    void CutNumber(QLineEdit *edit);

    // The user typed into the kcal field since the editor was shown.
    bool fKkalEdited = false;
};

extern TfNewProd *fNewProd;
