#pragma once

#include <QObject>

namespace IVCurve {

class CurveGraph;

// Lets GUI test tools read how many lines of each kind the plot holds, as properties of an
// object they find by its name.
class CurveGraphSquishHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int MEASLineCount READ measLineCount)
    Q_PROPERTY(int STCLineCount READ stcLineCount)
    Q_PROPERTY(int NOMLineCount READ nomLineCount)
    Q_PROPERTY(int MEASPWRLineCount READ measPwrLineCount)
    Q_PROPERTY(int STCPWRLineCount READ stcPwrLineCount)
    Q_PROPERTY(int NOMPWRLineCount READ nomPwrLineCount)
    Q_PROPERTY(int EXPLineCount READ expLineCount)
    Q_PROPERTY(int EXPPWRLineCount READ expPwrLineCount)
    Q_PROPERTY(int VisibleLineCount READ visibleLineCount)

public:
    explicit CurveGraphSquishHelper(CurveGraph* graph);

    int measLineCount() const;
    int stcLineCount() const;
    int nomLineCount() const;
    int measPwrLineCount() const;
    int stcPwrLineCount() const;
    int nomPwrLineCount() const;
    int expLineCount() const;
    int expPwrLineCount() const;
    int visibleLineCount() const;

private:
    CurveGraph* graph;
};

} // namespace IVCurve
