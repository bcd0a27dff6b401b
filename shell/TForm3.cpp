#include "TForm3.h"

namespace qx {

TForm3::TForm3(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
}

} // namespace qx
