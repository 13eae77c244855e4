#include "storage/GeometryFields.h"

#include "storage/DataTable.h"
#include "storage/TableSchemas.h"

#include "document/PaperSizes.h"

namespace {
bool HasField(const DataTable& table, const char* name) {
    return table.Engine().fieldIndex(name) >= 0;
}
} // namespace

SheetGeometry ReadGeometry(const DataTable& table) {
    const auto fields = LabelTableFields();
    SheetGeometry g;
    g.labelHeight = float(table.Float(QStringLiteral("LBLHEIGHT")));
    g.labelWidth = float(table.Float(QStringLiteral("LBLWIDTH")));
    g.topMargin = float(table.Float(QStringLiteral("TOPMARG")));
    g.leftMargin = float(table.Float(QStringLiteral("LEFTMARG")));
    g.horizontalPitch = float(table.Float(QStringLiteral("HORIZPITCH")));
    g.verticalPitch = float(table.Float(QStringLiteral("VERTPITCH")));
    g.labelsAcross = table.Integer(QStringLiteral("NBRACROSS"));
    g.labelsDown = table.Integer(QStringLiteral("NBRDOWN"));
    g.paperSize =
        table.Text(QStringLiteral("PAPERSIZE")).left(SchemaFieldWidth(fields, "PAPERSIZE"));
    g.labelShape =
        table.Text(QStringLiteral("LBLSHAPE")).left(SchemaFieldWidth(fields, "LBLSHAPE"));
    // The paper's own size means something only for the papers no code names.
    if (PaperSizes::SizeIsStored(g.paperSize) && HasField(table, "SHEETWIDTH") &&
        HasField(table, "SHEETDEPTH")) {
        g.sheetWidth = float(table.Float(QStringLiteral("SHEETWIDTH")));
        g.sheetHeight = float(table.Float(QStringLiteral("SHEETDEPTH")));
    }
    return g;
}

void WriteGeometry(DataTable& table, const SheetGeometry& g, float (*stored)(float)) {
    const auto value = [stored](float inches) { return double(stored ? stored(inches) : inches); };
    table.SetFloat(QStringLiteral("LBLHEIGHT"), value(g.labelHeight));
    table.SetFloat(QStringLiteral("LBLWIDTH"), value(g.labelWidth));
    table.SetFloat(QStringLiteral("TOPMARG"), value(g.topMargin));
    table.SetFloat(QStringLiteral("LEFTMARG"), value(g.leftMargin));
    table.SetFloat(QStringLiteral("HORIZPITCH"), value(g.horizontalPitch));
    table.SetFloat(QStringLiteral("VERTPITCH"), value(g.verticalPitch));
    table.SetInteger(QStringLiteral("NBRACROSS"), g.labelsAcross);
    table.SetInteger(QStringLiteral("NBRDOWN"), g.labelsDown);
    table.SetText(QStringLiteral("PAPERSIZE"), g.paperSize);
    table.SetText(QStringLiteral("LBLSHAPE"), g.labelShape);
    // A named paper leaves the sheet size blank, as every record written before the sizes
    // were kept; only "USER" and "ROLL" store theirs.
    if (!HasField(table, "SHEETWIDTH") || !HasField(table, "SHEETDEPTH"))
        return;
    if (PaperSizes::SizeIsStored(g.paperSize) && g.sheetWidth > 0 && g.sheetHeight > 0) {
        table.SetFloat(QStringLiteral("SHEETWIDTH"), value(g.sheetWidth));
        table.SetFloat(QStringLiteral("SHEETDEPTH"), value(g.sheetHeight));
    } else {
        table.SetBlank(QStringLiteral("SHEETWIDTH"));
        table.SetBlank(QStringLiteral("SHEETDEPTH"));
    }
}
