#include "ui/TRecoveryQuestion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TRecoveryQuestion::TRecoveryQuestion(const QString& message, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("RecoveryQuestion"));
    setWindowTitle(QStringLiteral("Quorvane"));
    setModal(true);

    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    Message = new QLabel(message, this);
    Message->setObjectName(QStringLiteral("Message"));
    Message->setWordWrap(true);
    Message->setMinimumWidth(320);
    Message->setTextFormat(Qt::PlainText);

    auto* buttons = new QDialogButtonBox(this);
    RestoreButton = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    RestoreButton->setObjectName(QStringLiteral("RestoreButton"));
    RestoreButton->setDefault(true);
    DiscardButton =
        buttons->addButton(tr("&Discard"), QDialogButtonBox::DestructiveRole);
    DiscardButton->setObjectName(QStringLiteral("DiscardButton"));
    DiscardButton->setAutoDefault(false);
    connect(RestoreButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(DiscardButton, &QPushButton::clicked, this, [this] { done(Rejected); });

    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(icon);
    row->addWidget(Message, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    RestoreButton->setFocus();
}

void TRecoveryQuestion::reject() {}
