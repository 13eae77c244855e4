#include "StoredLabels.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "storage/LabelRecordStore.h"
#include "storage/LabelTable.h"

QString TextItem(const QString& text, double top) {
    return QStringLiteral("LABELITEM=TEXT\nTOP=%1\nLEFT=0.1\nWIDTH=2.4\nHEIGHT=0.2\nFONTSIZE=10\n"
                          "FONTCOLOR=0\nANGLE=0\nTEXT=%2\nFONTNAME=Arial\nFONTBOLD=N\n"
                          "FONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\nRELATIVEY=0\n")
        .arg(top)
        .arg(text);
}

void WriteStoredLabel(const QString& directory, const QString& description,
                      const QString& objectsText) {
    QString failure;
    const std::unique_ptr<LabelTable> table = LabelTable::Open(directory, failure);
    ASSERT_TRUE(table) << failure.toStdString();
    CurrentLabel label;
    label.description = description;
    label.templateName = QStringLiteral("Address 1 x 2-5/8");
    label.geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"};
    LabelRecordStore(*table).Write(label, objectsText + QStringLiteral("NOTHING=NOTHING\n"), true);
}

BatchResult RunBatch(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProgram(QCoreApplication::applicationDirPath() +
                       QStringLiteral("/../../app/quorvane-batch"));
    process.setArguments(arguments);
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start();
    BatchResult result;
    if (!process.waitForFinished(120000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString PdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

int PdfPages(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(60000);
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(QString::fromUtf8(info.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}
