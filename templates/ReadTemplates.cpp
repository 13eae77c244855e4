#include "templates/ReadTemplates.h"

#include "storage/TableSchemas.h"
#include "storage/TemplateTable.h"
#include "templates/SheetRules.h"

#include <algorithm>

QString ReadTemplates::FittedName(const QString& text) {
    const QString simple = text.simplified();
    if (simple.toUtf8().size() <= TemplateTable::NameWidth)
        return simple;
    QString fitted;
    for (const QString& word : simple.split(QLatin1Char(' '))) {
        const QString longer = fitted.isEmpty() ? word : fitted + QLatin1Char(' ') + word;
        if (longer.toUtf8().size() > TemplateTable::NameWidth)
            break;
        fitted = longer;
    }
    // A first word longer than the field is cut inside it, at a whole character.
    return fitted.isEmpty() ? TemplateTable::StoredName(simple) : fitted;
}

QString ReadTemplates::FittedEquivalents(const QString& text) {
    static const int width = SchemaFieldWidth(TemplateTableFields(), "EQUIVS");
    QString fitted = text;
    // Whole part numbers only: the list is cut after the last one that fits.
    while (fitted.toUtf8().size() > width) {
        const qsizetype cut = std::max(fitted.lastIndexOf(QStringLiteral(", ")),
                                       fitted.lastIndexOf(QStringLiteral("; ")));
        fitted = cut > 0 ? fitted.left(cut) : QString();
    }
    return fitted;
}

void ReadTemplates::Add(LabelTemplate t) {
    t.name = FittedName(t.name);
    t.equivalents = FittedEquivalents(t.equivalents);
    if (const QString problem = SheetRules::Problem(t.geometry); !problem.isEmpty()) {
        skipped.append({t.name, problem});
        return;
    }
    templates.append(std::move(t));
}
