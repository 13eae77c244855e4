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

} // namespace

QList<MergePiece> SplitMergeFields(const QString& text) {
    QList<MergePiece> pieces;
    QString literal;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        const bool doubled = i + 1 < n && text[i + 1] == c;
        if ((c == u'{' || c == u'}') && doubled) {
            literal += c;
            ++i;
            continue;
        }
        if (c == u'{') {
            const qsizetype close = text.indexOf(u'}', i + 1);
            const qsizetype reopen = text.indexOf(u'{', i + 1);
            // An unclosed brace, or one whose name would hold another "{", is plain text.
            if (close > i && (reopen < 0 || reopen > close)) {
                AppendLiteral(pieces, literal);
                literal.clear();
                pieces.append(MergePiece{true, text.mid(i + 1, close - i - 1)});
                i = close;
                continue;
            }
        }
        literal += c;
    }
    AppendLiteral(pieces, literal);
    return pieces;
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

QString MergeFieldReference(const QString& name) {
    QString clean = name;
    clean.remove(u'{');
    clean.remove(u'}');
    return QStringLiteral("{") + clean + QStringLiteral("}");
}
