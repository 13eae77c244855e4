#include "storage/GeometryFields.h"

#include "storage/DataTable.h"
#include "storage/TableSchemas.h"

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
}
