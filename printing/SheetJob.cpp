#include "printing/SheetJob.h"

#include <QPlainTextEdit>

#include "printing/PaperChoice.h"
#include "printing/TBaseReport.h"
#include "printing/TLabelPrint.h"

void SheetJob::SetUpEngine(TBaseReport& engine) {
    engine.UnitsFactor = 1.0;
    engine.ScaleX = engine.ScaleY = 100;
    engine.MarginLeft = engine.MarginTop = engine.MarginRight = engine.MarginBottom = 0.5;
    engine.Title = QStringLiteral("Test Report");
}

void SheetJob::Render(TBaseReport& engine) const {
    SetUpEngine(engine);
    PaperChoice::Apply(engine, Label.geometry.paperSize);
    // The status window is only the drawing here; it is never shown.
    TLabelPrint drawing(Label.geometry, Selection);
    drawing.ObjectsMemo->setPlainText(ObjectsText);
    drawing.PageCount = Sheets;
    drawing.IsPrinting = false;
    drawing.ProcessMessages = BetweenLabels;
    drawing.OnWarning = OnWarning;
    engine.OnPrint = [&drawing](TBaseReport& report) { drawing.PrintLabels(report); };
    try {
        engine.Execute();
    } catch (...) {
        engine.OnPrint = nullptr;
        throw;
    }
    engine.OnPrint = nullptr;
}
