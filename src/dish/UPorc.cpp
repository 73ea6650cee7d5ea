#include "UPorc.h"
#include "ui_UPorc.h"

#include "GrupTree.h"
#include "KeyPress.h"
#include "Numbers.h"
#include "ReadyDish.h"
#include "UMain.h"
#include "UMessage.h"
#include "ui_UMain.h"

#include <QKeyEvent>

TfPorc *fPorc = nullptr;

TfPorc::TfPorc(QWidget *parent) : QDialog(parent), ui(new Ui::TfPorc)
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->UD, &TUpDown::Click, this, &TfPorc::UDClick);
    connect(ui->ButOK, &QPushButton::clicked, this, &TfPorc::ButOKClick);
    connect(ui->ButCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->EdGramm->installEventFilter(this);
}

TfPorc::~TfPorc()
{
    delete ui;
}

void TfPorc::SetTotals(const TDishTotals &totals)
{
    K = totals.K;
    B = totals.B;
    Z = totals.Z;
    U = totals.U;
}

void TfPorc::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

bool TfPorc::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->EdGramm && event->type() == QEvent::KeyPress &&
        EdGrammKeyPress(static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TfPorc::FormShow()
{
    ui->EDMera->setText(QStringLiteral("1"));
    ui->EdProd->clear();
    ui->EdPorc->clear();
    ui->EdGramm->clear();
    ui->CBGrup->clear();
    for (QTreeWidgetItemIterator it(fMain->ui->TVGrup); *it; ++it)
        ui->CBGrup->addItem((*it)->text(0), (*it)->data(0, Qt::UserRole));
    const QTreeWidgetItem *selected = fMain->ui->TVGrup->currentItem();
    ui->CBGrup->setCurrentIndex(selected ? ui->CBGrup->findData(selected->data(0, Qt::UserRole))
                                         : -1);
}

void TfPorc::UDClick(bool up)
{
    QString count = ui->EDMera->text();
    if (StepPortionCount(count, up))
        ui->EDMera->setText(count);
}

bool TfPorc::EdGrammKeyPress(QKeyEvent *event)
{
    return FilterWholeKey(event);
}

void TfPorc::ButOKClick()
{
    const auto refuse = [this](QWidget *field, const QString &message) {
        field->setFocus();
        FMessage->ShowMessage(message, this);
    };
    if (ui->EDMera->text().isEmpty())
        return refuse(ui->EDMera, QStringLiteral("Запишите количество порций"));
    if (StrToFloat(ui->EDMera->text()) == 0)
        return refuse(ui->EDMera, QStringLiteral("Запишите количество порций (не равно 0)"));
    if (ui->EdProd->text().isEmpty())
        return refuse(ui->EdProd, QStringLiteral("Запишите название порции"));
    if (ui->EdPorc->text().isEmpty())
        return refuse(ui->EdPorc, QStringLiteral("Запишите название порции"));
    if (ui->EdGramm->text().isEmpty())
        return refuse(ui->EdGramm, QStringLiteral("Запишите количество грамм в порции, если "
                                                  "неизвестно -то запишите 0"));
    // A product of group 0 would be deleted at the next start, so the dish needs a group.
    if (ui->CBGrup->currentIndex() < 0)
        return refuse(ui->CBGrup, QStringLiteral("Выберите группу для блюда"));

    const double portions = StrToFloat(ui->EDMera->text());
    const qint32 grams = StrToInt(ui->EdGramm->text());
    const int group = ui->CBGrup->currentData().toInt();
    WritePortionDish(
        ui->EdProd->text(), group, ui->EdPorc->text(), {K, B, Z, U}, portions, grams, [this] {
            FMessage->ShowMessage(QStringLiteral("Все меры, включая меру 100г, будут пересчитаны с "
                                                 "учетом новых данных по соотношению ккал-грамм"),
                                  this);
        });

    if (QTreeWidgetItem *node = GrupTree::FindById(fMain->ui->TVGrup, group))
        fMain->ui->TVGrup->setCurrentItem(node);
    fMain->APaintTVProd->trigger();
    accept();
}
