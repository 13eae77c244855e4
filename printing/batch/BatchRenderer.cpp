#include "BatchRenderer.h"

#include "TerminalPasswords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <exception>
#include <memory>
#include <stdexcept>
#include <unistd.h>

#include "document/ChosenPositions.h"
#include "merge/MergeRun.h"
#include "merge/MergeSource.h"
#include "merge/MergeSourceAddress.h"
#include "merge/MergeSourceError.h"
#include "merge/MergeSourceRegistry.h"
#include "printing/JobWarnings.h"
#include "printing/OutputError.h"
#include "printing/OutputFile.h"
#include "printing/PrinterAlignmentSettings.h"
#include "printing/SheetJob.h"
#include "printing/SheetJobObserver.h"
#include "printing/StagedOutput.h"
#include "printing/TReportImage.h"
#include "printing/TReportPdfWriter.h"
#include "printing/TReportPrinter.h"
#include "storage/DataDirectory.h"
#include "storage/DataTable.h"
#include "storage/LabelRecordStore.h"
#include "storage/LabelTable.h"
#include "storage/TableErrorText.h"
#include "storage/dbf/Table.h"

namespace {

constexpr int kMaxSheets = 9999;

// Plain decimal digits only: no sign, no blanks, no base prefix.
bool ParseInt(const QString& text, int low, int high, int& value) {
    if (text.isEmpty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    value = text.toInt();
    return value >= low && value <= high;
}

// "20-45", "20-" (to the end) or "7" (that record alone); records count from 1.
bool ParseRecords(const QString& text, long long& first, long long& last) {
    const qsizetype dash = text.indexOf(u'-');
    bool ok = false;
    first = text.left(dash < 0 ? text.size() : dash).toLongLong(&ok);
    if (!ok || first < 1)
        return false;
    if (dash < 0) {
        last = first;
        return true;
    }
    const QString to = text.mid(dash + 1);
    if (to.isEmpty()) {
        last = 0;
        return true;
    }
    last = to.toLongLong(&ok);
    return ok && last >= first;
}

bool TakesValue(const QString& name) {
    static const QStringList options = {
        "--dir",      "--label",           "--sheets", "--positions", "--pdf",     "--png",
        "--dpi",      "--printer-offsets", "--merge",  "--copies",    "--printer", "--sheet",
        "--merge-db", "--table",           "--query",  "--date",      "--time",    "--records"};
    return options.contains(name);
}

// The print options that take no value; false when name is none of them.
bool SetFlag(const QString& name, BatchRenderer::Options& options) {
    if (name == QLatin1String("--outlines"))
        options.outlines = true;
    else if (name == QLatin1String("--crop-marks"))
        options.cropMarks = true;
    else if (name == QLatin1String("--mirror"))
        options.mirror = true;
    else if (name == QLatin1String("--collate"))
        options.collate = true;
    else
        return false;
    return true;
}

bool ParsePositions(const QString& text, std::vector<std::pair<int, int>>& positions) {
    for (const QString& part : text.split(u',')) {
        const QStringList rc = part.trimmed().split(u':');
        int row = 0, column = 0;
        if (rc.size() != 2 || !ParseInt(rc[0], 1, 30, row) || !ParseInt(rc[1], 1, 30, column))
            return false;
        positions.emplace_back(row, column);
    }
    return !positions.empty();
}

// Finds the label whose stored name matches description; false when there is none.
bool FindLabel(DataTable& table, const QString& description, SheetJob& job) {
    LabelRecordStore store(table);
    const QString wanted = store.ComparableName(description);
    for (table.First(); !table.Eof(); table.Next()) {
        if (store.ComparableName(table.Text(QStringLiteral("DESCRIPT"))) != wanted)
            continue;
        job.Label = store.Read();
        job.ObjectsText = store.ReadObjects();
        return true;
    }
    return false;
}

// Each label's problem is a warning line naming its record, cut to 200 characters so that
// a long merged value cannot flood the terminal; the run goes on.
class WarningsTo : public SheetJobObserver {
public:
    explicit WarningsTo(QTextStream& err) : err_(err) {}
    void LabelWarning(const QString& line) override {
        err_ << "quorvane-batch: "
             << QCoreApplication::translate("BatchRenderer", "warning: %1")
                    .arg(JobWarnings::Shortened(line))
             << "\n";
    }

private:
    QTextStream& err_;
};

// "--merge -": the records come as CSV on the standard input. They are copied to a file of
// their own first, because the job reads its source once to check it and again to print.
QString StandardInputAsCsv(std::unique_ptr<QTemporaryFile>& copy) {
    copy = std::make_unique<QTemporaryFile>(
        QDir::temp().filePath(QStringLiteral("quorvane-XXXXXX.csv")));
    QFile in;
    if (!copy->open() || !in.open(stdin, QIODevice::ReadOnly))
        throw MergeSourceError(
            QStringLiteral("-"), 0, 0,
            QCoreApplication::translate("BatchRenderer", "cannot copy the standard input: %1")
                .arg(copy->errorString()));
    char buffer[65536];
    for (qint64 read = 0; (read = in.read(buffer, sizeof buffer)) > 0;)
        if (copy->write(buffer, read) != read)
            throw MergeSourceError(
                QStringLiteral("-"), 0, 0,
                QCoreApplication::translate("BatchRenderer", "cannot copy the standard input: %1")
                    .arg(copy->errorString()));
    if (!copy->flush())
        throw MergeSourceError(
            QStringLiteral("-"), 0, 0,
            QCoreApplication::translate("BatchRenderer", "cannot copy the standard input: %1")
                .arg(copy->errorString()));
    return copy->fileName();
}

// Why the output named cannot be written at all (a device, a FIFO, a folder given as the
// PDF; a file given as the folder of the images), or "".
QString OutputRefusal(const BatchRenderer::Options& options) {
    if (options.pdfFile == QLatin1String("-"))
        return {};
    if (!options.pdfFile.isEmpty())
        return StagedOutput::Refusal(options.pdfFile);
    const QFileInfo folder(options.pngFolder);
    if (folder.exists() && !folder.isDir())
        return QCoreApplication::translate(
                   "BatchRenderer", "%1 is not a folder; --png names the folder the images go into")
            .arg(options.pngFolder);
    return {};
}

// The file is written under a partial name and put in place once it is complete.
void RenderPdf(const SheetJob& job, const PrinterAlignment& alignment, const QString& file,
               SheetJobObserver& observer) {
    TReportPdfWriter writer(file);
    writer.SetAlignment(alignment);
    job.Render(writer, &observer);
}

// "-": the PDF goes to the standard output as it is made; a failed write still fails the run.
void RenderPdfToStandardOutput(const SheetJob& job, const PrinterAlignment& alignment,
                               SheetJobObserver& observer) {
    OutputFile out(STDOUT_FILENO,
                   QCoreApplication::translate("BatchRenderer", "the standard output"));
    TReportPdfWriter writer(out);
    writer.SetAlignment(alignment);
    job.Render(writer, &observer);
}

// One image per sheet, each written and synced as soon as it is drawn; none is put in place
// before the last is complete. A folder this run made is removed again when it fails.
void RenderPngs(const SheetJob& job, const PrinterAlignment& alignment,
                const BatchRenderer::Options& options, SheetJobObserver& observer) {
    const QString folder = options.pngFolder;
    const bool madeFolder = !QFileInfo::exists(folder);
    if (!QDir().mkpath(folder))
        throw OutputError(
            QCoreApplication::translate("BatchRenderer", "cannot create the folder %1")
                .arg(folder)
                .toStdString());
    StagedOutput output;
    try {
        TReportImage images(options.dpi);
        images.SetAlignment(alignment);
        images.OnPage = [&](const QImage& page, int number) {
            const QString file = QDir(folder).filePath(
                QStringLiteral("sheet-%1.png").arg(number, 4, 10, QLatin1Char('0')));
            const QString refusal = StagedOutput::Refusal(file);
            if (!refusal.isEmpty())
                throw OutputError(refusal.toStdString());
            OutputFile& device = output.Stage(file);
            page.save(&device, "PNG");
            QString error;
            if (!output.Finish(error))
                throw OutputError(error.toStdString());
        };
        job.Render(images, &observer);
        QString error;
        if (!output.Commit(error))
            throw OutputError(error.toStdString());
    } catch (...) {
        output.Discard();
        if (madeFolder)
            QDir().rmdir(folder); // only when nothing else came to be in it
        throw;
    }
}

} // namespace

QString BatchRenderer::Usage() {
    return QCoreApplication::translate(
               "BatchRenderer",
               "Usage: quorvane-batch [--dir DIR] --label DESCRIPTION [--sheets N]\n"
               "                      [--positions R:C,R:C...] (--pdf FILE | --png FOLDER [--dpi "
               "N])\n"
               "                      [--merge FILE [--sheet NAME] | --merge-db URL (--table NAME "
               "|\n"
               "                       --query SELECT)] [--copies N]\n"
               "\n"
               "Renders the sheets of a stored label, exactly as they print.\n"
               "  --dir DIR          data directory holding QVLBLS.DBF (default: the program's)\n"
               "  --label TEXT       the label's description (case does not matter)\n"
               "  --sheets N         number of sheets, 1 to 9999 (default 1)\n"
               "  --positions LIST   only these positions, row:column counted from 1\n"
               "  --pdf FILE         write one PDF file, a page per sheet; - writes it to the\n"
               "                     standard output\n"
               "  --png FOLDER       write sheet-0001.png, sheet-0002.png... into FOLDER\n"
               "  --dpi N            resolution of the PNG images, 30 to 1200 (default 300);\n"
               "                     refused with --pdf\n"
               "  --printer NAME     print on the printer (CUPS queue) NAME, corrected by its\n"
               "                     alignment stored in QV.INI\n"
               "  --printer-offsets PRINTER\n"
               "                     move the drawing by the printer's alignment stored in QV.INI\n"
               "  --merge FILE       one label per record of FILE (kinds below); {Field} in a\n"
               "                     text is the record's field; the records decide the sheets;\n"
               "                     - reads CSV records from the standard input\n"
               "  --sheet NAME       with a spreadsheet: the sheet to read (default: the first)\n"
               "  --merge-db URL     one label per row of a database: "
               "postgresql://user@host:port/db,\n"
               "                     mysql://user@host:port/db, sqlite:///path/file.db, "
               "odbc://DSN;\n"
               "                     a password comes from the driver's configuration (~/.pgpass,\n"
               "                     PGPASSWORD) or is asked for on the terminal\n"
               "  --table NAME       with --merge-db: every row of this table\n"
               "  --query SELECT     with --merge-db: the rows of one SELECT statement, run in a\n"
               "                     read-only transaction\n"
               "  --copies N         with a merge: labels per record, 1 to 9999 (default 1); a\n"
               "                     merge of more than 1,000,000 sheets is refused\n"
               "  --collate          with --merge: all the records once per copy, instead of\n"
               "                     each record's copies together\n"
               "  --records FROM-TO  with a merge: only these records, counted from 1 (20-45;\n"
               "                     20- to the end; 7 alone)\n"
               "  --outlines         draw the outline of every label printed\n"
               "  --crop-marks       draw crop marks in the margins, in line with the labels' "
               "edges\n"
               "  --mirror           print every sheet reversed left to right (the back of film)\n"
               "  --date YYYY-MM-DD  the date {date} prints (default: today)\n"
               "  --time HH:MM       the time {time} prints (default: now)\n"
               "  --help             show this text\n"
               "\n"
               "Merge files, by name:\n") +
           MergeSourceRegistry::HelpText() +
           QCoreApplication::translate(
               "BatchRenderer",
               "\n"
               "The label table is only read, without its lock, so the program may run meanwhile.\n"
               "Files appear only when the whole run succeeded and every byte reached the disk; "
               "a\n"
               "failed run leaves existing files as they were. A symbolic link is written "
               "through;\n"
               "a device, named pipe or folder is refused.\n"
               "Exit codes: 0 success, 2 bad usage or an output that is not a file, 3 label or\n"
               "table not found or a merge source missing, unreadable, not a regular file or\n"
               "failing during the run, 4 the\n"
               "table cannot be read (damaged), rendering failed or an output could not be\n"
               "written.\n");
}

bool BatchRenderer::Parse(const QStringList& arguments, Options& options, QString& error) {
    bool dpiGiven = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            options.help = true;
            return true;
        }
        if (!name.startsWith(QLatin1String("--"))) {
            error = QCoreApplication::translate("BatchRenderer", "unexpected argument \"%1\"")
                        .arg(name);
            return false;
        }
        if (SetFlag(name, options))
            continue;
        if (!TakesValue(name)) {
            error = QCoreApplication::translate("BatchRenderer", "unknown option %1").arg(name);
            return false;
        }
        if (i + 1 >= arguments.size()) {
            error = QCoreApplication::translate("BatchRenderer", "%1 needs a value").arg(name);
            return false;
        }
        const QString value = arguments[++i];
        if (name == QLatin1String("--dir")) {
            options.directory = value;
        } else if (name == QLatin1String("--label")) {
            options.label = value;
        } else if (name == QLatin1String("--sheets")) {
            if (!ParseInt(value, 1, kMaxSheets, options.sheets)) {
                error = QCoreApplication::translate("BatchRenderer",
                                                    "--sheets takes a number from 1 to %1")
                            .arg(kMaxSheets);
                return false;
            }
        } else if (name == QLatin1String("--positions")) {
            if (!ParsePositions(value, options.positions)) {
                error = QCoreApplication::translate(
                    "BatchRenderer", "--positions takes row:column pairs such as 1:1,2:3");
                return false;
            }
        } else if (name == QLatin1String("--pdf")) {
            options.pdfFile = value;
        } else if (name == QLatin1String("--png")) {
            options.pngFolder = value;
        } else if (name == QLatin1String("--printer")) {
            options.printer = value;
        } else if (name == QLatin1String("--printer-offsets")) {
            options.printerOffsets = value;
        } else if (name == QLatin1String("--dpi")) {
            if (!ParseInt(value, 30, 1200, options.dpi)) {
                error = QCoreApplication::translate("BatchRenderer",
                                                    "--dpi takes a number from 30 to 1200");
                return false;
            }
            dpiGiven = true;
        } else if (name == QLatin1String("--merge")) {
            options.mergeFile = value;
        } else if (name == QLatin1String("--sheet")) {
            options.sheet = value;
        } else if (name == QLatin1String("--merge-db")) {
            options.mergeDb = value;
        } else if (name == QLatin1String("--table")) {
            options.table = value;
        } else if (name == QLatin1String("--query")) {
            options.query = value;
        } else if (name == QLatin1String("--records")) {
            if (!ParseRecords(value, options.firstRecord, options.lastRecord)) {
                error = QCoreApplication::translate(
                    "BatchRenderer", "--records takes FROM-TO, such as 20-45, 20- or 7");
                return false;
            }
        } else if (name == QLatin1String("--date")) {
            options.date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            if (!options.date.isValid()) {
                error = QCoreApplication::translate("BatchRenderer",
                                                    "--date takes a date such as 2026-03-31");
                return false;
            }
        } else if (name == QLatin1String("--time")) {
            options.time = QTime::fromString(value, QStringLiteral("HH:mm"));
            if (!options.time.isValid()) {
                error = QCoreApplication::translate("BatchRenderer",
                                                    "--time takes a time such as 14:05");
                return false;
            }
        } else if (name == QLatin1String("--copies")) {
            if (!ParseInt(value, 1, kMaxSheets, options.copies)) {
                error = QCoreApplication::translate("BatchRenderer",
                                                    "--copies takes a number from 1 to %1")
                            .arg(kMaxSheets);
                return false;
            }
        }
    }
    if (options.label.trimmed().isEmpty())
        error = QCoreApplication::translate("BatchRenderer", "--label is required");
    else if (int(!options.pdfFile.isEmpty()) + int(!options.pngFolder.isEmpty()) +
                 int(!options.printer.isEmpty()) !=
             1)
        error = QCoreApplication::translate("BatchRenderer",
                                            "give exactly one of --pdf, --png and --printer");
    else if (!options.printer.isEmpty() && !options.printerOffsets.isEmpty())
        error = QCoreApplication::translate("BatchRenderer",
                                            "--printer corrects by the printer's own alignment; "
                                            "--printer-offsets is for files");
    else if (dpiGiven && options.pngFolder.isEmpty())
        error = QCoreApplication::translate(
            "BatchRenderer", "--dpi applies to --png only (a PDF keeps its vectors)");
    else if (!options.mergeFile.isEmpty() && !options.mergeDb.isEmpty())
        error = QCoreApplication::translate("BatchRenderer", "give one of --merge and --merge-db");
    else if (options.copies > 0 && options.mergeFile.isEmpty() && options.mergeDb.isEmpty())
        error =
            QCoreApplication::translate("BatchRenderer", "--copies needs --merge or --merge-db");
    else if (options.collate && options.mergeFile.isEmpty() && options.mergeDb.isEmpty())
        error =
            QCoreApplication::translate("BatchRenderer", "--collate needs --merge or --merge-db");
    else if (!options.sheet.isEmpty() && options.mergeFile.isEmpty())
        error = QCoreApplication::translate("BatchRenderer",
                                            "--sheet needs --merge with a spreadsheet");
    else if ((!options.table.isEmpty() || !options.query.isEmpty()) && options.mergeDb.isEmpty())
        error = QCoreApplication::translate("BatchRenderer", "--table and --query need --merge-db");
    else if (!options.mergeDb.isEmpty() && options.table.isEmpty() == options.query.isEmpty())
        error = QCoreApplication::translate(
            "BatchRenderer", "with --merge-db give exactly one of --table and --query");
    else if (options.firstRecord > 0 && options.mergeFile.isEmpty() && options.mergeDb.isEmpty())
        error =
            QCoreApplication::translate("BatchRenderer", "--records needs --merge or --merge-db");
    else if ((!options.mergeFile.isEmpty() || !options.mergeDb.isEmpty()) && options.sheets != 1)
        error = QCoreApplication::translate(
            "BatchRenderer", "with a merge the records decide the sheets; give --copies");
    return error.isEmpty();
}

// A printer takes the document only once it is complete: a failed job prints nothing.
int BatchRenderer::Print(const SheetJob& job, const QString& directory, const QString& printer,
                         QTextStream& err) {
    if (!TReportPrinter::UsePrinter(printer)) {
        err << "quorvane-batch: "
            << QCoreApplication::translate("BatchRenderer", "no printer \"%1\"").arg(printer)
            << "\n";
        return NotFound;
    }
    PrinterAlignmentSettings alignments(QDir(directory).filePath(QStringLiteral("QV.INI")));
    PrinterAlignmentStore* before = TReportPrinter::AlignmentStore();
    TReportPrinter::SetAlignmentStore(&alignments);
    WarningsTo warnings(err);
    int code = Success;
    try {
        TReportPrinter engine;
        engine.SetCopies(1); // the sheets are the copies
        job.Render(engine, &warnings);
    } catch (const std::exception& error) {
        err << "quorvane-batch: "
            << QCoreApplication::translate("BatchRenderer", "printing failed: %1")
                   .arg(TableErrorText::Of(error))
            << "\n";
        code = RenderFailed;
    }
    TReportPrinter::SetAlignmentStore(before);
    return code;
}

int BatchRenderer::Run(const Options& options, QTextStream& err) {
    const QString refusal = OutputRefusal(options);
    if (!refusal.isEmpty()) {
        err << "quorvane-batch: " << refusal << "\n";
        return BadUsage;
    }
    const QString directory =
        options.directory.isEmpty() ? DataDirectory::Path() : options.directory;
    const QString path = LabelTable::PathIn(directory);
    if (!QFileInfo::exists(path)) {
        err << "quorvane-batch: "
            << QCoreApplication::translate("BatchRenderer", "no label table %1")
                   .arg(QDir::toNativeSeparators(path))
            << "\n";
        return NotFound;
    }
    SheetJob job;
    try {
        DataTable table(dbf::Table::open(path.toStdString(), dbf::Mode::ReadOnly));
        if (!FindLabel(table, options.label, job)) {
            err << "quorvane-batch: "
                << QCoreApplication::translate("BatchRenderer", "no label \"%1\" in %2")
                       .arg(options.label, QDir::toNativeSeparators(path))
                << "\n";
            return NotFound;
        }
    } catch (const std::exception& error) {
        // The table is there but damaged: not the same as a missing one.
        err << "quorvane-batch: "
            << QCoreApplication::translate("BatchRenderer", "cannot read %1: %2")
                   .arg(QDir::toNativeSeparators(path), TableErrorText::Of(error))
            << "\n";
        return RenderFailed;
    }

    job.Sheets = options.sheets;
    const SheetGeometry& g = job.Label.geometry;
    if (!options.positions.empty()) {
        job.Selection.SpecificLabelsChosen = true;
        for (const auto& [row, column] : options.positions) {
            const int position = (row - 1) * g.labelsAcross + (column - 1);
            if (row > g.labelsDown || column > g.labelsAcross ||
                position >= ChosenPositions::MaxPositions) {
                err << "quorvane-batch: "
                    << QCoreApplication::translate("BatchRenderer",
                                                   "the sheet has %1 rows and %2 columns; "
                                                   "there is no position %3:%4")
                           .arg(g.labelsDown)
                           .arg(g.labelsAcross)
                           .arg(row)
                           .arg(column)
                    << "\n";
                return BadUsage;
            }
            job.Selection.SelectedPositions[position] = true;
        }
    }

    // Only when asked: a file is not a printer, and prints as designed.
    PrinterAlignment alignment;
    if (!options.printerOffsets.isEmpty())
        alignment = PrinterAlignmentSettings(QDir(directory).filePath(QStringLiteral("QV.INI")))
                        .Read(options.printerOffsets);
    // The merge file is read whole before anything is drawn.
    std::unique_ptr<MergeSource> source;
    std::unique_ptr<MergeRun> merge;
    std::unique_ptr<QTemporaryFile> standardInputCopy;
    if (!options.mergeFile.isEmpty() || !options.mergeDb.isEmpty()) {
        try {
            MergeSourceAddress address;
            if (options.mergeDb.isEmpty()) {
                address.fileName = options.mergeFile;
                address.sheet = options.sheet;
            } else {
                address = MergeSourceAddress::Parse(options.mergeDb);
                if (!address.IsDatabase())
                    throw MergeSourceError(
                        options.mergeDb, 0, 0,
                        QCoreApplication::translate("BatchRenderer", "is no database address"));
                address.table = options.table;
                address.query = options.query;
            }
            if (address.fileName == QLatin1String("-"))
                address.fileName = StandardInputAsCsv(standardInputCopy);
            TerminalPasswords passwords;
            source = address.Open(&passwords);
            merge = std::make_unique<MergeRun>(
                *source, std::max(1, options.copies), options.collate,
                MergeRun::Range{std::max(1LL, options.firstRecord), options.lastRecord});
        } catch (const MergeSourceError& error) {
            err << "quorvane-batch: " << error.Message() << "\n";
            return NotFound;
        }
        const QString tooMany = merge->SheetLimitError(job.Label.geometry, job.Selection);
        if (!tooMany.isEmpty()) {
            err << "quorvane-batch: " << tooMany << "\n";
            return BadUsage;
        }
        const QString warning = merge->MissingFieldsWarning(job.ObjectsText);
        if (!warning.isEmpty())
            err << "quorvane-batch: " << warning << "\n";
        job.Merge = merge.get();
    }

    job.Options.Outlines = options.outlines;
    job.Options.CropMarks = options.cropMarks;
    job.Options.Mirror = options.mirror;
    job.Options.Collate = options.collate;
    const QDateTime now = QDateTime::currentDateTime();
    job.Clock = QDateTime(options.date.isValid() ? options.date : now.date(),
                          options.time.isValid() ? options.time : now.time());
    job.PictureFolders = {directory};
    if (!options.printer.isEmpty())
        return Print(job, directory, options.printer, err);

    WarningsTo warnings(err);
    try {
        if (options.pdfFile == QLatin1String("-"))
            RenderPdfToStandardOutput(job, alignment, warnings);
        else if (!options.pdfFile.isEmpty())
            RenderPdf(job, alignment, options.pdfFile, warnings);
        else
            RenderPngs(job, alignment, options, warnings);
    } catch (const OutputError& error) {
        err << "quorvane-batch: " << QString::fromUtf8(error.what()) << "\n";
        return RenderFailed;
    } catch (const MergeSourceError& error) {
        // A source that fails half-way (a database gone): the staged output is left unused.
        err << "quorvane-batch: " << error.Message() << "\n";
        return NotFound;
    } catch (const std::exception& error) {
        err << "quorvane-batch: "
            << QCoreApplication::translate("BatchRenderer", "rendering failed: %1")
                   .arg(TableErrorText::Of(error))
            << "\n";
        return RenderFailed;
    }
    return Success;
}
