#pragma once

#include <QWidget>

class QLabel;
class QSpinBox;
class QToolButton;

// The record bar over the design panel while the label has a merge source: the source's
// name, first / previous / next / last and the record's number, so that the panel shows the
// label as that record prints. It only shows and asks; RecordChosen tells which record the
// person went to.
class RecordBar : public QWidget {
    Q_OBJECT
public:
    explicit RecordBar(QWidget* parent = nullptr);

    // The source shown (its name as the person knows it) and how many records it holds;
    // 0 records: the bar says the source cannot be shown and offers no record.
    void SetSource(const QString& name, long long records);
    // Shows record (1..records) as the current one without telling anyone.
    void SetRecord(long long record);
    long long Record() const;
    long long Records() const { return records_; }
    // Goes to record (brought into 1..records) and tells RecordChosen when it changed.
    void GoTo(long long record);

    QLabel* SourceLabel;
    QToolButton* FirstButton;
    QToolButton* PreviousButton;
    QSpinBox* RecordBox;
    QLabel* CountLabel;
    QToolButton* NextButton;
    QToolButton* LastButton;

signals:
    void RecordChosen(long long record);

private:
    void EnableButtons();
    long long records_ = 0;
};
