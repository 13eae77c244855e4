#pragma once

// How a job's sheets print, beside the label itself: chosen in the print dialog (the
// "Labels" tab and the dialog's own Collate box) or by the batch renderer's options.
struct PrintOptions {
    bool Outlines = false;  // each drawn label's outline over it
    bool CropMarks = false; // crop marks in the margins of every sheet
    bool Mirror = false;    // every sheet reversed left to right, for the back of clear film
    // With a merge, the copies run as whole sets of the records (1 2 3 1 2 3) instead of
    // each record's copies together (1 1 2 2 3 3); read where the merge run is made.
    bool Collate = false;

    bool operator==(const PrintOptions&) const = default;
};
