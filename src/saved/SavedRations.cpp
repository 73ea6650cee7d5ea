#include "SavedRations.h"

#include "Numbers.h"
#include "UDM.h"

QList<TSavedRacion> ListSavedRations()
{
    TQuery &q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_nazv_rac WHERE naim_rac<>'' and naim_rac<>'***' "
                            "ORDER BY naim_rac"));
    q.Open();
    QList<TSavedRacion> listed;
    listed.reserve(q.RecordCount());
    for (; !q.Eof(); q.Next())
        listed.append({q.Field(0).toInt(), q.Field(1).toString()});
    return listed;
}

QString ProposeRacionName(const QList<TSavedRacion> &listed, qint32 idRac, const QString &current,
                          const QDateTime &now)
{
    if (listed.isEmpty())
        return current;
    if (idRac <= -1)
        return now.toString(QStringLiteral("dd.MM.yy"));
    for (const TSavedRacion &r : listed)
        if (r.id == idRac)
            return r.name;
    return current;
}

std::optional<qint32> FindSavedRacion(const QString &name)
{
    TQuery &q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_nazv_rac WHERE naim_rac=:nazv"));
    q.Bind(QStringLiteral("nazv"), name);
    q.Open();
    if (q.IsEmpty())
        return std::nullopt;
    return q.Field(0).toInt();
}

bool SavedRacionExists(qint32 id)
{
    TQuery &q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT id FROM tab_nazv_rac WHERE id=:id"));
    q.Bind(QStringLiteral("id"), id);
    q.Open();
    return !q.IsEmpty();
}

void InsertRacionRows(qint32 idRac, const TArraySave &rac)
{
    TQuery &q = DM->SQL1;
    for (const TRacionItem &item : rac) {
        q.SetSQL(QStringLiteral(
            "INSERT INTO tab_racion(id_rac,vremy,id_prod,flag,g,id_porc,kol_porc,kkal,bel,zir,"
            "ugl) VALUES(:id_rac,:vremy,:id_prod,:flag,:g,:id_porc,:kol_porc,:kkal,:bel,:zir,"
            ":ugl) "));
        q.Bind(QStringLiteral("id_rac"), idRac);
        q.Bind(QStringLiteral("vremy"), item.vremy);
        q.Bind(QStringLiteral("id_prod"), item.id_prod);
        q.Bind(QStringLiteral("flag"), item.flag);
        q.Bind(QStringLiteral("g"), item.g);
        q.Bind(QStringLiteral("id_porc"), item.id_porc);
        q.Bind(QStringLiteral("kol_porc"), item.kol_porc);
        q.Bind(QStringLiteral("kkal"), item.kkal);
        q.Bind(QStringLiteral("bel"), item.bel);
        q.Bind(QStringLiteral("zir"), item.zir);
        q.Bind(QStringLiteral("ugl"), item.ugl);
        q.ExecSQL();
    }
}

qint32 SaveNewRacion(const QString &name, const TArraySave &rac)
{
    TTransaction t(DM->ADOTrans);
    TQuery &q = DM->SQL1;
    q.SetSQL(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(:nazv)"));
    q.Bind(QStringLiteral("nazv"), name);
    q.ExecSQL();
    q.SetSQL(QStringLiteral("SELECT max(id) FROM tab_nazv_rac"));
    q.Open();
    const qint32 id = q.IsEmpty() ? 0 : q.Field(0).toInt();
    InsertRacionRows(id, rac);
    t.Commit();
    return id;
}

void RewriteRacion(qint32 id, const TArraySave &rac)
{
    TTransaction t(DM->ADOTrans);
    TQuery &q = DM->SQL1;
    q.SetSQL(QStringLiteral("DELETE FROM tab_racion WHERE id_rac=:id"));
    q.Bind(QStringLiteral("id"), id);
    q.ExecSQL();
    InsertRacionRows(id, rac);
    t.Commit();
}

bool LoadRacion(qint32 id, TArraySave &rac)
{
    TQuery &q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT vremy,id_prod,flag,g,id_porc,kol_porc,kkal,bel,zir,ugl "
                            "FROM tab_racion WHERE id_rac=:id_rac ORDER BY vremy,id_mif"));
    q.Bind(QStringLiteral("id_rac"), id);
    q.Open();
    if (q.IsEmpty())
        return false;
    rac.clear();
    rac.reserve(q.RecordCount());
    for (; !q.Eof(); q.Next()) {
        TRacionItem item;
        item.vremy = q.Field(0).toDouble();
        item.id_prod = q.Field(1).toInt();
        item.flag = q.Field(2).toBool();
        item.g = q.Field(3).toInt();
        item.id_porc = q.Field(4).toInt();
        item.kol_porc = q.Field(5).toDouble();
        item.kkal = q.Field(6).toDouble();
        item.bel = q.Field(7).toDouble();
        item.zir = q.Field(8).toDouble();
        item.ugl = q.Field(9).toDouble();
        rac.append(item);
    }
    return true;
}

void DeleteSavedRacion(qint32 id)
{
    TTransaction t(DM->ADOTrans);
    TQuery &q = DM->SQL1;
    for (const char *sql :
         {"DELETE FROM tab_racion WHERE id_rac=:id", "DELETE FROM tab_nazv_rac WHERE id=:id"}) {
        q.SetSQL(QString::fromLatin1(sql));
        q.Bind(QStringLiteral("id"), id);
        q.ExecSQL();
    }
    t.Commit();
}

QStringList SostavLines(qint32 id)
{
    TQuery &q = DM->qSaveRac;
    q.SetSQL(QStringLiteral("SELECT tp.naim_prod,tr.g,tr.kkal  FROM tab_racion tr left join "
                            "tab_prod  tp on tr.id_prod=tp.id_prod  where tr.id_rac=:id"));
    q.Bind(QStringLiteral("id"), id);
    q.Open();
    QStringList lines;
    if (!q.IsEmpty()) {
        double sum = 0;
        for (; !q.Eof(); q.Next()) {
            const double kkal = q.Field(2).toDouble();
            lines.append(q.Field(0).toString() + QLatin1Char(' ') + IntToStr(q.Field(1).toInt()) +
                         QStringLiteral("г -") + FloatToStrOne(kkal) + QStringLiteral(" ккал"));
            sum += kkal;
        }
        lines.append(QStringLiteral("-----------"));
        lines.append(QStringLiteral("Итого: ") + FloatToStrOne(sum) + QStringLiteral(" ккал"));
    }
    q.Close();
    return lines;
}
