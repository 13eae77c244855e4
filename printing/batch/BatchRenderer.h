#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QTime>
#include <utility>
#include <vector>

struct SheetJob;

// quorvane-batch: renders a stored label's sheets to a PDF file or to PNG images, without a
// window and while the program may be running (the label table is read without its lock).
class BatchRenderer {
public:
    enum ExitCode { Success = 0, BadUsage = 2, NotFound = 3, RenderFailed = 4 };

    struct Options {
        QString directory; // empty: the program's data directory
        QString label;
        int sheets = 1;
        std::vector<std::pair<int, int>> positions; // row, column from 1; empty: every one
        QString pdfFile;
        QString pngFolder;
        int dpi = 300;
        QString printerOffsets; // a printer whose correction in QV.INI moves the drawing
        QString mergeFile;      // one label per record of this file (a registry kind)
        QString sheet;          // with a spreadsheet mergeFile: the sheet ("" the first)
        QString mergeDb;        // or one label per row of this database (a URL)
        QString table;          // with mergeDb: every row of this table
        QString query;          // with mergeDb: the rows of this SELECT query
        int copies = 0;         // with a merge: labels per record (0: not given, 1)
        QString printer;        // print on this CUPS queue, with its alignment from QV.INI
        bool outlines = false;  // each label's outline
        bool cropMarks = false; // crop marks in the margins
        bool mirror = false;    // every sheet reversed left to right
        bool collate = false;   // with mergeFile: the records once per copy
        long long firstRecord = 0; // with a merge: the first record printed (0: not given)
        long long lastRecord = 0;  // and the last (0: to the end)
        QDate date;             // what {date} prints; invalid: the day the run starts
        QTime time;             // what {time} prints; invalid: the time the run starts
        bool help = false;
    };

    // Reads the arguments after the program name; false with a message in error when they are
    // not a valid call.
    static bool Parse(const QStringList& arguments, Options& options, QString& error);
    static QString Usage();

    // Renders as options say; messages go to err. Returns the exit code.
    static int Run(const Options& options, QTextStream& err);

private:
    // Prints job on the named queue, corrected by the queue's alignment in directory's QV.INI.
    static int Print(const SheetJob& job, const QString& directory, const QString& printer,
                     QTextStream& err);
};
