#include "printing/JobWarnings.h"
#include <QCoreApplication>

QString JobWarnings::Shortened(const QString& line) {
    return line.size() > LongestLine ? line.left(LongestLine - 3) + QStringLiteral("...") : line;
}

void JobWarnings::LabelWarning(const QString& line) {
    // With copies a record's label repeats, and so would its lines.
    if (seen_.contains(line))
        return;
    seen_.insert(line);
    ++lineCount_;
    if (lines_.size() < KeptLines)
        lines_.append(Shortened(line));
}

void JobWarnings::WarnedLabel(const QString& subject) {
    // The renderer names a merged label "Record <n>" in the user's language.
    const QString record = QCoreApplication::translate("SheetRenderer", "Record %1");
    if (subject.startsWith(record.left(record.indexOf(QLatin1String("%1")))))
        records_.insert(subject);
    else
        labels_.insert(subject);
}

QString JobWarnings::Summary() const {
    if (!records_.isEmpty())
        return records_.size() == 1
                   ? QCoreApplication::translate("JobWarnings", "1 record has warnings")
                   : QCoreApplication::translate("JobWarnings", "%1 records have warnings")
                         .arg(records_.size());
    if (!labels_.isEmpty())
        return labels_.size() == 1
                   ? QCoreApplication::translate("JobWarnings", "1 label has warnings")
                   : QCoreApplication::translate("JobWarnings", "%1 labels have warnings")
                         .arg(labels_.size());
    return lineCount_ == 0 ? QString()
                           : QCoreApplication::translate("JobWarnings", "The job has warnings");
}
