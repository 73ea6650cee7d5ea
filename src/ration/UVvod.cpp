#include "UVvod.h"
#include "ui_UVvod.h"

#include <QDateTime>
#include <QKeyEvent>

TfVvod *fVvod = nullptr;

TfVvod::TfVvod(QWidget *parent) : QDialog(parent), ui(new Ui::TfVvod) {
    ui->setupUi(this);
    setFixedSize(size());
}

TfVvod::~TfVvod() {
    delete ui;
}

void TfVvod::FormCreate() {
    ui->DTP->setDateTime(QDateTime::currentDateTime());
    IdRac = -1;
}

void TfVvod::FormShow() {}
void TfVvod::RGClick() {}
void TfVvod::UDClick(bool) {}
void TfVvod::ButNowClick() {}
void TfVvod::ButDaClick() {}
void TfVvod::DTPKeyDown(QKeyEvent *) {}
void TfVvod::EdGrammKeyDown(QKeyEvent *) {}
bool TfVvod::EdGrammKeyPress(QKeyEvent *) {
    return false;
}
bool TfVvod::EDMeraKeyPress(QKeyEvent *) {
    return false;
}
void TfVvod::FillMera(int) {}

void TfVvod::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FormShow();
}

bool TfVvod::eventFilter(QObject *watched, QEvent *event) {
    return QDialog::eventFilter(watched, event);
}
