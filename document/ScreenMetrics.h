#pragma once

// The screen's logical pixels per inch, read once at start-up and used for every
// conversion between stored inches and on-screen pixels. Tests inject 96 or 120.
int ScreenPixelsPerInch();
void SetScreenPixelsPerInch(int pixelsPerInch);
