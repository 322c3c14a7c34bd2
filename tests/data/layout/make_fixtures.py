#!/usr/bin/env python3
"""Writes the hand-built layout fixtures beside this script:

  Layout.set   the shared layout of an earlier installation: a recordset saved in the binary
               ADTG form with the 119 layout columns and a row for identities 1 and 2
               (identity 1 stored as an unchanged row, identity 2 as an inserted one)
  1.dat, 2.dat each identity's own layout file as converting that Layout.set must write it

Everything here comes from the written description of the two formats (the field table, the
value encodings, the ADTG column and row layout), not from Billcraft's code, so the tests that
read these files check the code against the description. The 270 bytes before the first column
descriptor are taken from ../adtg/types_basic.adtg, a file MDAC wrote, with its three counts
patched. Texts in the .dat files are UTF-8, Billcraft's choice of code page.

Run it with python3 from anywhere; it rewrites the three files.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

INT, BOOL, REAL, TEXT = "Int", "Bool", "Real", "Text"

# The 119 fields in file order: name, type (the number after a Text field is its defined size).
FIELDS = [
    ("PicLogoLeft", INT), ("PicLogoTop", INT), ("PicLogoName", TEXT, 70), ("PicLogoShow", BOOL),
    ("PicLogoWidth", INT), ("PicLogoHeight", INT),
    ("lblTextLogoLeft", INT), ("lblTextLogoTop", INT), ("lblTextLogoFont", TEXT, 30),
    ("lblTextLogoColour", TEXT, 30), ("lblTextLogoCaption", TEXT, 100),
    ("lblTextLogoFontSize", REAL), ("lblTextLogoFontBold", BOOL), ("lblTextLogoFontItalic", BOOL),
    ("lblTextLogoBorderStyle", INT), ("lblTextLogoWidth", INT),
    ("lblAddressLeft", INT), ("lblAddressTop", INT), ("lblAddressWidth", INT),
    ("lblAddressHeight", INT), ("lblAddressFont", TEXT, 30), ("lblAddressColour", TEXT, 30),
    ("lblAddressFontSize", REAL), ("lblAddressFontBold", BOOL), ("lblAddressFontItalic", BOOL),
    ("lblAddressCaption", TEXT, 250), ("lblAddressBorderStyle", INT),
    ("PicLineTop", INT), ("PicLineShow", BOOL), ("VatRate", REAL), ("VatReg", BOOL),
    ("lblInvoiceHeight", INT), ("lblInvoiceWidth", INT), ("lblInvoiceFont", TEXT, 30),
    ("lblInvoiceColour", TEXT, 30), ("lblInvoiceFontSize", REAL), ("lblInvoiceFontBold", BOOL),
    ("lblInvoiceFontItalic", BOOL), ("lblInvoiceCaption", TEXT, 30), ("lblInvoiceTop", INT),
    ("lblInvoiceLeft", INT), ("lblInvoiceBorderStyle", INT),
    ("lblclientAddressLeft", INT), ("lblclientAddressTop", INT), ("lblclientAddressWidth", INT),
    ("lblclientAddressFont", TEXT, 30), ("lblclientAddressColour", TEXT, 30),
    ("lblclientAddressFontSize", REAL), ("lblclientAddressFontBold", BOOL),
    ("lblclientAddressFontItalic", BOOL), ("lblclientAddressBorderStyle", INT),
    ("lblInvoiceContentLeft", INT), ("lblInvoiceContentTop", INT),
    ("lblInvoiceContentWidth", INT), ("lblInvoiceContentFont", TEXT, 30),
    ("lblInvoiceContentColour", TEXT, 30), ("lblInvoiceContentFontSize", REAL),
    ("lblInvoiceContentFontBold", BOOL), ("lblInvoiceContentFontItalic", BOOL),
    ("lblInvoiceContentBorderStyle", INT),
    ("lblSubTotalLeft", INT), ("lblSubTotalCaption", TEXT, 30), ("lblSubTotalFont", TEXT, 30),
    ("lblSubTotalColour", TEXT, 30), ("lblSubTotalFontSize", REAL), ("lblSubTotalFontBold", BOOL),
    ("lblSubTotalFontItalic", BOOL), ("lblSubTotalBorderStyle", INT), ("lblSubTotalWidth", INT),
    ("lblSubTotalHeight", INT),
    ("lblVATCaption", TEXT, 30), ("lblVATLeft", INT), ("lblVATFont", TEXT, 30),
    ("lblVATColour", TEXT, 30), ("lblVATFontSize", REAL), ("lblVATFontBold", BOOL),
    ("lblVATFontItalic", BOOL), ("lblVATBorderStyle", INT), ("lblVATWidth", INT),
    ("lblVATHeight", INT),
    ("lblTotalCaption", TEXT, 30), ("lblTotalLeft", INT), ("lblTotalFont", TEXT, 30),
    ("lblTotalColour", TEXT, 30), ("lblTotalFontSize", REAL), ("lblTotalFontBold", BOOL),
    ("lblTotalFontItalic", BOOL), ("lblTotalBorderStyle", INT), ("lblTotalWidth", INT),
    ("lblTotalHeight", INT),
    ("lblDescriptionLeft", INT), ("lblDescriptionTop", INT), ("lblDescriptionCaption", TEXT, 30),
    ("lblDescriptionFont", TEXT, 30), ("lblDescriptionColour", TEXT, 30),
    ("lblDescriptionFontSize", REAL), ("lblDescriptionFontBold", BOOL),
    ("lblDescriptionFontItalic", BOOL), ("lblDescriptionBorderStyle", INT),
    ("lblDescriptionWidth", INT), ("lblDescriptionHeight", INT),
    ("lblFooterCaption", TEXT, 250), ("lblFooterLeft", INT), ("lblFooterTop", INT),
    ("lblFooterFont", TEXT, 30), ("lblFooterColour", TEXT, 30), ("lblFooterFontSize", REAL),
    ("lblFooterFontBold", BOOL), ("lblFooterFontItalic", BOOL), ("lblFooterBorderStyle", INT),
    ("lblDateLeft", INT), ("lblDateTop", INT), ("lblDateFont", TEXT, 30),
    ("lblDateColour", TEXT, 30), ("lblDateFontSize", REAL), ("lblDateFontBold", BOOL),
    ("lblDateFontItalic", BOOL), ("lblDateBorderStyle", INT),
    ("Identity", INT),
]
assert len(FIELDS) == 119

WINDOW_TEXT = "-2147483640"  # the system window-text colour, 0x80000008 as a signed number


def element(prefix, font, size, bold):
    return {prefix + "Font": font, prefix + "FontSize": size, prefix + "FontBold": bold,
            prefix + "FontItalic": False, prefix + "Colour": WINDOW_TEXT,
            prefix + "BorderStyle": 1}


# The designer's first arrangement (positions in twips within each section).
DESIGNER = {
    "PicLogoLeft": 360, "PicLogoTop": 600, "PicLogoWidth": 2535, "PicLogoHeight": 855,
    "lblTextLogoLeft": 480, "lblTextLogoTop": 2040, "lblTextLogoBorderStyle": 1,
    "lblAddressLeft": 6360, "lblAddressTop": 480, "lblAddressWidth": 3180,
    "lblAddressHeight": 1575, **element("lblAddress", "Verdana", 9.75, False),
    "PicLineTop": 2880,
    "lblInvoiceHeight": 555, "lblInvoiceWidth": 1860, "lblInvoiceTop": 3120,
    "lblInvoiceLeft": 6960, **element("lblInvoice", "Verdana", 21.75, True),
    "lblclientAddressLeft": 360, "lblclientAddressTop": 240, "lblclientAddressWidth": 3840,
    **element("lblclientAddress", "Verdana", 9.75, False),
    "lblInvoiceContentLeft": 360, "lblInvoiceContentTop": 2520, "lblInvoiceContentWidth": 8292,
    **element("lblInvoiceContent", "Verdana", 9.75, True),
    "lblSubTotalLeft": 6240, "lblSubTotalWidth": 1035, "lblSubTotalHeight": 270,
    "lblSubTotalCaption": "Sub Total", **element("lblSubTotal", "Verdana", 9.75, True),
    "lblVATLeft": 6840, "lblVATWidth": 450, "lblVATHeight": 270, "lblVATCaption": "VAT",
    **element("lblVAT", "Verdana", 9.75, True),
    "lblTotalLeft": 6720, "lblTotalWidth": 570, "lblTotalHeight": 270, "lblTotalCaption": "Total",
    **element("lblTotal", "Verdana", 9.75, True),
    "lblDescriptionLeft": 360, "lblDescriptionTop": 2160, "lblDescriptionWidth": 1260,
    "lblDescriptionHeight": 270, "lblDescriptionCaption": "Description",
    **element("lblDescription", "Verdana", 9.75, True),
    "lblDateLeft": 360, "lblDateTop": 1800, **element("lblDate", "Verdana", 9.75, False),
    "lblFooterLeft": 1560, "lblFooterTop": 240,
    **element("lblFooter", "Trebuchet MS", 6, False),
}

# Each identity's row: the designer's arrangement with that identity's settings. The tests
# spell out the same values.
ROWS = [
    {**DESIGNER, "Identity": 1,
     "PicLogoName": "C:\\Billcraft\\acme.bmp", "PicLogoShow": True,
     "lblTextLogoFont": "Georgia", "lblTextLogoColour": "255", "lblTextLogoCaption": "Acme Trading",
     "lblTextLogoFontSize": 14.25, "lblTextLogoFontBold": True, "lblTextLogoWidth": 2205,
     "lblAddressCaption": "1 High Street\r\nYork YO1 7HH", "PicLineShow": True,
     "VatRate": 17.5, "VatReg": True, "lblInvoiceCaption": "INVOICE",
     "lblFooterCaption": "Prices in £, VAT at 17.5%"},
    {**DESIGNER, "Identity": 2,
     "PicLogoName": "", "PicLogoShow": False,
     "lblTextLogoFont": "Verdana", "lblTextLogoColour": "0", "lblTextLogoCaption": "Bramble & Co",
     "lblTextLogoFontSize": 10, "lblTextLogoFontItalic": True, "lblTextLogoWidth": -1,
     "lblAddressCaption": "", "PicLineShow": False,
     "VatRate": 20, "VatReg": False, "lblInvoiceCaption": "Tax Invoice",
     "lblFooterCaption": "Your Footer", "lblDateLeft": -360},
]


def value(row, name, kind):
    if name in row:
        return row[name]
    return {INT: 0, BOOL: False, REAL: 0.0, TEXT: ""}[kind]


def layout_set():
    sample = open(os.path.join(HERE, "..", "adtg", "types_basic.adtg"), "rb").read()
    out = bytearray(sample[:270])
    struct.pack_into("<H", out, 0x3B, len(FIELDS))  # visible columns
    struct.pack_into("<H", out, 0x3D, len(FIELDS))  # all columns
    struct.pack_into("<I", out, 0x45, len(ROWS))  # rows
    # Column descriptors: 06, body length, presence 80 01 00, ordinal, name, dbtype, maxLength,
    # precision, scale, flags, 00 00 FF FF. Int: integer (3, 4 bytes, flags 0x14); Bool:
    # boolean (11, 2, 0x14); Real: double (5, 8, 0x14); Text: appended as a BSTR, which is
    # saved as a long wide string (130, 0xFFFFFFFF, 0x84).
    kinds = {INT: (3, 4, 0x14), BOOL: (11, 2, 0x14), REAL: (5, 8, 0x14),
             TEXT: (130, 0xFFFFFFFF, 0x84)}
    for ordinal, (name, kind, *_size) in enumerate(FIELDS, start=1):
        dbtype, max_length, flags = kinds[kind]
        body = bytes([0x80, 0x01, 0x00]) + struct.pack("<HH", ordinal, len(name))
        body += name.encode("utf-16-le")
        body += struct.pack("<HIIII", dbtype, max_length, 0, 0, flags) + b"\x00\x00\xff\xff"
        assert len(body) == 29 + 2 * len(name)  # as in the MDAC sample files
        out += b"\x06" + struct.pack("<H", len(body)) + body
    mask_bytes = (len(FIELDS) + 7) // 8
    for i, row in enumerate(ROWS):
        if i == 0:
            out += b"\x07"  # unchanged: no column is nullable, so no mask
        else:
            set_mask = bytearray(mask_bytes)
            for k in range(len(FIELDS)):
                set_mask[k // 8] |= 0x80 >> (k % 8)
            out += b"\x0d" + bytes(set_mask) + bytes(mask_bytes)  # inserted: all set, none null
        for name, kind, *_size in FIELDS:
            v = value(row, name, kind)
            if kind == INT:
                out += struct.pack("<i", v)
            elif kind == BOOL:
                out += b"\xff\xff" if v else b"\x00\x00"
            elif kind == REAL:
                out += struct.pack("<d", v)
            else:
                text = v.encode("utf-16-le")
                out += struct.pack("<I", len(text)) + text
    out += b"\x0f"
    return bytes(out)


def dat(row):
    out = bytearray()
    for name, kind, *_size in FIELDS:
        v = value(row, name, kind)
        if kind == INT:
            out += struct.pack("<h", v)
        elif kind == BOOL:
            out += b"\xff\xff" if v else b"\x00\x00"
        elif kind == REAL:
            out += struct.pack("<d", v)
        else:
            text = v.encode("utf-8")
            out += struct.pack("<H", len(text)) + text
    return bytes(out)


def main():
    with open(os.path.join(HERE, "Layout.set"), "wb") as f:
        f.write(layout_set())
    for row in ROWS:
        with open(os.path.join(HERE, "%d.dat" % row["Identity"]), "wb") as f:
            f.write(dat(row))


if __name__ == "__main__":
    main()
