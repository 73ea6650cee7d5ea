#include "UNewPodgrup.h"
#include "ui_UNewPodgrup.h"

#include "Catalogue.h"
#include "GrupTree.h"
#include "KeyPress.h"
#include "UDM.h"
#include "UMain.h"
#include "UMessage.h"
#include "ui_UMain.h"

TfNewPodgrup *fNewPodgrup = nullptr;

const QString TfNewPodgrup::CaptionNew = QStringLiteral("Добавление новой подгруппы");
const QString TfNewPodgrup::CaptionEdit = QStringLiteral("Редактирование подгруппы");

TfNewPodgrup::TfNewPodgrup(QWidget *parent) : QDialog(parent), ui(new Ui::TfNewPodgrup)
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->ButOK, &QPushButton::clicked, this, &TfNewPodgrup::ButOK1Click);
    connect(ui->ButCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->EdPodgrup->installEventFilter(this);
}

TfNewPodgrup::~TfNewPodgrup()
{
    delete ui;
}

void TfNewPodgrup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfNewPodgrup::FormShow()
{
    TQuery &q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_grup WHERE id_parent=0"));
    q.Open();
    if (!q.IsEmpty()) {
        ui->CBGrup->clear();
        ui->CBGrup->addItem(QStringLiteral("сделать верхним уровнем"), 0);
        for (; !q.Eof(); q.Next())
            ui->CBGrup->addItem(q.Field(1).toString(), q.Field(0).toInt());
        ui->CBGrup->setCurrentIndex(-1);
    }
    if (QTreeWidgetItem *node = fMain->ui->TVGrup->currentItem()) {
        const QTreeWidgetItem *group = node->parent() ? node->parent() : node;
        const int at = ui->CBGrup->findData(GrupTree::NodeId(group));
        if (at >= 0)
            ui->CBGrup->setCurrentIndex(at);
    }
    ui->EdPodgrup->setFocus();
}

void TfNewPodgrup::ButOK1Click()
{
    using namespace GrupTree;
    QTreeWidget *tree = fMain->ui->TVGrup;
    const QString name = ui->EdPodgrup->text();
    QTreeWidgetItem *selected = tree->currentItem();
    if (name.trimmed().isEmpty()) {
        FMessage->ShowMessage(QStringLiteral("Укажите название подгруппы продуктов"), this);
        return;
    }
    // Possible only for a node deeper than a subgroup, whose parent is no group to offer.
    if (ui->CBGrup->currentIndex() < 0) {
        FMessage->ShowMessage(QStringLiteral("Выберите группу, в состав которой включить "
                                             "подгруппу"),
                              this);
        return;
    }
    const int target = ui->CBGrup->currentData().toInt();

    TQuery &q = DM->SQLGrup;
    if (windowTitle() == CaptionEdit) {
        if (!selected) {
            accept();
            return;
        }
        const int parent = selected->parent() ? NodeId(selected->parent()) : 0;
        if (name == selected->text(0) && target == parent) {
            accept();
            return;
        }
        int order = NodeCount(tree);
        if (target != 0) {
            QTreeWidgetItem *into = FindById(tree, target);
            order = into ? into->childCount() : 0;
        }
        q.SetSQL(QStringLiteral("UPDATE  tab_grup SET naim_grup=:naim_mera, num_tv=:a1, "
                                "id_parent=:g WHERE id_grup=:id_prod"));
        q.Bind(QStringLiteral("naim_mera"), name);
        q.Bind(QStringLiteral("id_prod"), NodeId(selected));
        q.Bind(QStringLiteral("a1"), order);
        q.Bind(QStringLiteral("g"), target);
        q.ExecSQL();
    } else {
        if (GrupNameExists(name)) {
            FMessage->ShowMessage(
                QStringLiteral("Группа продуктов с таким названием уже существует"), this);
            return;
        }
        QTreeWidgetItem *into = FindById(tree, target);
        if (!into)
            into = tree->topLevelItem(0);
        InsertGrup(name, into ? into->childCount() : 0, target);
    }
    fMain->APaintTVGrup->trigger();
    SelectNode(tree, FindByText(tree, name));
    fMain->TVGrupClick();
    accept();
}

bool TfNewPodgrup::EdPodgrupKeyDown(QKeyEvent *event)
{
    if (!IsEnter(event))
        return false;
    ButOK1Click();
    return true;
}

bool TfNewPodgrup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->EdPodgrup && event->type() == QEvent::KeyPress)
        return EdPodgrupKeyDown(static_cast<QKeyEvent *>(event));
    return QDialog::eventFilter(watched, event);
}
