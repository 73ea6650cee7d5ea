#include "ReadyDish.h"

#include "Numbers.h"
#include "UDM.h"

#include <cmath>

TDishTotals DishTotalsFromTexts(const QString &k, const QString &b, const QString &z,
                                const QString &u)
{
    return {StrToFloat(k), StrToFloat(b), StrToFloat(z), StrToFloat(u)};
}

TDishTotals Per100g(const TDishTotals &totals, qint32 grams)
{
    const double w = grams;
    return {totals.K * 100 / w, totals.B * 100 / w, totals.Z * 100 / w, totals.U * 100 / w};
}

double RoundTwo(double value)
{
    const double r = std::round(value * 100.0) / 100.0;
    return r == 0.0 ? 0.0 : r;
}

TDishTotals PerGram(const TDishTotals &totals, double portions, qint32 gramsPerPortion)
{
    const double weight = portions * gramsPerPortion;
    return {RoundTwo(totals.K / weight), RoundTwo(totals.B / weight), RoundTwo(totals.Z / weight),
            RoundTwo(totals.U / weight)};
}

qint32 WritePortionDish(const QString &name, qint32 groupId, const QString &portionName,
                        const TDishTotals &totals, double portions, qint32 gramsPerPortion,
                        const std::function<void()> &beforeRecompute)
{
    TTransaction t(DM->ADOTrans);
    TQuery &q = DM->SQL1;
    q.SetSQL(QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                            "VALUES (:nazv,:kkal,:bel,:zir,:ugl,:id_rac)"));
    q.Bind(QStringLiteral("nazv"), name);
    for (const char *field : {"kkal", "bel", "zir", "ugl"})
        q.Bind(QString::fromLatin1(field), 0);
    q.Bind(QStringLiteral("id_rac"), groupId);
    q.ExecSQL();

    q.SetSQL(QStringLiteral("SELECT max(id_prod) FROM tab_prod"));
    q.Open();
    qint32 id = 0;
    if (!q.IsEmpty()) {
        id = q.Field(0).toInt();
        q.SetSQL(QStringLiteral("INSERT INTO tab_mera(id_prod, naim_mera, g_mera,kkal_mera) "
                                "VALUES (:id_prod,:nazv,:g,0)"));
        q.Bind(QStringLiteral("id_prod"), id);
        q.Bind(QStringLiteral("nazv"), QStringLiteral("100г"));
        q.Bind(QStringLiteral("g"), 100);
        q.ExecSQL();

        q.SetSQL(QStringLiteral("INSERT INTO tab_mera(id_prod, naim_mera, g_mera,kkal_mera) "
                                "VALUES (:id_prod,:nazv,:g,:kkal)"));
        q.Bind(QStringLiteral("id_prod"), id);
        q.Bind(QStringLiteral("nazv"), portionName);
        q.Bind(QStringLiteral("g"), gramsPerPortion);
        q.Bind(QStringLiteral("kkal"), totals.K / portions);
        q.ExecSQL();

        if (gramsPerPortion != 0) {
            if (beforeRecompute)
                beforeRecompute();
            const TDishTotals perGram = PerGram(totals, portions, gramsPerPortion);
            q.SetSQL(QStringLiteral("UPDATE tab_mera SET kkal_mera=g_mera*:kkal WHERE id_prod=") +
                     IntToStr(id));
            q.Bind(QStringLiteral("kkal"), perGram.K);
            q.ExecSQL();
            q.SetSQL(QStringLiteral("UPDATE tab_prod SET kkal=100*:kkal_mera,bel=100*:bel,"
                                    "zir=100*:zir,ugl=100*:ugl WHERE id_prod=") +
                     IntToStr(id));
            q.Bind(QStringLiteral("kkal_mera"), perGram.K);
            q.Bind(QStringLiteral("bel"), perGram.B);
            q.Bind(QStringLiteral("zir"), perGram.Z);
            q.Bind(QStringLiteral("ugl"), perGram.U);
            q.ExecSQL();
        }
    }
    t.Commit();
    return id;
}

bool StepPortionCount(QString &text, bool up)
{
    if (up) {
        text = text.isEmpty() ? QStringLiteral("0") : FloatToStr(StrToFloat(text) + 1);
        return true;
    }
    const double down = StrToFloat(text) - 1;
    if (down <= 0.1)
        return false;
    text = FloatToStr(down);
    return true;
}
