#include "document/MergeFields.h"

namespace {

void AppendLiteral(QList<MergePiece>& pieces, const QString& text) {
    if (text.isEmpty())
        return;
    if (!pieces.isEmpty() && !pieces.last().isField) {
        pieces.last().text += text;
        return;
    }
    pieces.append(MergePiece{false, text});
}

// The text cut into literal spans and references, as typed: a reference's span holds its
// braces, a literal's its doubled braces still doubled.
struct Span {
    bool isField = false;
    qsizetype start = 0;
    qsizetype length = 0;
};

QList<Span> Spans(const QString& text) {
    QList<Span> spans;
    qsizetype literalStart = 0;
    const auto closeLiteral = [&](qsizetype end) {
        if (end > literalStart)
            spans.append(Span{false, literalStart, end - literalStart});
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if ((c == u'{' || c == u'}') && i + 1 < n && text[i + 1] == c) {
            ++i;
            continue;
        }
        if (c != u'{')
            continue;
        const qsizetype close = text.indexOf(u'}', i + 1);
        const qsizetype reopen = text.indexOf(u'{', i + 1);
        // An unclosed brace, or one whose name would hold another "{", is plain text.
        if (close > i && (reopen < 0 || reopen > close)) {
            closeLiteral(i);
            spans.append(Span{true, i, close - i + 1});
            i = close;
            literalStart = close + 1;
        }
    }
    closeLiteral(n);
    return spans;
}

// A literal span as printed: each doubled brace stands for one.
QString Unescaped(QStringView typed) {
    QString out;
    out.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        out += typed[i];
        if ((typed[i] == u'{' || typed[i] == u'}') && i + 1 < typed.size() &&
            typed[i + 1] == typed[i])
            ++i;
    }
    return out;
}

QString FieldName(const QString& text, const Span& span) {
    return text.mid(span.start + 1, span.length - 2);
}

} // namespace

QList<MergePiece> SplitMergeFields(const QString& text) {
    QList<MergePiece> pieces;
    for (const Span& span : Spans(text)) {
        if (span.isField)
            pieces.append(MergePiece{true, FieldName(text, span)});
        else
            AppendLiteral(pieces, Unescaped(QStringView(text).mid(span.start, span.length)));
    }
    return pieces;
}

QList<TextRun> MissingFieldRuns(const QString& text,
                                const std::function<bool(const QString& name)>& known) {
    QList<TextRun> runs;
    bool anyMissing = false;
    const auto append = [&runs](const QString& shown, bool marked) {
        if (!runs.isEmpty() && runs.last().marked == marked)
            runs.last().text += shown;
        else
            runs.append(TextRun{shown, marked});
    };
    if (!text.contains(u'{'))
        return runs;
    for (const Span& span : Spans(text)) {
        const QString name = span.isField ? FieldName(text, span) : QString();
        const bool missing =
            span.isField && !IsBuiltInField(name) && !(known && known(name));
        anyMissing = anyMissing || missing;
        append(missing ? QStringLiteral("{") + name + QStringLiteral("?}")
                       : text.mid(span.start, span.length),
               missing);
    }
    if (!anyMissing)
        runs.clear();
    return runs;
}

QList<TextRun> RecordFieldRuns(const QString& text, const FieldLookup& lookup,
                               const BuiltInFieldValues& builtIns) {
    QList<TextRun> runs;
    if (!HasMergeFields(text))
        return runs;
    const auto append = [&runs](const QString& shown, bool marked) {
        if (!runs.isEmpty() && runs.last().marked == marked)
            runs.last().text += shown;
        else
            runs.append(TextRun{shown, marked});
    };
    for (const MergePiece& piece : SplitMergeFields(text)) {
        if (!piece.isField) {
            append(piece.text, false);
            continue;
        }
        QStringList missing;
        const QString filled = SubstituteFields(MergeFieldReference(piece.text), lookup, builtIns,
                                                &missing);
        append(filled, !missing.isEmpty());
    }
    return runs;
}

bool HasMergeFields(const QString& text) {
    if (!text.contains(u'{'))
        return false;
    for (const MergePiece& piece : SplitMergeFields(text))
        if (piece.isField)
            return true;
    return false;
}

QStringList MergeFieldNames(const QString& text) {
    QStringList names;
    for (const MergePiece& piece : SplitMergeFields(text))
        if (piece.isField && !names.contains(piece.text))
            names.append(piece.text);
    return names;
}

QString SubstituteMergeFields(const QString& text, const FieldLookup& lookup,
                              QStringList* missing) {
    QString out;
    out.reserve(text.size());
    for (const MergePiece& piece : SplitMergeFields(text)) {
        if (!piece.isField) {
            out += piece.text;
            continue;
        }
        const std::optional<QString> value = lookup ? lookup(piece.text) : std::nullopt;
        if (value) {
            out += *value;
            continue;
        }
        out += QStringLiteral("{") + piece.text + QStringLiteral("?}");
        if (missing && !missing->contains(piece.text))
            missing->append(piece.text);
    }
    return out;
}

QString SubstituteFields(const QString& text, const FieldLookup& lookup,
                         const BuiltInFieldValues& builtIns, QStringList* missing) {
    if (!text.contains(u'{') && !text.contains(u'}'))
        return text;
    const FieldLookup chained = [&](const QString& name) -> std::optional<QString> {
        if (IsCounterField(name))
            return BuiltInFieldValue(name, builtIns);
        if (lookup)
            if (std::optional<QString> value = lookup(name))
                return value;
        return BuiltInFieldValue(name, builtIns);
    };
    return SubstituteMergeFields(text, chained, missing);
}

QString SubstituteBuiltInFields(const QString& text, const BuiltInFieldValues& builtIns) {
    if (!text.contains(u'{'))
        return text;
    QString out;
    out.reserve(text.size());
    for (const Span& span : Spans(text)) {
        const QStringView typed = QStringView(text).mid(span.start, span.length);
        const std::optional<QString> value =
            span.isField ? BuiltInFieldValue(FieldName(text, span), builtIns) : std::nullopt;
        if (value)
            out += *value;
        else
            out += typed;
    }
    return out;
}

QString MergeFieldReference(const QString& name) {
    QString clean = name;
    clean.remove(u'{');
    clean.remove(u'}');
    return QStringLiteral("{") + clean + QStringLiteral("}");
}
