#include "ui/TInputQueryForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

TInputQueryForm::TInputQueryForm(QWidget* parent)
    : FixedDialog(QString(), QSize(307, 111), parent) {
    setObjectName(QStringLiteral("InputQueryForm"));
    MessageLabel = new QLabel(this);
    MessageLabel->setObjectName(QStringLiteral("MessageLabel"));
    MessageLabel->setGeometry(8, 10, 291, 18);
    InputText = new QLineEdit(this);
    InputText->setObjectName(QStringLiteral("InputText"));
    InputText->setGeometry(8, 32, 291, 26);
    MessageLabel->setBuddy(InputText);
    BitBtn1 = AddOkButton(tr("Ok"), QRect(136, 74, 77, 27), "BitBtn1");
    BitBtn2 = AddCancelButton(tr("Cancel"), QRect(222, 74, 77, 27), "BitBtn2");
    MouseHelpButton = AddMouseHelpButton(QRect(8, 74, 27, 27));
    InputText->setWhatsThis(tr("Type the text here; Enter takes it, Esc leaves it."));
    connect(InputText, &QLineEdit::textChanged, this, &TInputQueryForm::InputTextChanged);
}

void TInputQueryForm::SetPrompt(const QString& prompt) {
    MessageLabel->setText(prompt);
}

void TInputQueryForm::SetText(const QString& text) {
    InputText->setText(WithoutLineBreaks(text));
    InputText->selectAll();
}

QString TInputQueryForm::Text() const {
    return WithoutLineBreaks(InputText->text());
}

QString TInputQueryForm::WithoutLineBreaks(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString result = text;
    result.replace(lineBreak, QStringLiteral(" "));
    return result;
}

void TInputQueryForm::InputTextChanged(const QString& text) {
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return;
    const int cursor = InputText->cursorPosition();
    InputText->setText(WithoutLineBreaks(text));
    InputText->setCursorPosition(std::min(cursor, static_cast<int>(InputText->text().size())));
}
