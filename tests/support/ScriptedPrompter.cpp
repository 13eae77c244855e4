#include "support/ScriptedPrompter.h"

#include <QDialog>
#include <gtest/gtest.h>

using Answer = ScriptedPrompter::Answer;

namespace {
Answer Make(Answer::Kind kind, bool ok, const QString& text = {}, int first = 0, int second = 0,
            qint32 colour = 0, std::vector<int> turns = {}) {
    Answer answer;
    answer.kind = kind;
    answer.ok = ok;
    answer.text = text;
    answer.first = first;
    answer.second = second;
    answer.colour = colour;
    answer.turns = std::move(turns);
    return answer;
}
} // namespace

Answer Answer::Yes() {
    return Make(Kind::YesNo, true);
}
Answer Answer::No() {
    return Make(Kind::YesNo, false);
}
Answer Answer::Save() {
    return Make(Kind::SaveChanges, true, {}, int(SaveChoice::Save));
}
Answer Answer::Discard() {
    return Make(Kind::SaveChanges, true, {}, int(SaveChoice::Discard));
}
Answer Answer::CancelSave() {
    return Make(Kind::SaveChanges, false, {}, int(SaveChoice::Cancel));
}
Answer Answer::Text(const QString& text) {
    return Make(Kind::Text, true, text);
}
Answer Answer::CancelText() {
    return Make(Kind::Text, false);
}
Answer Answer::TextItem(const QString& text, const TextBoxOptions& options) {
    Answer answer = Make(Kind::Text, true, text);
    answer.textBox = options;
    return answer;
}
Answer Answer::Counter(int startingNumber, int repeatCount) {
    return Make(Kind::Counter, true, {}, startingNumber, repeatCount);
}
Answer Answer::CancelCounter() {
    return Make(Kind::Counter, false);
}
Answer Answer::Symbol(int characterCode, qint32 colour) {
    return Make(Kind::Symbol, true, {}, characterCode, 0, colour);
}
Answer Answer::CancelSymbol() {
    return Make(Kind::Symbol, false);
}
Answer Answer::Rotation(int angle, std::vector<int> turns) {
    return Make(Kind::Rotation, true, {}, angle, 0, 0, std::move(turns));
}
Answer Answer::CancelRotation(std::vector<int> turns) {
    return Make(Kind::Rotation, false, {}, 0, 0, 0, std::move(turns));
}
Answer Answer::Dialog(bool ok, std::function<void(QDialog&)> act) {
    Answer answer = Make(Kind::Dialog, ok);
    answer.act = std::move(act);
    return answer;
}
Answer Answer::Font(const FontChoice& font) {
    Answer answer = Make(Kind::Font, true);
    answer.font = font;
    return answer;
}
Answer Answer::CancelFont() {
    return Make(Kind::Font, false);
}
Answer Answer::Colour(qint32 colour) {
    return Make(Kind::Colour, true, {}, 0, 0, colour);
}
Answer Answer::CancelColour() {
    return Make(Kind::Colour, false);
}
Answer Answer::ImageFile(const QString& path) {
    return Make(Kind::ImageFile, !path.isEmpty(), path);
}
Answer Answer::SaveFile(const QString& path) {
    return Make(Kind::SaveFile, !path.isEmpty(), path);
}

ScriptedPrompter::ScriptedPrompter() {
    previous_ = Prompter::Install(this);
}

ScriptedPrompter::~ScriptedPrompter() {
    Prompter::Install(previous_);
}

ScriptedPrompter& ScriptedPrompter::Then(const Answer& answer) {
    answers_.push_back(answer);
    return *this;
}

QStringList ScriptedPrompter::Messages(const QString& kind) const {
    QStringList messages;
    for (const Shown& shown : shown_)
        if (shown.kind == kind)
            messages << shown.message;
    return messages;
}

bool ScriptedPrompter::Next(Answer::Kind kind, const QString& asked, Answer& answer) {
    if (answers_.empty()) {
        ADD_FAILURE() << "No scripted answer left for " << asked.toStdString();
        return false;
    }
    answer = answers_.front();
    answers_.pop_front();
    if (answer.kind != kind) {
        ADD_FAILURE() << "The scripted answer does not fit " << asked.toStdString();
        return false;
    }
    return true;
}

void ScriptedPrompter::ShowInformation(const QString& message) {
    shown_.push_back({QStringLiteral("Information"), QStringLiteral("Information"), message});
}

bool ScriptedPrompter::AskYesNo(const QString& message, const QString& caption) {
    shown_.push_back({QStringLiteral("YesNo"), caption, message});
    Answer answer;
    return Next(Answer::Kind::YesNo, QStringLiteral("the question ") + message, answer) &&
           answer.ok;
}

bool ScriptedPrompter::AskYesNoDefaultNo(const QString& message, const QString& caption) {
    shown_.push_back({QStringLiteral("YesNoDefaultNo"), caption, message});
    Answer answer;
    return Next(Answer::Kind::YesNo, QStringLiteral("the question ") + message, answer) &&
           answer.ok;
}

SaveChoice ScriptedPrompter::AskSaveChanges(const QString& description) {
    const QString question = SaveChangesQuestion(description);
    shown_.push_back({QStringLiteral("SaveChanges"), QString(), question});
    Answer answer;
    if (!Next(Answer::Kind::SaveChanges, QStringLiteral("the question ") + question, answer))
        return SaveChoice::Cancel;
    return SaveChoice(answer.first);
}

bool ScriptedPrompter::EnterText(const QString& title, const QString& prompt, QString& text) {
    shown_.push_back({QStringLiteral("Text"), title, prompt + QLatin1Char('|') + text});
    Answer answer;
    if (!Next(Answer::Kind::Text, QStringLiteral("the text entry ") + title, answer) || !answer.ok)
        return false;
    text = answer.text;
    return true;
}

bool ScriptedPrompter::AskTextItem(QString& text, TextBoxOptions& options) {
    shown_.push_back(
        {QStringLiteral("Text"), QStringLiteral("Text"), QStringLiteral("Enter text|") + text});
    Answer answer;
    if (!Next(Answer::Kind::Text, QStringLiteral("the text dialog"), answer) || !answer.ok)
        return false;
    text = answer.text;
    if (answer.textBox)
        options = *answer.textBox;
    return true;
}

void ScriptedPrompter::ShowRuntimeError(const QString& message) {
    shown_.push_back({QStringLiteral("Error"), QString(), message});
}

void ScriptedPrompter::ShowStatus(const QString& message) {
    shown_.push_back({QStringLiteral("Status"), QString(), message});
}

void ScriptedPrompter::ShowHelpTopic(int topic) {
    shown_.push_back({QStringLiteral("Help"), QString::number(topic), QString()});
}

void ScriptedPrompter::ShowHelpSection(const QString& anchor) {
    shown_.push_back({QStringLiteral("Help"), anchor, QString()});
}

bool ScriptedPrompter::AnswerCounter(const QString& kind, int& startingNumber, int& repeatCount) {
    shown_.push_back({kind, QStringLiteral("Counter"),
                      QStringLiteral("%1,%2").arg(startingNumber).arg(repeatCount)});
    Answer answer;
    if (!Next(Answer::Kind::Counter, QStringLiteral("the counter dialog"), answer) || !answer.ok)
        return false;
    startingNumber = answer.first;
    repeatCount = answer.second;
    return true;
}

bool ScriptedPrompter::AskNewCounter(int& startingNumber, int& repeatCount) {
    startingNumber = 1;
    repeatCount = 1;
    return AnswerCounter(QStringLiteral("NewCounter"), startingNumber, repeatCount);
}

bool ScriptedPrompter::AskCounterValues(int& startingNumber, int& repeatCount) {
    return AnswerCounter(QStringLiteral("CounterValues"), startingNumber, repeatCount);
}

bool ScriptedPrompter::AskSymbol(int& characterCode, qint32& colour) {
    shown_.push_back({QStringLiteral("Symbol"), QStringLiteral("Select Symbol"),
                      QStringLiteral("%1,%2").arg(characterCode).arg(colour)});
    Answer answer;
    if (!Next(Answer::Kind::Symbol, QStringLiteral("the symbol dialog"), answer) || !answer.ok)
        return false;
    characterCode = answer.first;
    colour = answer.colour;
    return true;
}

bool ScriptedPrompter::AskRotation(int& angle, const std::function<void(int)>& turn) {
    shown_.push_back(
        {QStringLiteral("Rotation"), QStringLiteral("Set Rotation"), QString::number(angle)});
    Answer answer;
    if (!Next(Answer::Kind::Rotation, QStringLiteral("the rotation dialog"), answer))
        return false;
    for (int live : answer.turns)
        if (turn)
            turn(live);
    if (!answer.ok)
        return false;
    if (turn)
        turn(answer.first);
    angle = answer.first;
    return true;
}

QString ScriptedPrompter::GetImageFile() {
    shown_.push_back({QStringLiteral("ImageFile"), QStringLiteral("Image Browse"), QString()});
    Answer answer;
    if (!Next(Answer::Kind::ImageFile, QStringLiteral("the image browser"), answer))
        return {};
    return answer.text;
}

QString ScriptedPrompter::GetSaveFileName(const QString& caption, const QString& suggested,
                                          const QString&) {
    shown_.push_back({QStringLiteral("SaveFile"), caption, suggested});
    Answer answer;
    if (!Next(Answer::Kind::SaveFile, QStringLiteral("the save-file dialog"), answer))
        return {};
    return answer.text;
}

int ScriptedPrompter::RunDialog(QDialog& dialog) {
    shown_.push_back({QStringLiteral("Dialog"), dialog.windowTitle(), dialog.objectName()});
    Answer answer;
    if (!Next(Answer::Kind::Dialog, QStringLiteral("the dialog ") + dialog.windowTitle(), answer))
        return QDialog::Rejected;
    if (answer.act)
        answer.act(dialog);
    return answer.ok ? QDialog::Accepted : QDialog::Rejected;
}

bool ScriptedPrompter::AskFont(FontChoice& font) {
    shown_.push_back({QStringLiteral("Font"), QStringLiteral("Font"),
                      QStringLiteral("%1,%2,%3%4%5,%6")
                          .arg(font.name)
                          .arg(font.size)
                          .arg(font.bold ? QStringLiteral("B") : QString())
                          .arg(font.italic ? QStringLiteral("I") : QString())
                          .arg(font.underline ? QStringLiteral("U") : QString())
                          .arg(font.colour)});
    Answer answer;
    if (!Next(Answer::Kind::Font, QStringLiteral("the font dialog"), answer) || !answer.ok)
        return false;
    font = answer.font;
    return true;
}

bool ScriptedPrompter::AskColour(qint32& colour) {
    shown_.push_back({QStringLiteral("Colour"), QStringLiteral("Color"), QString::number(colour)});
    Answer answer;
    if (!Next(Answer::Kind::Colour, QStringLiteral("the colour dialog"), answer) || !answer.ok)
        return false;
    colour = answer.colour;
    return true;
}
