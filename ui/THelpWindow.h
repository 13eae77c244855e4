#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

// The help window: the program's help text, opened at a numbered topic. One window serves
// the whole run; opening another topic scrolls it there.
class THelpWindow : public QDialog {
    Q_OBJECT
public:
    // The window of this run, created on first use.
    static THelpWindow& Instance();

    // Shows the window at the topic; an unknown topic shows the contents.
    void ShowTopic(int topic);
    // Shows the window at a section of the help, by the anchor its heading carries.
    void ShowSection(const QString& anchor);
    // The help file shown, in the language of the program's texts when the help has it: the
    // installed one under the install prefix when the program runs installed, else the copy
    // built into the program.
    static QUrl HelpSource();
    // The anchor the topic's section carries.
    static QString AnchorFor(int topic);

    QTextBrowser* Browser = nullptr;

private:
    explicit THelpWindow(QWidget* parent = nullptr);
    // Beside a dialog's outer rectangle (right of it, else left), on the screen; narrower
    // when neither side has room for its usual width.
    void PlaceBeside(const QRect& dialog, const QSize& frame);
};
