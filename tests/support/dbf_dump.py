#!/usr/bin/python3
"""Dumps a dBase table as JSON with python3-dbf, an independent reader.

Output: {"fields": [{"name", "type", "length", "decimals"}], "codepage": str,
         "records": [[value, ...], ...], "deleted": [bool, ...]}
Character values are returned without padding blanks; numbers as numbers or
null when blank; logicals as true/false or null when unset.
"""
import json
import sys

import dbf


def value(v):
    if v is None:
        return None
    if isinstance(v, (bool, int, float, str)):
        return v.rstrip() if isinstance(v, str) else v
    if hasattr(v, "isoformat"):
        return v.isoformat()
    return str(v)


def main(path):
    table = dbf.Table(path)
    table.open(dbf.READ_ONLY)
    try:
        fields = []
        for name in table.field_names:
            info = table.field_info(name)
            fields.append({
                "name": name.upper(),
                "type": chr(info.field_type) if isinstance(info.field_type, int) else str(info.field_type),
                "length": info.length,
                "decimals": info.decimal,
            })
        records, deleted = [], []
        for rec in table:
            records.append([value(rec[name]) for name in table.field_names])
            deleted.append(dbf.is_deleted(rec))
        out = {"fields": fields, "codepage": str(table.codepage), "records": records, "deleted": deleted}
    finally:
        table.close()
    json.dump(out, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
