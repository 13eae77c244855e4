#include "ui/FixedDialog.h"

#include <QPushButton>
#include <QWhatsThis>

#include "ui/Prompter.h"

FixedDialog::FixedDialog(const QString& caption, QSize clientSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(clientSize);
    setSizeGripEnabled(false);
}

QPushButton* FixedDialog::AddButton(const QString& text, const QRect& geometry,
                                    const char* objectName) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setGeometry(geometry);
    return button;
}

QPushButton* FixedDialog::AddOkButton(const QString& text, const QRect& geometry,
                                      const char* objectName) {
    QPushButton* button = AddButton(text, geometry, objectName);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &FixedDialog::accept);
    return button;
}

QPushButton* FixedDialog::AddCancelButton(const QString& text, const QRect& geometry,
                                          const char* objectName) {
    QPushButton* button = AddButton(text, geometry, objectName);
    connect(button, &QPushButton::clicked, this, &FixedDialog::reject);
    return button;
}

QPushButton* FixedDialog::AddHelpButton(int topic, const QRect& geometry) {
    QPushButton* button = AddButton(tr("Help"), geometry, "HelpButton");
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [topic] { ShowHelpTopic(topic); });
    return button;
}

QPushButton* FixedDialog::NewMouseHelpButton(QWidget* dialog) {
    auto* button = new QPushButton(QStringLiteral("?"), dialog);
    button->setObjectName(QStringLiteral("MouseHelpButton"));
    button->setAutoDefault(false);
    button->setToolTip(tr("What's this?"));
    button->setWhatsThis(tr("Click this button, then click a control to learn what it does."));
    QObject::connect(button, &QPushButton::clicked, dialog,
                     [] { QWhatsThis::enterWhatsThisMode(); });
    return button;
}

QPushButton* FixedDialog::AddMouseHelpButton(const QRect& geometry) {
    QPushButton* button = NewMouseHelpButton(this);
    button->setGeometry(geometry);
    return button;
}

void FixedDialog::accept() {
    BeforeAccept();
    QDialog::accept();
}
