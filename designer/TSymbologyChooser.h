#pragma once

#include "ui/FixedDialog.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Finds a barcode symbology by typing: every symbology of the installed Zint, under its
// group (Linear, GS1, 2D, Postal), narrowed to those whose caption, stored name or group
// hold every word typed ("ean 13", "qr", "postal"). The arrow keys move through the matches
// while the typing goes on, Enter takes the highlighted one, and what it takes is shown
// below the list.
class TSymbologyChooser : public FixedDialog {
    Q_OBJECT
public:
    explicit TSymbologyChooser(QWidget* parent = nullptr);

    // Highlights the symbology stored under name (nothing when it is not offered).
    void SetChoice(const QString& name);
    // The highlighted symbology's stored name, or empty when nothing matches.
    QString Choice() const;
    // The stored names the list shows, in order (the matches while a search is typed).
    QStringList ShownNames() const;
    // Whether an entry matches what was typed: each word, spaces, hyphens and letter case
    // aside, is found in its caption, stored name or group caption.
    static bool Matches(const QString& typed, const QString& caption, const QString& name,
                        const QString& group);

    QLineEdit* SearchEdit;
    QTreeWidget* SymbologyTree;
    QLabel* TakesLabel;
    QPushButton* OkButton;
    QPushButton* CancelButton;
    QPushButton* MouseHelpButton;

public slots:
    void SearchEditChange(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CurrentChange();
    QTreeWidgetItem* FirstShown() const;
    // The entries shown (the matches), in order, and a move of the highlight among them.
    QList<QTreeWidgetItem*> ShownEntries() const;
    void MoveBy(int step);
    static constexpr int PageStep = 10;
};
