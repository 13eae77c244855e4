#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include "printing/SheetJobObserver.h"

// The warning lines of one job, kept for the summary at its end: each line once, cut to
// LongestLine characters, at most KeptLines of them (the rest only counted), and how many
// records (or, without a merge, labels) had any.
class JobWarnings : public SheetJobObserver {
public:
    static constexpr qsizetype LongestLine = 200;
    static constexpr qsizetype KeptLines = 1000;

    void LabelWarning(const QString& line) override;
    void WarnedLabel(const QString& subject) override;

    bool IsEmpty() const { return lineCount_ == 0; }
    const QStringList& Lines() const { return lines_; }
    qsizetype LineCount() const { return lineCount_; }
    // "1 record has warnings", "3 records have warnings", "2 labels have warnings".
    QString Summary() const;

    // A line as warnings show it: cut to LongestLine characters, "..." marking the cut.
    static QString Shortened(const QString& line);

private:
    QStringList lines_;
    QSet<QString> seen_;
    qsizetype lineCount_ = 0;
    QSet<QString> records_;
    QSet<QString> labels_;
};
