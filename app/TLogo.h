#pragma once

#include <QWidget>

class QLabel;

namespace qx {

// The splash window shown while the program loads.
class TLogo final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 536;
    static constexpr int ClientHeight = 260;

    explicit TLogo(QWidget *parent = nullptr);

    // Shows the splash and lets the window system paint it before the
    // program goes on loading.
    void showSplash();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Centres the splash on the screen and its labels and pictures within it.
    void FormShow();

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Image1;
    QLabel *Image2;
};

// Our own logo, drawn at the given size.
QPixmap renderLogo(const QSize &size);

} // namespace qx
