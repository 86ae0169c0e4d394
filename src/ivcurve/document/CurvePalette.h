#pragma once

#include <QColor>
#include <QVector>

namespace IVCurve {

// Hands out line colours to strings that have none yet. After the fifteen colours come round
// again they are handed out darker, in steps, so that neighbouring strings of a large array
// still differ; after the darkest step the round starts over at the plain colours.
class CurvePalette
{
public:
    static constexpr int colourCount = 15;

    // The one palette of the program: strings of every open document draw from it.
    static CurvePalette& instance();

    QColor takeColour();
    // Back to the first colour at its plain shade.
    void reset();

private:
    static const QVector<QColor>& colours();

    int index = 0;
    int darkness = 100;
};

} // namespace IVCurve
