// Builds a new database file from SQL scripts: mkdb <output> <script.sql>...
// The program never creates its database; this is how the build makes one.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output> <script.sql>...\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    const std::string tmp = out + ".tmp";
    std::remove(tmp.c_str());
    sqlite3 *db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "mkdb: %s\n", sqlite3_errmsg(db));
        return 1;
    }
    int rc = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (int i = 2; i < argc && rc == SQLITE_OK; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "mkdb: cannot read %s\n", argv[i]);
            rc = SQLITE_ERROR;
            break;
        }
        std::stringstream text;
        text << in.rdbuf();
        char *error = nullptr;
        rc = sqlite3_exec(db, text.str().c_str(), nullptr, nullptr, &error);
        if (rc != SQLITE_OK) {
            std::fprintf(stderr, "mkdb: %s: %s\n", argv[i], error ? error : "?");
            sqlite3_free(error);
        }
    }
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK || std::rename(tmp.c_str(), out.c_str()) != 0) {
        std::remove(tmp.c_str());
        return 1;
    }
    return 0;
}
