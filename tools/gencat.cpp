// Fills a copy of the empty database with a large synthetic catalogue for the benchmarks:
//   gencat <empty.mdb> <output.mdb>
// 200 groups of 9 subgroups each (2 000 groups and subgroups), 100 000 products spread over
// the subgroups, three measures per product (the first "100г"), and 200 saved rations of 30
// entries each. Names look Russian; the same inputs always give the same file.
#include <sqlite3.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kGroups = 200;
constexpr int kSubgroupsPerGroup = 9;
constexpr int kProducts = 100000;
constexpr int kRations = 200;
constexpr int kRationEntries = 30;

// splitmix64: small, fast and the same everywhere.
struct Random {
    std::uint64_t state;
    std::uint64_t Next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    // A value with one decimal in [lo, hi].
    double Tenths(double lo, double hi)
    {
        const int steps = static_cast<int>(std::lround((hi - lo) * 10));
        return lo + Below(steps + 1) / 10.0;
    }
};

const std::vector<std::string> kGroupNouns = {"Молочные продукты",
                                              "Хлеб и выпечка",
                                              "Крупы",
                                              "Мясо",
                                              "Птица",
                                              "Рыба",
                                              "Морепродукты",
                                              "Овощи",
                                              "Фрукты",
                                              "Ягоды",
                                              "Орехи",
                                              "Сладости",
                                              "Напитки",
                                              "Соусы",
                                              "Супы",
                                              "Готовые блюда",
                                              "Закуски",
                                              "Консервы",
                                              "Грибы",
                                              "Бобовые"};
const std::vector<std::string> kGroupAdjectives = {
    "домашние", "фермерские",  "столовые",  "праздничные", "летние",
    "зимние",   "деревенские", "сибирские", "южные",       "северные"};
const std::vector<std::string> kSubgroupNames = {"отварные",   "жареные",      "тушёные",
                                                 "запечённые", "свежие",       "сушёные",
                                                 "копчёные",   "маринованные", "замороженные"};
const std::vector<std::string> kProductNouns = {
    "Сыр",       "Творог",  "Кефир",   "Молоко",     "Йогурт",   "Хлеб",     "Батон",  "Каша",
    "Котлета",   "Колбаса", "Сосиски", "Филе",       "Окорок",   "Судак",    "Минтай", "Кальмар",
    "Картофель", "Морковь", "Свёкла",  "Капуста",    "Яблоко",   "Груша",    "Слива",  "Клубника",
    "Малина",    "Фундук",  "Миндаль", "Пряник",     "Зефир",    "Мармелад", "Компот", "Морс",
    "Кисель",    "Борщ",    "Щи",      "Рассольник", "Пельмени", "Вареники", "Блины",  "Сырники",
    "Салат",     "Икра",    "Шпроты",  "Опята",      "Лисички",  "Фасоль",   "Горох",  "Чечевица",
    "Гречка",    "Пшено"};
const std::vector<std::string> kProductAdjectives = {
    "домашний",    "нежный",    "особый",    "классический", "российский",
    "деревенский", "лёгкий",    "сливочный", "пикантный",    "диетический",
    "отборный",    "мраморный", "луговой",   "янтарный",     "золотистый",
    "ароматный",   "хрустящий", "душистый",  "таёжный",      "уральский"};
const std::vector<std::string> kBrands = {
    "«Сытомир»",         "«Простоквашино»", "«Вологодское»", "«Калинка»", "«Берёзка»",
    "«Родные просторы»", "«Алтай»",         "«Волжское»",    "«Кубань»",  "«Мечта»"};
const std::vector<std::pair<std::string, int>> kMeasures = {
    {"штука", 60}, {"порция", 250},  {"стакан", 200}, {"ст. ложка", 20}, {"ч. ложка", 7},
    {"кусок", 35}, {"тарелка", 300}, {"ломтик", 25},  {"горсть", 30},    {"пачка", 180}};

void Check(sqlite3 *db, int rc, const char *what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "gencat: %s: %s\n", what, sqlite3_errmsg(db));
        std::exit(1);
    }
}

sqlite3_stmt *Prepare(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *st = nullptr;
    Check(db, sqlite3_prepare_v2(db, sql, -1, &st, nullptr), sql);
    return st;
}

void Exec(sqlite3 *db, const char *sql)
{
    Check(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr), sql);
}

void Text(sqlite3_stmt *st, int i, const std::string &s)
{
    sqlite3_bind_text(st, i, s.c_str(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

void Step(sqlite3 *db, sqlite3_stmt *st, const char *what)
{
    Check(db, sqlite3_step(st), what);
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
}

std::string DecimalComma(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    std::string s = buf;
    for (char &c : s)
        if (c == '.')
            c = ',';
    return s;
}

struct Product {
    double kkal, bel, zir, ugl;
    long long mera[3]; // id_mif of its three measures
    int g[3];
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <empty.mdb> <output.mdb>\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path out = argv[2];
    const fs::path tmp = out.string() + ".tmp";
    std::error_code ec;
    fs::remove(tmp, ec);
    if (!fs::copy_file(argv[1], tmp, ec)) {
        std::fprintf(stderr, "gencat: cannot copy %s: %s\n", argv[1], ec.message().c_str());
        return 1;
    }
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(tmp.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "gencat: %s\n", sqlite3_errmsg(db));
        return 1;
    }
    Exec(db, "PRAGMA journal_mode=OFF");
    Exec(db, "PRAGMA synchronous=OFF");
    Exec(db, "BEGIN");

    Random rnd{20240601};

    // Groups and subgroups: ids 1..200 are the groups, then each group's nine subgroups.
    sqlite3_stmt *grup =
        Prepare(db, "INSERT INTO tab_grup(naim_grup,num_tv,id_parent) VALUES(?,?,?)");
    std::vector<long long> subgroups;
    std::vector<std::string> subgroupNames;
    for (int g = 0; g < kGroups; ++g) {
        const std::string name =
            kGroupNouns[g % kGroupNouns.size()] + " " + kGroupAdjectives[g / kGroupNouns.size()];
        Text(grup, 1, name);
        sqlite3_bind_int(grup, 2, g);
        sqlite3_bind_int(grup, 3, 0);
        Step(db, grup, "tab_grup");
    }
    for (int g = 0; g < kGroups; ++g) {
        const std::string parent = kGroupNouns[g % kGroupNouns.size()];
        for (int s = 0; s < kSubgroupsPerGroup; ++s) {
            // Group names are unique, as the group editors demand.
            const std::string name = parent + " " + kSubgroupNames[s] + " " + std::to_string(g + 1);
            Text(grup, 1, name);
            sqlite3_bind_int(grup, 2, s);
            sqlite3_bind_int(grup, 3, g + 1);
            Step(db, grup, "tab_grup");
            subgroups.push_back(sqlite3_last_insert_rowid(db));
        }
    }
    sqlite3_finalize(grup);

    // Products, each with "100г" first and two portions.
    sqlite3_stmt *prod =
        Prepare(db, "INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) VALUES(?,?,?,?,?,?)");
    sqlite3_stmt *mera =
        Prepare(db, "INSERT INTO tab_mera(id_prod,naim_mera,g_mera,kkal_mera) VALUES(?,?,?,?)");
    std::vector<Product> products(kProducts);
    std::vector<long long> productIds(kProducts);
    for (int i = 0; i < kProducts; ++i) {
        Product &p = products[i];
        p.bel = rnd.Tenths(0, 30);
        p.zir = rnd.Tenths(0, 40);
        p.ugl = rnd.Tenths(0, 80);
        p.kkal = std::round((p.bel * 4.1 + p.zir * 9.3 + p.ugl * 4.1) * 10) / 10;
        const std::string name = kProductNouns[rnd.Below(kProductNouns.size())] + " " +
                                 kProductAdjectives[rnd.Below(kProductAdjectives.size())] + " " +
                                 kBrands[rnd.Below(kBrands.size())] + " " + DecimalComma(p.zir) +
                                 "% №" + std::to_string(i + 1);
        Text(prod, 1, name);
        sqlite3_bind_double(prod, 2, p.kkal);
        sqlite3_bind_double(prod, 3, p.bel);
        sqlite3_bind_double(prod, 4, p.zir);
        sqlite3_bind_double(prod, 5, p.ugl);
        sqlite3_bind_int64(prod, 6, subgroups[i % subgroups.size()]);
        Step(db, prod, "tab_prod");
        const long long id = sqlite3_last_insert_rowid(db);
        productIds[i] = id;

        const int first = rnd.Below(kMeasures.size());
        const int second = (first + 1 + rnd.Below(kMeasures.size() - 1)) % kMeasures.size();
        const std::pair<std::string, int> measures[3] = {
            {"100г", 100}, kMeasures[first], kMeasures[second]};
        for (int m = 0; m < 3; ++m) {
            sqlite3_bind_int64(mera, 1, id);
            Text(mera, 2, measures[m].first);
            sqlite3_bind_int(mera, 3, measures[m].second);
            sqlite3_bind_double(mera, 4, measures[m].second * p.kkal / 100);
            Step(db, mera, "tab_mera");
            p.mera[m] = sqlite3_last_insert_rowid(db);
            p.g[m] = measures[m].second;
        }
    }
    sqlite3_finalize(prod);
    sqlite3_finalize(mera);

    // Saved rations: 30 entries each over five meals; every third entry is in portions.
    sqlite3_stmt *nazv = Prepare(db, "INSERT INTO tab_nazv_rac(naim_rac) VALUES(?)");
    sqlite3_stmt *rac =
        Prepare(db, "INSERT INTO tab_racion(id_rac,vremy,id_prod,flag,g,id_porc,kol_porc,kkal,bel,"
                    "zir,ugl) VALUES(?,?,?,?,?,?,?,?,?,?,?)");
    const int mealMinutes[5] = {8 * 60, 11 * 60, 13 * 60 + 30, 16 * 60 + 15, 19 * 60};
    for (int r = 0; r < kRations; ++r) {
        char name[64];
        std::snprintf(name, sizeof name, "Рацион на день %03d", r + 1);
        Text(nazv, 1, name);
        Step(db, nazv, "tab_nazv_rac");
        const long long idRac = sqlite3_last_insert_rowid(db);
        for (int e = 0; e < kRationEntries; ++e) {
            const int pi = rnd.Below(kProducts);
            const Product &p = products[pi];
            const bool grams = e % 3 != 0;
            int g;
            long long porc = 0;
            double kol = 0;
            if (grams) {
                g = 10 * (1 + rnd.Below(40));
            } else {
                const int m = 1 + rnd.Below(2);
                porc = p.mera[m];
                kol = (1 + rnd.Below(6)) / 2.0;
                g = static_cast<int>(std::nearbyint(p.g[m] * kol)); // halves to even
            }
            sqlite3_bind_int64(rac, 1, idRac);
            sqlite3_bind_double(rac, 2, mealMinutes[e / 6] / 1440.0);
            sqlite3_bind_int64(rac, 3, productIds[pi]);
            sqlite3_bind_int(rac, 4, grams ? 1 : 0);
            sqlite3_bind_int(rac, 5, g);
            sqlite3_bind_int64(rac, 6, porc);
            sqlite3_bind_double(rac, 7, kol);
            sqlite3_bind_double(rac, 8, p.kkal * g / 100);
            sqlite3_bind_double(rac, 9, p.bel * g / 100);
            sqlite3_bind_double(rac, 10, p.zir * g / 100);
            sqlite3_bind_double(rac, 11, p.ugl * g / 100);
            Step(db, rac, "tab_racion");
        }
    }
    sqlite3_finalize(nazv);
    sqlite3_finalize(rac);

    Exec(db, "COMMIT");
    Exec(db, "ANALYZE");
    if (sqlite3_close(db) != SQLITE_OK)
        return 1;
    fs::rename(tmp, out, ec);
    if (ec) {
        std::fprintf(stderr, "gencat: %s\n", ec.message().c_str());
        fs::remove(tmp, ec);
        return 1;
    }
    return 0;
}
