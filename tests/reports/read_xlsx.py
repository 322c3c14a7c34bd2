#!/usr/bin/env python3
"""Prints what an independent reader finds in an .xlsx file, as JSON, for tst_reports.

Exit 77 with the reason on stderr when openpyxl is missing, so the test can skip.
"""
import json
import sys

try:
    import openpyxl
except ImportError as error:
    print(f"python3-openpyxl is not installed: {error}", file=sys.stderr)
    sys.exit(77)

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.active
rows = []
for row in sheet.iter_rows():
    rows.append([[c.value, c.data_type, c.number_format, bool(c.font.b)] for c in row])
print(json.dumps({
    "title": sheet.title,
    "freeze": sheet.freeze_panes,
    "filter": sheet.auto_filter.ref,
    "rows": rows,
    "heights": [sheet.row_dimensions[r].height for r in range(1, sheet.max_row + 1)],
    "widths": {k: v.width for k, v in sheet.column_dimensions.items()},
}))
