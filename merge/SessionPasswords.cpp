#include "merge/SessionPasswords.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "merge/sql/DatabaseConnection.h"
#include "ui/Prompter.h"
#include <QCoreApplication>

std::optional<QString> SessionPasswords::Password(const DatabaseConnection& connection,
                                                  const QString& refusal) {
    const QString key = connection.ToUrl();
    // A kept password is tried once; when it is refused (changed meanwhile), ask.
    if (refusal.isEmpty() && kept_.contains(key))
        return kept_.value(key);
    kept_.remove(key);
    QDialog dialog(Prompter::DialogParent());
    dialog.setObjectName(QStringLiteral("DatabasePasswordDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("SessionPasswords", "Database Password"));
    auto* layout = new QVBoxLayout(&dialog);
    QString text = QCoreApplication::translate("SessionPasswords", "The password of %1 for %2:")
                       .arg(connection.user.isEmpty()
                                ? QCoreApplication::translate("SessionPasswords", "your user")
                                : u'"' + connection.user + u'"',
                            connection.Describe());
    if (!refusal.isEmpty())
        text = refusal + QStringLiteral("\n\n") + text;
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* edit = new QLineEdit;
    edit->setObjectName(QStringLiteral("PasswordEdit"));
    edit->setEchoMode(QLineEdit::Password);
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (Prompter::Current().RunDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return edit->text();
}

void SessionPasswords::Accepted(const DatabaseConnection& connection, const QString& password) {
    kept_.insert(connection.ToUrl(), password);
}
