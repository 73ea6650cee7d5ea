#include "UMain.h"
#include "ui_UMain.h"

#include "Catalogue.h"
#include "GrupTree.h"
#include "ListView.h"
#include "Numbers.h"
#include "UDM.h"
#include "UDialog.h"
#include "ULevelGrup.h"
#include "UNewGrup.h"
#include "UNewPodgrup.h"
#include "UNewProd.h"
#include "ui_UNewGrup.h"
#include "ui_UNewPodgrup.h"
#include "ui_UNewProd.h"

#include <QKeyEvent>
#include <QStyle>
#include <functional>

using namespace GrupTree;

namespace {

// Runs a handler when the mouse button is let go over a widget, wherever in it.
class TClickFilter : public QObject {
public:
    TClickFilter(QWidget *widget, std::function<void()> handler)
        : QObject(widget), fHandler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            fHandler();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> fHandler;
};

// The selection keeps its colours while the list is not focused.
void KeepSelectionColours(QWidget *view)
{
    QPalette palette = view->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

int Position(const QTreeWidget *tree, QTreeWidgetItem *node)
{
    return node->parent() ? node->parent()->indexOfChild(node) : tree->indexOfTopLevelItem(node);
}

QTreeWidgetItem *Sibling(QTreeWidget *tree, QTreeWidgetItem *node, int position)
{
    QTreeWidgetItem *parent = node->parent();
    const int count = parent ? parent->childCount() : tree->topLevelItemCount();
    if (position < 0 || position >= count)
        return nullptr;
    return parent ? parent->child(position) : tree->topLevelItem(position);
}

// Exchanges the selected node with its neighbour `step` places away among its siblings: both
// rows get their new positions together, then the two nodes change places with everything
// below them. Returns the moved node, or null when there is nothing to exchange with.
QTreeWidgetItem *MoveNode(QTreeWidget *tree, int step)
{
    QTreeWidgetItem *moved = tree->currentItem();
    if (!moved)
        return nullptr;
    const int from = Position(tree, moved);
    QTreeWidgetItem *other = Sibling(tree, moved, from + step);
    if (!other)
        return nullptr;
    const int to = from + step;
    {
        TTransaction t(DM->ADOTrans);
        TQuery &q = DM->SQLGrup;
        q.SetSQL(QStringLiteral("Update tab_grup SET num_TV=") + IntToStr(to) +
                 QStringLiteral(" WHERE id_grup=") + IntToStr(NodeId(moved)));
        q.ExecSQL();
        q.SetSQL(QStringLiteral("Update tab_grup SET num_TV=") + IntToStr(from) +
                 QStringLiteral(" WHERE id_grup=") + IntToStr(NodeId(other)));
        q.ExecSQL();
        t.Commit();
    }
    TRedrawOff frozen(tree);
    if (QTreeWidgetItem *parent = moved->parent()) {
        parent->takeChild(from);
        parent->insertChild(to, moved);
    } else {
        tree->takeTopLevelItem(from);
        tree->insertTopLevelItem(to, moved);
    }
    SelectNode(tree, moved);
    return moved;
}

} // namespace

void TfMain::ConnectCatalogue()
{
    ListView::Setup(ui->LVProd, {{QStringLiteral("Название"), 300}, {QStringLiteral("Ккал"), 87}},
                    false);
    KeepSelectionColours(ui->LVProd);
    KeepSelectionColours(ui->TVGrup);
    ui->TVGrup->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->TVGrup->setIconSize(QSize(16, 16));
    connect(ui->TVGrup, &QTreeWidget::itemClicked, this, &TfMain::TVGrupClick);
    connect(ui->ButVerh, &QToolButton::clicked, this, &TfMain::ButVerhClick);
    connect(ui->ButVniz, &QToolButton::clicked, this, &TfMain::ButVnizClick);
    connect(ui->ButNewGrup1, &QPushButton::clicked, this, &TfMain::ButNewGrup1Click);
    connect(ui->ButEditGrup, &QPushButton::clicked, this, &TfMain::ButEditGrupClick);
    connect(ui->ButDelGrup, &QPushButton::clicked, this, &TfMain::ButDelGrupClick);
    connect(ui->ButNewProd, &QPushButton::clicked, this, &TfMain::ButNewProdClick);
    connect(ui->ButEditProd, &QPushButton::clicked, this, &TfMain::ButEditProdClick);
    connect(ui->ButDelProd, &QPushButton::clicked, this, &TfMain::ButDelProdClick);
    new TClickFilter(ui->LVProd->viewport(), [this] { LVProdClick(); });
}

void TfMain::APaintTVGrupExecute()
{
    ui->TVGrup->clear();
    // One statement for the whole hierarchy: sorted by parent and then by order value, each
    // group's children come out as the per-group query would list them.
    TQuery &q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_grup ORDER BY id_parent,num_TV"));
    q.Open();
    QList<TGrupRow> rows;
    rows.reserve(q.RecordCount());
    for (; !q.Eof(); q.Next())
        rows.append({q.Field(0).toInt(), q.Field(1).toString(),
                     q.FieldByName(QStringLiteral("id_parent")).toInt()});
    const QIcon icon = style()->standardIcon(QStyle::SP_DirIcon);
    QList<QTreeWidgetItem *> tops;
    QList<QTreeWidgetItem *> last; // the latest node of each depth
    for (const TGrupNode &n : GrupDisplayOrder(rows)) {
        auto *node = n.level == 0 ? new QTreeWidgetItem : new QTreeWidgetItem(last.at(n.level - 1));
        node->setText(0, n.row.name);
        node->setData(0, Qt::UserRole, n.row.id);
        node->setIcon(0, icon);
        if (n.level == 0)
            tops.append(node);
        last.resize(n.level);
        last.append(node);
    }
    ui->TVGrup->addTopLevelItems(tops);
    if (ui->TVGrup->topLevelItemCount() > 0) {
        ui->TVGrup->setCurrentItem(ui->TVGrup->topLevelItem(0));
        TVGrupClick();
    } else {
        APaintTVProd->trigger();
    }
}

void TfMain::APaintCBGrupExecute()
{
    QComboBox *chooser = fNewProd->ui->CBGrup;
    chooser->clear();
    for (QTreeWidgetItemIterator it(ui->TVGrup); *it; ++it) {
        const QTreeWidgetItem *node = *it;
        chooser->addItem(
            GroupChooserText(node->parent() ? node->parent()->text(0) : QString(), node->text(0)),
            NodeId(node));
    }
    chooser->setCurrentIndex(-1);
    if (const QTreeWidgetItem *selected = ui->TVGrup->currentItem())
        chooser->setCurrentIndex(chooser->findData(NodeId(selected)));
}

void TfMain::TVGrupClick()
{
    APaintTVProd->trigger();
}

void TfMain::ButVerhClick()
{
    MoveNode(ui->TVGrup, -1);
    ui->TVGrup->setFocus();
}

void TfMain::ButVnizClick()
{
    QTreeWidgetItem *moved = MoveNode(ui->TVGrup, +1);
    if (moved && !moved->parent())
        TVGrupClick();
    ui->TVGrup->setFocus();
}

void TfMain::ButNewGrup1Click()
{
    if (fLevelGrup->exec() != QDialog::Accepted)
        return;
    if (fLevelGrup->ItemIndex() == 0) {
        fNewGrup->setWindowTitle(TfNewGrup::CaptionNew);
        fNewGrup->ui->EdNewGrup->clear();
        fNewGrup->exec();
    } else if (ui->TVGrup->currentItem()) {
        fNewPodgrup->setWindowTitle(TfNewPodgrup::CaptionNew);
        fNewPodgrup->ui->EdPodgrup->clear();
        fNewPodgrup->exec();
    }
}

void TfMain::ButEditGrupClick()
{
    QTreeWidgetItem *node = ui->TVGrup->currentItem();
    if (!node)
        return;
    if (node->parent()) {
        fNewPodgrup->setWindowTitle(TfNewPodgrup::CaptionEdit);
        fNewPodgrup->ui->EdPodgrup->setText(node->text(0));
        fNewPodgrup->exec();
        return;
    }
    fNewGrup->setWindowTitle(TfNewGrup::CaptionEdit);
    // A group with subgroups cannot become a subgroup itself.
    const bool movable = node->childCount() == 0;
    fNewGrup->ui->CBGrup->setVisible(movable);
    fNewGrup->ui->lab_grup->setVisible(movable);
    if (movable) {
        QComboBox *into = fNewGrup->ui->CBGrup;
        into->clear();
        into->addItem(QStringLiteral("нет"), -1);
        TQuery &q = DM->SQLGrup;
        q.SetSQL(QStringLiteral("SELECT * FROM tab_grup WHERE id_parent=0 and id_grup<>") +
                 IntToStr(NodeId(node)));
        q.Open();
        for (; !q.Eof(); q.Next())
            into->addItem(q.Field(1).toString(), q.Field(0).toInt());
        into->setCurrentIndex(0);
    }
    fNewGrup->ui->EdNewGrup->setText(node->text(0));
    fNewGrup->exec();
}

void TfMain::ButDelGrupClick()
{
    QTreeWidgetItem *node = ui->TVGrup->currentItem();
    if (!node)
        return;
    if (fDialog->Ask(QStringLiteral("Удалить группу \"") + node->text(0) +
                         QStringLiteral("\" (все продукты, вход. в состав также будут удалены)? "),
                     this)) {
        const int id = NodeId(node);
        TQuery &list = DM->SQL1;
        TQuery &each = DM->SQL2;
        const auto forEachProduct = [&](const QString &select, const QString &statement) {
            list.SetSQL(select);
            list.Bind(QStringLiteral("id_prod"), id);
            list.Open();
            for (; !list.Eof(); list.Next()) {
                each.SetSQL(statement);
                each.Bind(QStringLiteral("id_prod"), list.FieldByName(QStringLiteral("id_prod")));
                each.ExecSQL();
            }
        };
        const auto exec = [&](const QString &statement, int value) {
            list.SetSQL(statement);
            list.Bind(QStringLiteral("id_prod"), value);
            list.ExecSQL();
        };
        const QString subgroupProducts =
            QStringLiteral("SELECT id_prod FROM tab_prod INNER JOIN tab_grup ON "
                           "tab_prod.id_grup=tab_Grup.id_grup WHERE id_parent=:id_prod");
        const QString deleteMeasures =
            QStringLiteral("DELETE FROM tab_mera WHERE id_prod=:id_prod");

        TTransaction t(DM->ADOTrans);
        forEachProduct(subgroupProducts, deleteMeasures);
        forEachProduct(QStringLiteral("SELECT id_prod FROM tab_prod WHERE id_grup=:id_prod"),
                       deleteMeasures);
        forEachProduct(subgroupProducts,
                       QStringLiteral("DELETE FROM tab_prod WHERE id_prod=:id_prod"));
        exec(QStringLiteral("DELETE FROM tab_grup WHERE id_grup=:id_prod"), id);
        exec(QStringLiteral("DELETE FROM tab_grup WHERE id_parent=:id_prod"), id);
        if (!node->parent())
            exec(QStringLiteral("UPDATE tab_grup SET num_TV=num_TV-1 WHERE num_TV>:id_prod"),
                 ui->TVGrup->indexOfTopLevelItem(node));
        exec(QStringLiteral("DELETE FROM tab_prod WHERE id_grup=:id_prod"), id);
        t.Commit();
        APaintTVGrup->trigger();
    }
    APaintLVRAc->trigger();
}

void TfMain::APaintTVProdExecute()
{
    QTreeWidgetItem *node = ui->TVGrup->currentItem();
    if (!node && ui->TVGrup->topLevelItemCount() > 0)
        node = ui->TVGrup->topLevelItem(0);
    const int id = node ? NodeId(node) : -1;
    TQuery &q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("SELECT id_prod, naim_prod, kkal FROM tab_prod WHERE id_grup=") +
             IntToStr(id) + QStringLiteral(" ORDER BY naim_prod"));
    q.Open();
    TRedrawOff frozen(ui->LVProd);
    ListView::Clear(ui->LVProd);
    for (; !q.Eof(); q.Next())
        ListView::AddRow(ui->LVProd, q.Field(1).toString(), {FloatToStrOne(q.Field(2).toDouble())},
                         q.Field(0).toInt());
    if (ui->LVProd->rowCount() > 0)
        ListView::Select(ui->LVProd, 0);
}

void TfMain::ButNewProdClick()
{
    fNewProd->setWindowTitle(TfNewProd::CaptionNew);
    DM->TableProd.Open();
    DM->TableProd.Append();
    fNewProd->exec();
    APaintTVProd->trigger();
}

void TfMain::ButEditProdClick()
{
    const int row = ListView::Selected(ui->LVProd);
    if (row < 0)
        return;
    fNewProd->setWindowTitle(TfNewProd::CaptionEdit);
    DM->TableProd.Open();
    // A product that is gone meanwhile must not leave another one open for editing.
    if (!DM->TableProd.Locate(ListView::Data(ui->LVProd, row).toInt())) {
        APaintTVProd->trigger();
        return;
    }
    DM->TableProd.Edit();
    fNewProd->exec();
}

void TfMain::ButDelProdClick()
{
    const int row = ListView::Selected(ui->LVProd);
    if (row < 0)
        return;
    const QString id = IntToStr(ListView::Data(ui->LVProd, row).toInt());
    {
        TTransaction t(DM->ADOTrans);
        TQuery &q = DM->SQLGrup;
        q.SetSQL(QStringLiteral("DELETE FROM tab_prod WHERE id_prod=") + id);
        q.ExecSQL();
        q.SetSQL(QStringLiteral("DELETE FROM tab_mera WHERE id_prod=") + id);
        q.ExecSQL();
        t.Commit();
    }
    APaintTVProd->trigger();
    APaintLVRAc->trigger();
}

void TfMain::LVProdClick()
{
    if (ListView::Selected(ui->LVProd) < 0 && ui->LVProd->rowCount() > 0)
        ListView::Select(ui->LVProd, 0);
}

void TfMain::LVProdKeyPress(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        ListView::Selected(ui->LVProd) >= 0)
        ButvRacClick();
}

void TfMain::LVProdKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete)
        ButDelProdClick();
}
