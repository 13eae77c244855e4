#include "app/DescriptionValidator.h"

#include "storage/DataTable.h"

QValidator::State DescriptionValidator::validate(QString& input, int& /*position*/) const {
    return input.toUtf8().size() <= maxBytes_ ? Acceptable : Invalid;
}

void DescriptionValidator::fixup(QString& input) const {
    input = DataTable::TruncateUtf8(input, maxBytes_);
}
