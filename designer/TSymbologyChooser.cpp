#include "designer/TSymbologyChooser.h"

#include "controls/BarcodeCatalogue.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

#include <algorithm>

namespace {
constexpr int NameRole = Qt::UserRole + 1;
constexpr int TakesRole = Qt::UserRole + 2;

// Lower case without spaces and hyphens, so "EAN-13", "ean 13" and "EAN13" meet.
QString Folded(const QString& text) {
    QString folded = text.toLower();
    folded.remove(u' ');
    folded.remove(u'-');
    folded.remove(u'_');
    return folded;
}
} // namespace

TSymbologyChooser::TSymbologyChooser(QWidget* parent)
    : FixedDialog(tr("Find Symbology"), QSize(380, 460), parent) {
    setObjectName(QStringLiteral("SymbologyChooser"));

    auto* findLabel = new QLabel(tr("&Find:"), this);
    findLabel->setGeometry(8, 8, 52, 26); // room for the German "Suchen:"
    SearchEdit = new QLineEdit(this);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setGeometry(64, 8, 308, 26);
    SearchEdit->setClearButtonEnabled(true);
    SearchEdit->setPlaceholderText(tr("Type part of a name: ean, qr, postal \u2026"));
    SearchEdit->setWhatsThis(tr("Type part of a symbology's name; the list keeps the ones that "
                                "match. Up and Down move through them, Enter takes one."));
    SearchEdit->installEventFilter(this);
    findLabel->setBuddy(SearchEdit);

    SymbologyTree = new QTreeWidget(this);
    SymbologyTree->setObjectName(QStringLiteral("SymbologyTree"));
    SymbologyTree->setGeometry(8, 40, 364, 328);
    SymbologyTree->setHeaderHidden(true);
    SymbologyTree->setRootIsDecorated(false);
    SymbologyTree->setUniformRowHeights(true);
    SymbologyTree->setItemsExpandable(false);
    SymbologyTree->installEventFilter(this);
    SymbologyTree->setWhatsThis(tr("Every kind of barcode this program prints, by group."));
    SymbologyTree->setAccessibleName(tr("Symbologies"));

    QTreeWidgetItem* group = nullptr;
    bool haveGroup = false;
    BarcodeGroup groupKind = BarcodeGroup::Linear;
    for (const BarcodeType& type : BarcodeCatalogue::All()) {
        if (!haveGroup || type.group != groupKind) {
            haveGroup = true;
            groupKind = type.group;
            group =
                new QTreeWidgetItem(SymbologyTree, {BarcodeCatalogue::GroupCaption(type.group)});
            // A heading: not a choice, skipped by the arrow keys, but plainly legible.
            group->setFlags(Qt::ItemIsEnabled);
            QFont bold = SymbologyTree->font();
            bold.setBold(true);
            group->setFont(0, bold);
            group->setForeground(0, SymbologyTree->palette().brush(QPalette::Text));
        }
        auto* entry = new QTreeWidgetItem(group, {type.caption});
        entry->setData(0, NameRole, type.name);
        entry->setData(0, TakesRole, type.takes);
        entry->setToolTip(0, type.name);
    }
    SymbologyTree->expandAll();

    TakesLabel = new QLabel(this);
    TakesLabel->setObjectName(QStringLiteral("TakesLabel"));
    TakesLabel->setGeometry(8, 372, 364, 44);
    TakesLabel->setWordWrap(true);
    TakesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Cancel is wider than OK: "Abbrechen" takes more room than "Cancel".
    OkButton = AddOkButton(tr("OK"), QRect(156, 424, 70, 27), "OkButton");
    CancelButton = AddCancelButton(tr("Cancel"), QRect(232, 424, 82, 27), "CancelButton");
    MouseHelpButton = AddMouseHelpButton(QRect(320, 424, 52, 27));

    connect(SearchEdit, &QLineEdit::textChanged, this, &TSymbologyChooser::SearchEditChange);
    connect(SymbologyTree, &QTreeWidget::currentItemChanged, this, [this] { CurrentChange(); });
    connect(SymbologyTree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item && item->parent())
            accept();
    });
    SymbologyTree->setCurrentItem(FirstShown());
    SearchEdit->setFocus();
}

bool TSymbologyChooser::Matches(const QString& typed, const QString& caption, const QString& name,
                                const QString& group) {
    const QString haystack = Folded(caption) + u'|' + Folded(name) + u'|' + Folded(group);
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& word : typed.split(blanks, Qt::SkipEmptyParts))
        if (!haystack.contains(Folded(word)))
            return false;
    return true;
}

void TSymbologyChooser::SearchEditChange(const QString& text) {
    for (int g = 0; g < SymbologyTree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = SymbologyTree->topLevelItem(g);
        bool any = false;
        for (int i = 0; i < group->childCount(); ++i) {
            QTreeWidgetItem* entry = group->child(i);
            const bool shown =
                Matches(text, entry->text(0), entry->data(0, NameRole).toString(), group->text(0));
            entry->setHidden(!shown);
            any = any || shown;
        }
        group->setHidden(!any);
    }
    // The highlight stays on a match: the first one when the highlighted entry went.
    QTreeWidgetItem* current = SymbologyTree->currentItem();
    if (!current || current->isHidden() || !current->parent())
        SymbologyTree->setCurrentItem(FirstShown());
    CurrentChange();
}

QList<QTreeWidgetItem*> TSymbologyChooser::ShownEntries() const {
    QList<QTreeWidgetItem*> entries;
    for (int g = 0; g < SymbologyTree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = SymbologyTree->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i)
            if (!group->isHidden() && !group->child(i)->isHidden())
                entries << group->child(i);
    }
    return entries;
}

void TSymbologyChooser::MoveBy(int step) {
    const QList<QTreeWidgetItem*> entries = ShownEntries();
    if (entries.isEmpty())
        return;
    const qsizetype at = entries.indexOf(SymbologyTree->currentItem());
    const qsizetype to = at < 0 ? 0 : std::clamp<qsizetype>(at + step, 0, entries.size() - 1);
    SymbologyTree->setCurrentItem(entries[to]);
}

QTreeWidgetItem* TSymbologyChooser::FirstShown() const {
    const QList<QTreeWidgetItem*> entries = ShownEntries();
    return entries.isEmpty() ? nullptr : entries.first();
}

void TSymbologyChooser::CurrentChange() {
    QTreeWidgetItem* current = SymbologyTree->currentItem();
    if (current && !current->parent()) {
        // A heading is no choice: its first shown entry is.
        for (int i = 0; i < current->childCount(); ++i)
            if (!current->child(i)->isHidden()) {
                SymbologyTree->setCurrentItem(current->child(i));
                return;
            }
    }
    const bool chosen = current && current->parent() && !current->isHidden();
    OkButton->setEnabled(chosen);
    if (chosen) {
        current->setSelected(true);
        SymbologyTree->scrollToItem(current);
        TakesLabel->setText(tr("%1 (stored as %2) takes %3.")
                                .arg(current->text(0), current->data(0, NameRole).toString(),
                                     current->data(0, TakesRole).toString()));
    } else {
        TakesLabel->setText(tr("No symbology matches \"%1\".").arg(SearchEdit->text()));
    }
}

void TSymbologyChooser::SetChoice(const QString& name) {
    for (int g = 0; g < SymbologyTree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = SymbologyTree->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            if (group->child(i)->data(0, NameRole).toString() == name) {
                SymbologyTree->setCurrentItem(group->child(i));
                return;
            }
        }
    }
}

QString TSymbologyChooser::Choice() const {
    const QTreeWidgetItem* current = SymbologyTree->currentItem();
    return current && current->parent() && !current->isHidden()
               ? current->data(0, NameRole).toString()
               : QString();
}

QStringList TSymbologyChooser::ShownNames() const {
    QStringList names;
    for (const QTreeWidgetItem* entry : ShownEntries())
        names << entry->data(0, NameRole).toString();
    return names;
}

bool TSymbologyChooser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return FixedDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // The moving keys step through the matches, whether the search box or the list has the
    // focus, so that typing and choosing mix; the headings are passed over.
    if (watched == SearchEdit || watched == SymbologyTree) {
        const int step = key->key() == Qt::Key_Up         ? -1
                         : key->key() == Qt::Key_Down     ? 1
                         : key->key() == Qt::Key_PageUp   ? -PageStep
                         : key->key() == Qt::Key_PageDown ? PageStep
                                                          : 0;
        if (step != 0) {
            MoveBy(step);
            return true;
        }
    }
    // Typing in the list goes on in the search box.
    if (watched == SymbologyTree && !key->text().isEmpty() && key->text().at(0).isPrint() &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        SearchEdit->setFocus();
        SearchEdit->insert(key->text());
        return true;
    }
    return FixedDialog::eventFilter(watched, event);
}
