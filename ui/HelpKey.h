#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QApplication;
class QWidget;

// F1 anywhere in the program opens the help at the topic of the window in front:
//   - a window with a Help button of its own opens what that button opens;
//   - any other dialog opens the section that describes it (SectionFor);
//   - an open menu closes and the section describing its commands opens;
//   - a message box or file dialog opens the topic of the window it belongs to;
//   - the main window and anything else open the contents.
class HelpKey : public QObject {
    Q_OBJECT
public:
    // Makes F1 work in every window of the application; once is enough.
    static void Install(QApplication& application);

    // The window F1 acts on: an open menu, else the modal dialog, else the active window,
    // else the program's main window.
    static QWidget* WindowInFront();
    // What F1 does for that window.
    static void OpenHelpFor(QWidget* window);

    // The help section (its anchor) describing a window that has no Help button, by its
    // class or, for menus, by the menu; empty when there is none of its own.
    static QString SectionFor(const QWidget* window);
    // The same by class name alone, for the dialogs of the program.
    static QString SectionForClass(const QString& className);
    // Every section F1 may open by itself (without a Help button).
    static QStringList KnownSections();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
