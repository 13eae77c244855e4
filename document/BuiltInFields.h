#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// The fields every label may name besides a merge source's own:
//   {#}               the counter's value; on a label without a counter, the label's number
//                     in the job, from 1
//   {#:00000}         the same with leading zeros to as many digits as the zeros
//   {date}            the job's date in the language's short form
//   {date:FORMAT}     in Qt's date format letters, "dd.MM.yyyy", "d MMMM yyyy"
//   {date+N:FORMAT}   N days later (or {date-N:FORMAT} earlier); ":FORMAT" may be left out
//   {time}            the job's time in the language's short form
//   {time:HH:mm}      in Qt's time format letters
// The words "date" and "time" are matched regardless of case; a merge source's own field of
// the same name comes first (a "Date" column keeps printing its value).

// What a label's built-in fields stand for while it is drawn.
struct BuiltInFieldValues {
    QDate date;         // the job's date and time, taken once when it starts
    QTime time;         //
    qint64 number = 0;  // what {#} prints: the counter's value, or the label's number
};

// Whether name is a counter field ("#", "#:000"): it comes before any source field.
bool IsCounterField(const QString& name);
// Whether name has the form of a built-in field.
bool IsBuiltInField(const QString& name);
// The value of a built-in field, or nothing when name is none (or its format is not one).
std::optional<QString> BuiltInFieldValue(const QString& name, const BuiltInFieldValues& values);
