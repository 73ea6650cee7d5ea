-- Keys grow with every insert (AUTOINCREMENT never reuses a key), which "SELECT max(id)..."
-- right after an insert relies on. vremy is the time of day as a fraction of a day (REAL),
-- so ORDER BY vremy sorts by time of day; flag is 1 for grams and 0 for portions.
CREATE TABLE tab_prod (
    id_prod INTEGER PRIMARY KEY AUTOINCREMENT,
    naim_prod VARCHAR(150),
    kkal REAL,
    bel REAL,
    zir REAL,
    ugl REAL,
    id_grup INTEGER
);
CREATE TABLE tab_grup (
    id_grup INTEGER PRIMARY KEY AUTOINCREMENT,
    naim_grup VARCHAR(255),
    num_tv INTEGER,
    id_parent INTEGER
);
CREATE TABLE tab_mera (
    id_mif INTEGER PRIMARY KEY AUTOINCREMENT,
    id_prod INTEGER,
    naim_mera VARCHAR(255),
    g_mera INTEGER,
    kkal_mera REAL
);
CREATE TABLE tab_nazv_rac (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    naim_rac VARCHAR(150)
);
CREATE TABLE tab_racion (
    id_mif INTEGER PRIMARY KEY AUTOINCREMENT,
    id_rac INTEGER,
    vremy REAL,
    id_prod INTEGER,
    flag INTEGER,
    g INTEGER,
    id_porc INTEGER,
    kol_porc REAL,
    kkal REAL,
    bel REAL,
    zir REAL,
    ugl REAL
);
CREATE INDEX ix_prod_grup ON tab_prod (id_grup, naim_prod);
CREATE INDEX ix_grup_parent ON tab_grup (id_parent, num_tv);
CREATE INDEX ix_mera_prod ON tab_mera (id_prod);
CREATE INDEX ix_racion_rac ON tab_racion (id_rac, vremy);
