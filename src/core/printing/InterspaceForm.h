#pragma once
// The space between photos as the page layout window shows it: in millimetres or inches as the
// unit preference says, to a tenth of a millimetre or a hundredth of an inch, while the sheet
// and the defaults keep it in points. The window's slider moves by those same steps.

#include <QLocale>
#include <QString>
#include <optional>

class InterspaceForm {
public:
    // Decimals shown: 1 for millimetres, 2 for inches.
    static int decimals(bool metric);
    // The slider's positions: one a step of the display, from 0 to 25 mm or 1 in.
    static int maximumSteps(bool metric);
    // The position nearest to a space in points, kept within the slider's range.
    static int steps(float points, bool metric);
    static float pointsForSteps(int steps, bool metric);

    // "5.3" (15 points in millimetres) with the locale's decimal sign.
    static QString text(float points, bool metric, const QLocale& locale = QLocale());
    // The space a typed text stands for ("3.5" and "3,5" alike), rounded to a step of the
    // display and kept within the slider's range; none when the text is no number or is
    // negative.
    static std::optional<float> points(const QString& text, bool metric);
};
