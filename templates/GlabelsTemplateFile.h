#pragma once

#include "templates/ReadTemplates.h"

#include <QByteArray>
#include <QString>

// Reads a gLabels template file ("avery-us-templates.xml": a <Glabels-templates> element
// holding <Template> elements). Lengths may carry the units pt (also a bare number), in, mm,
// cm and pc. Rectangular labels become "SR" or, with rounded corners, "RR"; round, elliptical
// and CD labels become "RE" (a CD's hole is not kept). Markup is ignored. A template with
// several layouts keeps its first, and a note says so. A template that only names another
// as its equivalent ("equiv") adds its part number to that template's equivalents.
class GlabelsTemplateFile {
public:
    static ReadTemplates Read(const QByteArray& xml);

    // A length of the file in inches: "2.625in", "3.175mm", "9pt", "1.5cm", "2pc", "36".
    // False for text that is no length.
    static bool ParseLength(const QString& text, double& inches);

    // The category a template is listed under, from its description and its gLabels
    // categories: "address", "return address", "shipping", "name badge", "business card",
    // "file folder", "CD/DVD", "round", "oval", "square", "card", "photo", ...
    static QString Category(const QString& description, const QStringList& categories,
                            const QString& shape);
};
