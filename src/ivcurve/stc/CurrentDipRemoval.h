#pragma once

#include <QVector>

class CurveData;

namespace IVCurve {

// Removes the current dips of a measured curve. The rule works in passes until one removes
// nothing: in the converted curve (no extension to the axes), the middle point of every three
// whose first current is not 0 and whose middle current is at or below both others is marked,
// and the measured curve is rebuilt without the marked points. A V-shaped line loses one point a
// pass, so the passes are followed here without rebuilding and converting the whole curve each
// time: a pass looks only where the last one removed points, as elsewhere the same three failed
// before, and the points are converted again only when a removal changed what their conversion
// depends on (the largest voltage or current, the first irradiance, the irradiance a point
// without its own takes from the one before). The largest values and the first irradiance are
// followed through lists that only ever move forward, as removed points never come back.
class CurrentDipRemoval
{
public:
    static void run(CurveData& curve);

private:
    explicit CurrentDipRemoval(CurveData& curve);

    // What the conversion of every point depends on besides the point itself.
    struct Inputs
    {
        double largestVoltage;
        double largestCurrent;
        double firstIrradiance;

        bool operator==(const Inputs& other) const;
    };

    void removeDips();
    QVector<int> marked(QVector<int>& candidates) const;
    bool isDip(int middle) const;
    void unlink(int point, QVector<int>& candidates);
    Inputs inputs();
    int firstLeft(const QVector<int>& order, int& position) const;
    double firstIrradiance();
    bool anchorMoved(const QVector<int>& removedPoints) const;
    void convertAgain(QVector<int>& candidates);
    CurveData remaining() const;

    CurveData& curve;
    QVector<double> currents;
    QVector<int> previous;
    QVector<int> next;
    QVector<bool> removed;
    // The points by measured voltage and by measured current, largest first, with the position of
    // the first that is left in each.
    QVector<int> byVoltage;
    QVector<int> byCurrent;
    int largestVoltageAt = 0;
    int largestCurrentAt = 0;
    // No point before this one sets the curve's first irradiance: neither 0 nor the default 1000.
    int firstIrradianceAt = 0;
    bool anyRemoved = false;
};

} // namespace IVCurve
