#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QTabWidget;
class QWidget;

namespace qx {

// A control as designed: its box and whether its font is bold.
struct DesignBox
{
    QWidget *control;
    QRect box;
    bool bold;
};

// The design of everything a resolution profile rescales, recorded once at
// start-up so each later rescale starts from the design and never
// accumulates rounding.
class DesignGeometry
{
public:
    // Records the page control and every named control on its pages, those of
    // page controls inside them too; the tab sheets themselves follow their
    // page control and are left out.
    void CaptureGeometry(QTabWidget &pageControl);
    QRect designBox(const QString &name) const;
    const QList<DesignBox> &controls() const { return controls_; }

private:
    void captureSheets(const QTabWidget &pageControl);
    void captureControls(const QWidget &parent);
    void record(QWidget &control);

    QList<DesignBox> controls_;
};

} // namespace qx
