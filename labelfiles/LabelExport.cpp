#include "labelfiles/LabelExport.h"

#include "document/ObjectsTextParse.h"
#include "document/Units.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString FreeName(const QString& name, const std::vector<EmbeddedPicture>& taken) {
    const auto used = [&](const QString& candidate) {
        for (const EmbeddedPicture& p : taken)
            if (p.name.compare(candidate, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    if (!used(name))
        return name;
    const QFileInfo info(name);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString base = name.left(name.size() - suffix.size());
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix);
        if (!used(candidate))
            return candidate;
    }
}

// A name a picture can be stored under, from its path's last part.
QString PlainName(const QString& path) {
    QString name = QFileInfo(path).fileName();
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            c = QLatin1Char('_');
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name = name.trimmed().left(100);
    return LabelFile::IsPlainFileName(name) ? name : QStringLiteral("picture");
}

} // namespace

QStringList LabelExport::PicturePaths(const QString& objectsText) {
    QStringList paths;
    const StoredItems items = ParseObjectsText(objectsText);
    for (const StoredBlock& block : items.blocks) {
        if (block.kind != LabelItemKind::Image)
            continue;
        for (const StoredLine& line : block.lines)
            if (line.key == StoredKey::FileNameAndPath && !line.value.isEmpty() &&
                !paths.contains(line.value.toString()))
                paths << line.value.toString();
    }
    return paths;
}

LabelExport::Built LabelExport::Build(const CurrentLabel& label, const QString& objectsText,
                                      const QString& mergeSource) {
    Built built;
    built.file.label = label;
    // The geometry as the label table keeps it: a label saved a moment ago still holds a
    // template's four decimals in memory, while its record and every reload hold three.
    SheetGeometry& g = built.file.label.geometry;
    for (float* length : {&g.labelHeight, &g.labelWidth, &g.topMargin, &g.leftMargin,
                          &g.horizontalPitch, &g.verticalPitch, &g.sheetWidth, &g.sheetHeight})
        *length = FloatToDBF(*length);
    built.file.objectsText = objectsText;
    built.file.mergeSource = mergeSource;
    for (const QString& path : PicturePaths(objectsText)) {
        QFile picture(path);
        if (picture.size() > LabelFile::MaxFileBytes) {
            built.missing << QCoreApplication::translate("LabelExport", "%1: larger than %2 MB")
                                 .arg(path)
                                 .arg(LabelFile::MaxFileBytes >> 20);
            continue;
        }
        if (!picture.open(QIODevice::ReadOnly)) {
            built.missing << QStringLiteral("%1: %2").arg(path, picture.errorString());
            continue;
        }
        EmbeddedPicture embedded;
        embedded.path = path;
        embedded.name = FreeName(PlainName(path), built.file.pictures);
        embedded.data = picture.readAll();
        built.file.pictures.push_back(std::move(embedded));
    }
    return built;
}

QString LabelExport::WriteFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}
