#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Labels in a label table and runs of quorvane-batch over them, for the tests that check
// what a merge prints.

// The objects text of a text item at top inches from the label's top, 2" wide, 10 pt Arial.
QString TextItem(const QString& text, double top);
// A label table in directory (made when missing) with one more label of a 3 x 10 letter
// sheet (2.625" x 1") holding objectsText (without its end marker).
void WriteStoredLabel(const QString& directory, const QString& description,
                      const QString& objectsText);

struct BatchResult {
    int exitCode = -1; // -2: it crashed; -1: it did not end in two minutes
    QString out;
    QString err;
};
// quorvane-batch, built beside the test executables, with arguments and, when given, an
// environment; what it printed.
BatchResult RunBatch(const QStringList& arguments,
                     const QProcessEnvironment& environment = QProcessEnvironment());

// A PDF file's text as poppler's pdftotext reads it (the layout kept), and its page count.
QString PdfText(const QString& pdf);
int PdfPages(const QString& pdf);
