#pragma once

#include <QImage>

// Device-independent bitmaps embedded in metafile records, decoded with bounds checks:
// a BITMAPINFOHEADER or BITMAPCOREHEADER, its colour table and its rows (bottom-up unless
// the height is negative). Returns a null image for anything damaged or too large.
QImage DecodeWmfDib(const uchar* data, int size);

// The old device-dependent Bitmap16 of BITBLT, STRETCHBLT and CREATEPATTERNBRUSH records;
// only monochrome bitmaps are device-independent enough to read (1 = white, 0 = black).
QImage DecodeWmfBitmap16(const uchar* data, int size);

// True when the DIB's rows are stored top-down (negative height).
bool WmfDibIsTopDown(const uchar* data, int size);
