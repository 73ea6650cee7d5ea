#include "UMain.h"
#include "ui_UMain.h"

#include "ListView.h"
#include "Numbers.h"
#include "UDM.h"

void TfMain::ConnectCatalogue()
{
    ListView::Setup(ui->LVProd, {{QStringLiteral("Название"), 300}, {QStringLiteral("Ккал"), 87}},
                    false);
    connect(ui->TVGrup, &QTreeWidget::itemClicked, this, &TfMain::TVGrupClick);
}

void TfMain::APaintTVGrupExecute()
{
    ui->TVGrup->clear();
    TQuery &q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_grup WHERE id_parent=0 ORDER BY num_TV"));
    q.Open();
    QList<QTreeWidgetItem *> order;
    for (; !q.Eof(); q.Next()) {
        auto *node = new QTreeWidgetItem(ui->TVGrup, {q.Field(1).toString()});
        node->setData(0, Qt::UserRole, q.Field(0).toInt());
        order.append(node);
    }
    for (int i = 0; i < order.size(); ++i) {
        QTreeWidgetItem *node = order.at(i);
        q.SetSQL(QStringLiteral("SELECT * FROM tab_grup WHERE id_parent=%1 ORDER BY num_TV")
                     .arg(node->data(0, Qt::UserRole).toInt()));
        q.Open();
        int at = i + 1;
        for (; !q.Eof(); q.Next()) {
            auto *child = new QTreeWidgetItem(node, {q.Field(1).toString()});
            child->setData(0, Qt::UserRole, q.Field(0).toInt());
            order.insert(at++, child);
        }
    }
    if (ui->TVGrup->topLevelItemCount() > 0) {
        ui->TVGrup->setCurrentItem(ui->TVGrup->topLevelItem(0));
        TVGrupClick();
    } else {
        APaintTVProd->trigger();
    }
}

void TfMain::APaintCBGrupExecute() {}

void TfMain::TVGrupClick()
{
    APaintTVProd->trigger();
}

void TfMain::ButVerhClick() {}
void TfMain::ButVnizClick() {}
void TfMain::ButNewGrup1Click() {}
void TfMain::ButEditGrupClick() {}
void TfMain::ButDelGrupClick() {}

void TfMain::APaintTVProdExecute()
{
    QTreeWidgetItem *node = ui->TVGrup->currentItem();
    if (!node && ui->TVGrup->topLevelItemCount() > 0)
        node = ui->TVGrup->topLevelItem(0);
    const int id = node ? node->data(0, Qt::UserRole).toInt() : -1;
    TQuery &q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("SELECT id_prod, naim_prod, kkal FROM tab_prod WHERE id_grup=%1 "
                            "ORDER BY naim_prod")
                 .arg(id));
    q.Open();
    ui->LVProd->setUpdatesEnabled(false);
    ListView::Clear(ui->LVProd);
    for (; !q.Eof(); q.Next())
        ListView::AddRow(ui->LVProd, q.Field(1).toString(), {FloatToStrOne(q.Field(2).toDouble())},
                         q.Field(0).toInt());
    if (ui->LVProd->rowCount() > 0)
        ListView::Select(ui->LVProd, 0);
    ui->LVProd->setUpdatesEnabled(true);
}

void TfMain::ButNewProdClick() {}
void TfMain::ButEditProdClick() {}
void TfMain::ButDelProdClick() {}
void TfMain::LVProdClick() {}
void TfMain::LVProdKeyPress(QKeyEvent *) {}
void TfMain::LVProdKeyDown(QKeyEvent *) {}
