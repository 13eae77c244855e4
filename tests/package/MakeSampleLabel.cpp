#include "storage/LabelRecordStore.h"
#include "storage/LabelTable.h"

#include <QCoreApplication>
#include <QTextStream>

// Writes a label table with one label into a data directory, for the package test to render
// with the installed quorvane-batch: a 2-5/8 x 1 in address label (30 to a Letter sheet)
// holding a line of text and a Code 128 barcode.
// Usage: qv_make_sample_label DIRECTORY DESCRIPTION TEXT
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        err << "usage: qv_make_sample_label DIRECTORY DESCRIPTION TEXT\n";
        return 2;
    }
    QString failure, detail;
    std::unique_ptr<LabelTable> table = LabelTable::Open(arguments[1], failure, &detail);
    if (!table) {
        err << failure << ": " << detail << '\n';
        return 1;
    }
    CurrentLabel label;
    label.description = arguments[2];
    label.templateName = QStringLiteral("Address 1 x 2-5/8 (30)");
    label.geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"};
    const QString objects =
        QStringLiteral("LABELITEM=TEXT\r\nTOP=0.08\r\nLEFT=0.1\r\nWIDTH=2.4\r\nHEIGHT=0.25\r\n"
                       "FONTSIZE=12\r\nFONTCOLOR=0\r\nANGLE=0\r\nTEXT=%1\r\nFONTNAME=Arial\r\n"
                       "FONTBOLD=N\r\nFONTITALIC=N\r\nFONTUNDER=N\r\nRELATIVEX=0\r\nRELATIVEY=0\r\n"
                       "LABELITEM=BARCODE\r\nTOP=0.4\r\nLEFT=0.1\r\nWIDTH=2.2\r\nHEIGHT=0.5\r\n"
                       "SYMBOLOGY=CODE128\r\nDATA=QV-0001\r\nSHOWTEXT=Y\r\nCOLOR=0\r\n"
                       "BACKGROUND=16777215\r\nNOTHING=NOTHING\r\n")
            .arg(arguments[3]);
    try {
        LabelRecordStore(*table).Write(label, objects, true);
        table->Close();
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return 1;
    }
    return 0;
}
