#pragma once

#include "document/SheetGeometry.h"
#include "storage/LabelTemplate.h"

#include <QString>

#include <functional>

// Applies a label template to the current label: the user picks one in the catalogue of the
// data directory's template table, and its name and sheet geometry are copied into the
// label. The label keeps its description and items; later changes to the template do not
// reach it.
class TemplateLoader {
public:
    // What applying a template touches in the main window.
    struct Target {
        CurrentLabel* label = nullptr;
        std::function<void()> FitPanelToLabel; // size and shape the design panel to the label
        std::function<void()> TriggerChange;   // mark the label changed
    };

    TemplateLoader(const QString& dataDirectory, Target target);

    // Opens the template table exclusively, shows the catalogue with the label's template
    // preselected and, on OK, applies the chosen row. False when the user cancelled or the
    // table could not be opened (then the open message is shown).
    bool LoadTemplate();

    // Copies a template's name and geometry into a label (codes cut to their widths).
    static void CopyTemplate(const LabelTemplate& labelTemplate, CurrentLabel& label);

private:
    QString dataDirectory_;
    Target target_;
};
