#include "app/TSplashForm.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int SplashWidth = 420;
constexpr int SplashHeight = 260;

// Large lettering with a light upper-left edge and a dark lower-right shadow.
void DrawRaisedText(QPainter& painter, const QRect& area, const QString& text) {
    painter.setPen(Qt::white);
    painter.drawText(area.translated(-2, -2), Qt::AlignCenter, text);
    painter.setPen(QColor(64, 64, 64));
    painter.drawText(area.translated(3, 3), Qt::AlignCenter, text);
    painter.setPen(QColor(0, 0, 128));
    painter.drawText(area, Qt::AlignCenter, text);
}
} // namespace

TSplashForm::TSplashForm(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog) {
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(SplashWidth, SplashHeight);
    OkButton = new QPushButton(tr("Ok"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setGeometry((SplashWidth - 75) / 2, SplashHeight - 36, 75, 25);
    OkButton->setDefault(true);
    OkButton->hide();
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TSplashForm::ShowOkButton() {
    OkButton->show();
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(192, 192, 192));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(1, 1, width() - 2, 1);
    painter.drawLine(1, 1, 1, height() - 2);
    painter.setPen(QPen(QColor(96, 96, 96), 2));
    painter.drawLine(width() - 1, 1, width() - 1, height() - 1);
    painter.drawLine(1, height() - 1, width() - 1, height() - 1);

    QFont title(QStringLiteral("Times New Roman"), 40, QFont::Bold, true);
    painter.setFont(title);
    DrawRaisedText(painter, QRect(0, 20, width(), 80), QStringLiteral("Quorvane"));

    QFont body(QStringLiteral("Arial"), 10);
    painter.setFont(body);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 105, width(), 20), Qt::AlignCenter, tr("Version 1.9"));
    painter.drawText(QRect(0, 130, width(), 20), Qt::AlignCenter,
                     tr("Label design and sheet printing"));
    painter.drawText(QRect(0, 150, width(), 20), Qt::AlignCenter,
                     tr("Written by the Quorvane developers"));
    painter.setPen(Qt::red);
    painter.drawText(QRect(0, 180, width(), 20), Qt::AlignCenter, tr("64-bit version for Linux"));
}
