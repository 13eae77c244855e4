#include "printing/SheetJob.h"

#include "printing/PaperChoice.h"
#include "printing/SheetRenderer.h"
#include "printing/TBaseReport.h"

void SheetJob::Render(TBaseReport& engine) const {
    SheetRenderer::SetUpEngine(engine);
    PaperChoice::Apply(engine, Label.geometry);
    SheetRenderer renderer(Label.geometry, Selection);
    renderer.ObjectsText = ObjectsText;
    renderer.PageCount = Sheets;
    renderer.BetweenLabels = BetweenLabels;
    renderer.Merge = Merge;
    renderer.OnWarning = OnWarning;
    engine.OnPrint = [&renderer](TBaseReport& report) { renderer.PrintLabels(report); };
    try {
        engine.Execute();
    } catch (...) {
        engine.OnPrint = nullptr;
        throw;
    }
    engine.OnPrint = nullptr;
}
