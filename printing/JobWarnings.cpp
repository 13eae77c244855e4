#include "printing/JobWarnings.h"

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
    if (subject.startsWith(QLatin1String("Record")))
        records_.insert(subject);
    else
        labels_.insert(subject);
}

QString JobWarnings::Summary() const {
    if (!records_.isEmpty())
        return records_.size() == 1
                   ? QStringLiteral("1 record has warnings")
                   : QStringLiteral("%1 records have warnings").arg(records_.size());
    if (!labels_.isEmpty())
        return labels_.size() == 1 ? QStringLiteral("1 label has warnings")
                                   : QStringLiteral("%1 labels have warnings").arg(labels_.size());
    return lineCount_ == 0 ? QString() : QStringLiteral("The job has warnings");
}
