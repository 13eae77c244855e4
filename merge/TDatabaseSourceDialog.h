#pragma once

#include <QDialog>

#include "merge/MergeSourceAddress.h"

class DatabasePasswords;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

// "Database": a database as the merge source. The connection (kind, host, port, database or
// file, user; the password is asked for when the database wants one and never kept in a
// file), then a table from the list that "Connect" fills, or a SELECT query. "Test" reads
// the source through and shows its number of records and its first rows.
class TDatabaseSourceDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int ShownRecords = 10;

    // Starts from address when it names a database; passwords may be null.
    TDatabaseSourceDialog(const MergeSourceAddress& address, DatabasePasswords* passwords,
                          QWidget* parent = nullptr);
    ~TDatabaseSourceDialog() override;

    QComboBox* KindBox;
    QLineEdit* HostEdit;
    QSpinBox* PortBox;
    QLineEdit* DatabaseEdit;
    QPushButton* BrowseButton;
    QLineEdit* UserEdit;
    QPushButton* ConnectButton;
    QRadioButton* TableButton;
    QComboBox* TableBox;
    QRadioButton* QueryButton;
    QPlainTextEdit* QueryEdit;
    QPushButton* TestButton;
    QLabel* ResultLabel;
    QTableWidget* ResultGrid;
    QPushButton* OkButton;
    QPushButton* CancelButton;

    // The source as the fields now say.
    MergeSourceAddress Address() const;

    // "Connect": fills the table list. False (with the reason shown) when it cannot.
    bool ConnectButtonClick();
    // "Test": the number of records and the first rows. False when the source cannot be read.
    bool TestButtonClick();
    // "Browse…" for an SQLite file.
    void BrowseButtonClick();
    // OK: the source must be readable.
    void OkButtonClick();

private:
    void KindChanged();
    DatabasePasswords* passwords_;
};
