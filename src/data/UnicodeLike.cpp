#include "UnicodeLike.h"

#include <QVector>
#include <sqlite3.h>

namespace {

QString Fold(const QString &s)
{
    QString folded = s.toLower();
    folded.replace(QChar(0x0451), QChar(0x0435)); // ё -> е
    return folded;
}

struct Token {
    enum Kind { Literal, One, Any } kind;
    QChar ch;
};

} // namespace

bool UnicodeLike(const QString &pattern, const QString &text, QChar escape)
{
    QVector<Token> tokens;
    const QString p = Fold(pattern);
    const QChar esc = escape.isNull() ? QChar() : Fold(QString(escape)).at(0);
    for (int i = 0; i < p.size(); ++i) {
        const QChar c = p.at(i);
        if (!esc.isNull() && c == esc && i + 1 < p.size())
            tokens.append({Token::Literal, p.at(++i)});
        else if (c == QLatin1Char('%'))
            tokens.append({Token::Any, QChar()});
        else if (c == QLatin1Char('_'))
            tokens.append({Token::One, QChar()});
        else
            tokens.append({Token::Literal, c});
    }
    const QString t = Fold(text);
    // Greedy match that backtracks to the last "%" only: linear for the usual patterns.
    int ti = 0, pi = 0, starP = -1, starT = 0;
    while (ti < t.size()) {
        if (pi < tokens.size() && tokens[pi].kind != Token::Any &&
            (tokens[pi].kind == Token::One || tokens[pi].ch == t.at(ti))) {
            ++ti;
            ++pi;
        } else if (pi < tokens.size() && tokens[pi].kind == Token::Any) {
            starP = pi++;
            starT = ti;
        } else if (starP >= 0) {
            pi = starP + 1;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < tokens.size() && tokens[pi].kind == Token::Any)
        ++pi;
    return pi == tokens.size();
}

namespace {

QString ValueText(sqlite3_value *v)
{
    const void *data = sqlite3_value_text16(v);
    const int bytes = sqlite3_value_bytes16(v);
    return QString(reinterpret_cast<const QChar *>(data), bytes / int(sizeof(QChar)));
}

void LikeFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    // like(pattern, text[, escape]); NULL anywhere gives NULL, as the built-in LIKE does.
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    QChar escape;
    if (argc == 3) {
        const QString e = ValueText(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e.at(0);
    }
    sqlite3_result_int(ctx, UnicodeLike(ValueText(argv[0]), ValueText(argv[1]), escape) ? 1 : 0);
}

} // namespace

void RegisterUnicodeLike(void *sqliteHandle)
{
    auto *db = static_cast<sqlite3 *>(sqliteHandle);
    const int flags = SQLITE_UTF16 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "like", 2, flags, nullptr, LikeFunction, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db, "like", 3, flags, nullptr, LikeFunction, nullptr, nullptr,
                               nullptr);
}
