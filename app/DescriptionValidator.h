#pragma once

#include <QValidator>

// Keeps what is typed into the description within what the label table stores: the
// DESCRIPT field's width in bytes of UTF-8, so that a name is never cut when it is saved.
class DescriptionValidator : public QValidator {
    Q_OBJECT
public:
    explicit DescriptionValidator(int maxBytes, QObject* parent = nullptr)
        : QValidator(parent), maxBytes_(maxBytes) {}

    State validate(QString& input, int& position) const override;
    void fixup(QString& input) const override;

private:
    int maxBytes_;
};
