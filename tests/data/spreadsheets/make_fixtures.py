#!/usr/bin/python3
"""Writes the spreadsheet fixtures of the merge tests with independent writers.

  addresses.xlsx      openpyxl (python3-openpyxl)
  addresses.ods       odfpy (python3-odf), formulas with their saved values
  addresses-lo.xlsx   LibreOffice Calc, converted from addresses.ods
  addresses-lo.ods    LibreOffice Calc, converted from addresses.xlsx

Every file holds the same two sheets. "Addresses": accents, dates, a time, whole and
decimal numbers in formats, an empty row, empty cells, a group merged down two rows and a
street merged across two columns. "Products": three rows. Run from anywhere:
  /usr/bin/python3 tests/data/spreadsheets/make_fixtures.py  (Debian's python, with its packages)
LibreOffice (libreoffice-calc-nogui) is needed for the two converted files only.
"""
import datetime
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

HEADER = ["Name", "Street", "City", "Born", "Meets", "Count", "Price", "Group", "Note", "Total"]
# None: an empty cell. The group of the second row and the city of the fourth are covered by
# merged areas (G2:G3, B5:C5).
ROWS = [
    ["Zoë Müller", "Königstraße 5", "Köln", datetime.date(1984, 2, 29), datetime.time(14, 30),
     3, 12.5, "Friends", None, 4],
    ["José Ñúñez", "Calle Mayor 1", "Málaga", datetime.date(1990, 12, 31), datetime.time(9, 5, 30),
     42, 7.25, None, "Say „hi“ 👋", 43],
    None,  # an empty row
    ["Åsa Ørsted", "Hauptplatz 1, Graz", None, datetime.date(2001, 7, 4), datetime.time(0, 0),
     1000000, 0.5, "Family", None, 1000001],
]
PRODUCTS = [["SKU", "Product", "Stock"], ["A-1", "Crème brûlée", 12], ["B-2", "Smørrebrød", 0],
            ["C-3", "Łódź mug", 7]]
FORMATS = {"Born": "yyyy/mm/dd", "Meets": "h:mm", "Count": "#,##0", "Price": "0.00"}


def write_xlsx(path):
    import openpyxl
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "Addresses"
    sheet.append(HEADER)
    for r, row in enumerate(ROWS, start=2):
        if row is None:
            continue
        for c, value in enumerate(row, start=1):
            if value is None:
                continue
            cell = sheet.cell(row=r, column=c, value=value)
            fmt = FORMATS.get(HEADER[c - 1])
            if fmt:
                cell.number_format = fmt
    sheet.merge_cells("H2:H3")
    sheet.merge_cells("B5:C5")
    products = book.create_sheet("Products")
    for row in PRODUCTS:
        products.append(row)
    book.save(path)


def write_ods(path):
    from odf.opendocument import OpenDocumentSpreadsheet
    from odf.style import Style
    from odf.number import DateStyle, Day, Month, Year, Text as NText, NumberStyle, Number, \
        TimeStyle, Hours, Minutes
    from odf.table import Table, TableRow, TableCell, CoveredTableCell
    from odf.text import P, Span

    doc = OpenDocumentSpreadsheet()
    date_style = DateStyle(name="dmy")
    for part in (Day(style="long"), NText(text="/"), Month(style="long"), NText(text="/"),
                 Year(style="long")):
        date_style.addElement(part)
    time_style = TimeStyle(name="hm")
    for part in (Hours(style="long"), NText(text=":"), Minutes(style="long")):
        time_style.addElement(part)
    two = NumberStyle(name="two")
    two.addElement(Number(decimalplaces=2, minintegerdigits=1))
    grouped = NumberStyle(name="grouped")
    grouped.addElement(Number(decimalplaces=0, minintegerdigits=1, grouping=True))
    styles = {}
    for data in (date_style, time_style, two, grouped):
        doc.automaticstyles.addElement(data)
        cell_style = Style(name="c-" + data.getAttribute("name"), family="table-cell",
                           datastylename=data.getAttribute("name"))
        doc.automaticstyles.addElement(cell_style)
        styles[data.getAttribute("name")] = cell_style

    def cell(value, column, row_number, spans=None):
        kwargs = dict(spans or {})
        if value is None:
            return TableCell(**kwargs)
        name = HEADER[column] if column < len(HEADER) else ""
        if isinstance(value, datetime.date):
            c = TableCell(valuetype="date", datevalue=value.isoformat(), stylename=styles["dmy"],
                          **kwargs)
            c.addElement(P(text=value.strftime("%d/%m/%Y")))
        elif isinstance(value, datetime.time):
            c = TableCell(valuetype="time", timevalue=value.strftime("PT%HH%MM%SS"),
                          stylename=styles["hm"], **kwargs)
            c.addElement(P(text=value.strftime("%H:%M")))
        elif isinstance(value, (int, float)):
            style = {"Count": "grouped", "Price": "two"}.get(name)
            shown = ("{:,.0f}".format(value) if style == "grouped" else
                     "{:.2f}".format(value) if style == "two" else str(value))
            extra = {"stylename": styles[style]} if style else {}
            if name == "Total":
                extra["formula"] = "of:=[.F%d]+1" % row_number
            c = TableCell(valuetype="float", value=str(value), **extra, **kwargs)
            c.addElement(P(text=shown))
        else:
            c = TableCell(valuetype="string", **kwargs)
            if "„" in value:  # a span inside the paragraph, as rich text is written
                p = P(text="Say ")
                p.addElement(Span(text="„hi“ 👋"))
                c.addElement(p)
            else:
                c.addElement(P(text=value))
        return c

    table = Table(name="Addresses")
    header = TableRow()
    for i, name in enumerate(HEADER):
        header.addElement(cell(name, len(HEADER), 1))
    table.addElement(header)
    for r, row in enumerate(ROWS, start=2):
        tr = TableRow()
        if row is None:
            tr.addElement(TableCell(numbercolumnsrepeated=len(HEADER)))
            table.addElement(tr)
            continue
        for c, value in enumerate(row):
            if (r, c) == (3, 7) or (r, c) == (5, 2):
                tr.addElement(CoveredTableCell())
                continue
            spans = {}
            if (r, c) == (2, 7):
                spans = {"numberrowsspanned": 2}
            elif (r, c) == (5, 1):
                spans = {"numbercolumnsspanned": 2}
            tr.addElement(cell(value, c, r, spans))
        table.addElement(tr)
    doc.spreadsheet.addElement(table)
    products = Table(name="Products")
    for row in PRODUCTS:
        tr = TableRow()
        for value in row:
            tr.addElement(cell(value, 99, 0))
        products.addElement(tr)
    doc.spreadsheet.addElement(products)
    doc.save(path)


def convert(source, target_format, target):
    soffice = shutil.which("soffice")
    if not soffice:
        print("LibreOffice is not installed; %s is left as it is" % target, file=sys.stderr)
        return
    with tempfile.TemporaryDirectory() as out, tempfile.TemporaryDirectory() as profile:
        subprocess.run([soffice, "-env:UserInstallation=file://" + profile, "--headless",
                        "--convert-to", target_format, "--outdir", out, source],
                       check=True, stdout=subprocess.DEVNULL)
        produced = os.path.join(out, os.path.splitext(os.path.basename(source))[0] + "." +
                                target_format.split(":")[0])
        shutil.move(produced, target)


def main():
    xlsx = os.path.join(HERE, "addresses.xlsx")
    ods = os.path.join(HERE, "addresses.ods")
    write_xlsx(xlsx)
    write_ods(ods)
    with tempfile.TemporaryDirectory() as tmp:
        # Copies under other names, so that each conversion gets its own output name.
        src = os.path.join(tmp, "from-ods.ods")
        shutil.copy(ods, src)
        convert(src, "xlsx:Calc MS Excel 2007 XML", os.path.join(HERE, "addresses-lo.xlsx"))
        src = os.path.join(tmp, "from-xlsx.xlsx")
        shutil.copy(xlsx, src)
        convert(src, "ods", os.path.join(HERE, "addresses-lo.ods"))


if __name__ == "__main__":
    main()
