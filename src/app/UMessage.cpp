#include "UMessage.h"
#include "ui_UMessage.h"

#include "Numbers.h"

TFMessage *FMessage = nullptr;

TFMessage::TFMessage(QWidget *parent) : QDialog(parent), ui(new Ui::TFMessage)
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->ButOK, &QPushButton::clicked, this, &QDialog::accept);
}

TFMessage::~TFMessage()
{
    delete ui;
}

void TFMessage::ShowMessage(const QString &text, QWidget *over)
{
    ShowMessage(text, OuterRect(over));
}

void TFMessage::ShowMessage(const QString &text, const QRect &over)
{
    ui->labMesage->setText(text);
    CenterOver(this, over);
    exec();
}

QRect OuterRect(const QWidget *window)
{
    return window ? window->frameGeometry() : QRect();
}

void CenterOver(QWidget *box, const QRect &over)
{
    if (over.isNull())
        return;
    // Outer sizes: frameGeometry() counts the window frame only once the platform window
    // exists, so it is made first for a box never shown yet.
    box->winId();
    const QRect outer = box->frameGeometry();
    box->move(CenterCoord(over.left(), over.width(), outer.width()),
              CenterCoord(over.top(), over.height(), outer.height()));
}
