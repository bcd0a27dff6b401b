#pragma once

#include <QDialog>

namespace qx {

// The about box; created with the main window and shown from the menu.
class TForm3 final : public QDialog
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);
};

} // namespace qx
