#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/Preferences.h"
#include "printing/PrinterAlignmentSettings.h"

TEST(PrinterAlignmentSettings, KeptPerPrinterBesideTheLastLabelAndBadEntriesGiveDefaults) {
    QTemporaryDir dir;
    Preferences preferences(dir.path());
    ASSERT_TRUE(preferences.WriteLastUse(7));
    PrinterAlignmentSettings settings(preferences.FileName());
    EXPECT_EQ(settings.Read(QStringLiteral("PDF")), PrinterAlignment{}); // no entry: as today

    ASSERT_TRUE(settings.Write(QStringLiteral("PDF"), {0.04, -0.02, 1.01, 1.0}));
    ASSERT_TRUE(settings.Write(QStringLiteral("Office/Laser"), {0.1, 0, 1, 1}));
    EXPECT_EQ(settings.Read(QStringLiteral("PDF")), (PrinterAlignment{0.04, -0.02, 1.01, 1.0}));
    EXPECT_EQ(settings.Read(QStringLiteral("Office/Laser")).OffsetX, 0.1);
    EXPECT_EQ(settings.Read(QStringLiteral("Other")), PrinterAlignment{});
    EXPECT_EQ(preferences.ReadLastUse(), 7);

    QFile file(preferences.FileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    EXPECT_TRUE(text.contains(QStringLiteral("[Printers]")));
    EXPECT_TRUE(text.contains(QStringLiteral("PDF\\OffsetY=-0.0200"))) << text.toStdString();

    // A hand-edited entry: what cannot be read is its default, what is too big its limit.
    QString edited = text;
    edited.replace(QStringLiteral("PDF\\OffsetY=-0.0200"), QStringLiteral("PDF\\OffsetY=abc"));
    edited.replace(QStringLiteral("PDF\\ScaleX=1.0100"), QStringLiteral("PDF\\ScaleX=3"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(edited.toUtf8());
    file.close();
    EXPECT_EQ(settings.Read(QStringLiteral("PDF")), (PrinterAlignment{0.04, 0, 1.02, 1.0}));

    // No correction left: the printer's entry goes.
    ASSERT_TRUE(settings.Write(QStringLiteral("PDF"), {}));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("PDF\\")));
}
