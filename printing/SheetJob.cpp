#include "printing/SheetJob.h"

#include "printing/PaperChoice.h"
#include "printing/SheetRenderer.h"
#include "printing/TBaseReport.h"

void SheetJob::Render(TBaseReport& engine, SheetJobObserver* observer) const {
    Prepare(engine);
    Run(engine, observer);
}

void SheetJob::Prepare(TBaseReport& engine) const {
    SheetRenderer::SetUpEngine(engine);
    // A file or spooled document is named after the label it holds.
    if (!Label.description.trimmed().isEmpty())
        engine.Title = Label.description.trimmed();
    PaperChoice::Apply(engine, Label.geometry);
    engine.SetMirror(Options.Mirror);
}

void SheetJob::Run(TBaseReport& engine, SheetJobObserver* observer) const {
    SheetRenderer renderer(*this, observer);
    engine.OnPrint = [&renderer](TBaseReport& report) { renderer.PrintLabels(report); };
    try {
        engine.Execute();
    } catch (...) {
        engine.OnPrint = nullptr;
        throw;
    }
    engine.OnPrint = nullptr;
}
