#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Quorvane did not close properly. Restore your unsaved changes ...?": Restore (the default
// button, result Accepted) and Discard (result Rejected). Esc and the title bar close nothing:
// unsaved work is thrown away only by the Discard button.
class TRecoveryQuestion : public QDialog {
    Q_OBJECT
public:
    TRecoveryQuestion(const QString& message, QWidget* parent = nullptr);

    QLabel* Message = nullptr;
    QPushButton* RestoreButton = nullptr;
    QPushButton* DiscardButton = nullptr;

public slots:
    void reject() override;
};
