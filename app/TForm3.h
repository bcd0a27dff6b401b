#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class TAbGradient;

namespace qx {

// The about box: created with the main window, hidden, and shown again from
// the menu with the window's caption of the moment.
class TForm3 final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 314;
    static constexpr int ClientHeight = 254;

    explicit TForm3(QWidget *parent = nullptr);

    // Fills the version line and the date, centres the box on the screen and
    // shows it modally; returns at once, the window stays blocked until it closes.
    void ShowAboutBox(const QString &versionLine);

    void wwwLabelClick();
    void emailLabelClick();

    TAbGradient *AbGradient16;
    QLabel *Image2;
    QFrame *GroupBox1;
    QFrame *GroupBox2;
    QLabel *LabelQuorvantix;
    QLabel *CzasLabel;
    QLabel *wwwLabel;
    QLabel *emailLabel;
};

// The release date the about box shows.
inline constexpr char ReleaseDate[] = "30.VI.2005";

} // namespace qx
