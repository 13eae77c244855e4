#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "designer/DesignerPrompter.h"

class QDialog;

// A prompter for tests: it records every message and question it is shown and answers
// questions and dialogs from a queue of scripted answers, in order, so that no person is
// needed. While it lives it is the current prompter. An answer of the wrong kind, or a
// question with no answer left, fails the running test and answers No / Cancel.
class ScriptedPrompter : public DesignerPrompter {
public:
    struct Answer {
        enum class Kind {
            YesNo,
            Text,
            Counter,
            Symbol,
            Rotation,
            ImageFile,
            Dialog,
            Font,
            Colour,
            SaveFile,
            SaveChanges
        };
        Kind kind = Kind::YesNo;
        bool ok = false;                   // Yes / OK
        QString text;                      // Text, ImageFile
        int first = 0;                     // Counter starting number, Symbol code, Rotation angle
        int second = 0;                    // Counter repeat count
        qint32 colour = 0;                 // Symbol colour value, Colour
        FontChoice font;                   // Font
        std::vector<int> turns;            // Rotation: angles the item is turned to while open
        std::function<void(QDialog&)> act; // Dialog: what the person does before closing it
        std::optional<TextBoxOptions> textBox; // TextItem: the box options chosen, if any

        static Answer Yes();
        static Answer No();
        // Save changes to "…"?: Save, Discard or Cancel.
        static Answer Save();
        static Answer Discard();
        static Answer CancelSave();
        static Answer Text(const QString& text);
        static Answer CancelText();
        // The text dialog closed with OK on text and, when given, these box options.
        static Answer TextItem(const QString& text, const TextBoxOptions& options);
        static Answer Counter(int startingNumber, int repeatCount);
        static Answer CancelCounter();
        static Answer Symbol(int characterCode, qint32 colour);
        static Answer CancelSymbol();
        // The dialog turns the item through each angle of turns, then closes with OK at
        // angle, or with Cancel.
        static Answer Rotation(int angle, std::vector<int> turns = {});
        static Answer CancelRotation(std::vector<int> turns = {});
        static Answer ImageFile(const QString& path); // empty: cancelled
        static Answer Font(const FontChoice& font);
        static Answer CancelFont();
        static Answer Colour(qint32 colour);
        static Answer CancelColour();
        static Answer SaveFile(const QString& path); // empty: cancelled
        // Any other modal dialog: act on it (select a row, fill a field), then OK or Cancel.
        static Answer Dialog(bool ok, std::function<void(QDialog&)> act = {});
    };

    // One thing the program showed or asked.
    struct Shown {
        QString kind; // "Information", "YesNo", "SaveChanges", "YesNoDefaultNo", "Text", "Error",
                      // "Help", "NewCounter", "CounterValues", "Symbol", "Rotation", "ImageFile",
                      // "Font", "Colour", "SaveFile", "Status"
        QString caption; // caption or title; the topic number or section anchor for "Help"
        QString message; // message or prompt; for dialogs the values they were opened with
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    ScriptedPrompter& Then(const Answer& answer);
    std::size_t Unanswered() const { return answers_.size(); }
    // Forgets the answers left over, for steps that may or may not ask.
    void DropUnanswered() { answers_.clear(); }

    const std::vector<Shown>& History() const { return shown_; }
    // The messages of one kind, in order ("Information", "Error", ...).
    QStringList Messages(const QString& kind) const;

    void ShowInformation(const QString& message) override;
    bool AskYesNo(const QString& message, const QString& caption) override;
    bool AskYesNoDefaultNo(const QString& message, const QString& caption) override;
    SaveChoice AskSaveChanges(const QString& description) override;
    bool EnterText(const QString& title, const QString& prompt, QString& text) override;
    void ShowRuntimeError(const QString& message) override;
    void ShowHelpTopic(int topic) override;
    void ShowHelpSection(const QString& anchor) override;
    void ShowStatus(const QString& message) override;
    // Answered by a Text answer, as the one-line entry is ("Text" in the history).
    bool AskTextItem(QString& text, TextBoxOptions& options) override;
    bool AskNewCounter(int& startingNumber, int& repeatCount) override;
    bool AskCounterValues(int& startingNumber, int& repeatCount) override;
    bool AskSymbol(int& characterCode, qint32& colour) override;
    bool AskRotation(int& angle, const std::function<void(int)>& turn) override;
    QString GetImageFile() override;
    bool AskFont(FontChoice& font) override;
    bool AskColour(qint32& colour) override;
    QString GetSaveFileName(const QString& caption, const QString& suggested,
                            const QString& filter) override;
    int RunDialog(QDialog& dialog) override;

private:
    bool Next(Answer::Kind kind, const QString& asked, Answer& answer);
    bool AnswerCounter(const QString& kind, int& startingNumber, int& repeatCount);

    std::deque<Answer> answers_;
    std::vector<Shown> shown_;
    Prompter* previous_ = nullptr;
};
