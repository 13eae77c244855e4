#include "templates/TemplateLoader.h"

#include "storage/TableSchemas.h"

#include "storage/TemplateTable.h"
#include "templates/RecentTemplates.h"
#include "templates/TSelectTemplate.h"
#include "ui/Prompter.h"

namespace {
const auto LabelFields = LabelTableFields();
const int PaperSizeChars = SchemaFieldWidth(LabelFields, "PAPERSIZE");
const int LabelShapeChars = SchemaFieldWidth(LabelFields, "LBLSHAPE");
const int TemplateNameChars = SchemaFieldWidth(LabelFields, "TEMPLATE");
} // namespace

TemplateLoader::TemplateLoader(const QString& dataDirectory, Target target)
    : dataDirectory_(dataDirectory), target_(std::move(target)) {}

bool TemplateLoader::LoadTemplate() {
    QString message;
    std::unique_ptr<TemplateTable> table = TemplateTable::Open(dataDirectory_, message);
    if (!table) {
        ShowInformation(message);
        return false;
    }
    RecentTemplates recent(dataDirectory_);
    TSelectTemplate dialog(*table, Prompter::MainWindow());
    dialog.SetRecent(recent.Names());
    dialog.SetPreselect(target_.label->templateName);
    if (Prompter::Current().RunDialog(dialog) != QDialog::Accepted || !table->HasCurrentRecord())
        return false;
    CopyTemplate(table->Current(), *target_.label);
    // Only a convenience: a QV.INI that cannot be written costs the list, not the template.
    recent.Remember(table->Current().name);
    if (target_.FitPanelToLabel)
        target_.FitPanelToLabel();
    if (target_.TriggerChange)
        target_.TriggerChange();
    return true;
}

void TemplateLoader::CopyTemplate(const LabelTemplate& t, CurrentLabel& label) {
    label.templateName = t.name.left(TemplateNameChars);
    label.geometry = t.geometry;
    label.geometry.paperSize = t.geometry.paperSize.left(PaperSizeChars);
    label.geometry.labelShape = t.geometry.labelShape.left(LabelShapeChars);
}
