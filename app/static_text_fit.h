#pragma once

class QWidget;

// The templates sized their static texts for a narrow bitmap font; in the fonts found on
// Linux some captions would be cut off. Each label of the dialog that is too narrow for its
// text grows to the right, up to the dialog's edge; its position and height stay.
void FitStaticTexts(QWidget& dialog);
