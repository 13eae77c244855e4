#pragma once

#include "storage/LabelTemplate.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What a template file held: the templates ready to store, those left out with the reason,
// notes on what was changed to make a template fit (a sheet of several layouts keeps its
// first), or why the file is no template file at all.
struct ReadTemplates {
    struct Skipped {
        QString name;
        QString reason;
    };
    QVector<LabelTemplate> templates;
    QVector<Skipped> skipped;
    QStringList notes;
    QString error; // set when the file could not be read as a template file

    bool Failed() const { return !error.isEmpty(); }

    // Keeps `t` when it passes the sheet rules, else lists it as skipped with the rule it
    // breaks. Its name is cut to what the table stores, at a word where one ends in time.
    void Add(LabelTemplate t);

    // A template name of at most 60 bytes (the TEMPLATE field): whole words while they fit,
    // blanks collapsed.
    static QString FittedName(const QString& text);
    // A list of equivalents cut to what EQUIVS stores (254 bytes), after a whole entry.
    static QString FittedEquivalents(const QString& text);
};
