-- A registry as version 1 of its format left it, for the tests of what later versions make
-- of it: write-ahead-log mode, value types limited to REG_SZ, REG_EXPAND_SZ and REG_DWORD,
-- and the station's key with a value of each, created in an order other than their names'.
PRAGMA journal_mode = WAL;
CREATE TABLE registry_keys(
    id INTEGER PRIMARY KEY,
    path TEXT NOT NULL UNIQUE COLLATE NOCASE);
CREATE TABLE registry_values(
    key_id INTEGER NOT NULL REFERENCES registry_keys(id),
    name TEXT NOT NULL COLLATE NOCASE,
    type INTEGER NOT NULL CHECK(type IN (1, 2, 4)),
    data BLOB NOT NULL CHECK(type <> 4 OR length(data) = 4),
    PRIMARY KEY(key_id, name));
INSERT INTO registry_keys(path) VALUES
    ('HKEY_LOCAL_MACHINE'),
    ('HKEY_LOCAL_MACHINE\SOFTWARE'),
    ('HKEY_LOCAL_MACHINE\SOFTWARE\Quenvale'),
    ('HKEY_LOCAL_MACHINE\SOFTWARE\Quenvale\Tarrow');
INSERT INTO registry_values VALUES
    (4, 'PrinterName', 1, CAST('Printer 1' || char(0) AS BLOB)),
    (4, 'ObjectCommunicatorPort', 4, x'40060000'),
    (4, 'InstallPath', 2, CAST('%ProgramFiles%\Tarrow' || char(0) AS BLOB)),
    (4, '', 1, x'00');
PRAGMA application_id = 1397900615;
PRAGMA user_version = 1;
