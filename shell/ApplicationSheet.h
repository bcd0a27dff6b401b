#pragma once

#include <QString>

namespace qx {

// Style sheets and the sheet the user gave Qt (-stylesheet FILE), which must
// outrank everything the program sets: a deployment's "#ZapButPic
// { background: yellow }" holds under every skin.
//
// The application's sheet is the pages' looks followed by the user's. A
// control the program gives a sheet of its own (a skin's button) outranks
// the application's, so its sheet ends with the user's too.

// Sets the pages' looks, the user's sheet after them.
void setPageLooks(const QString &rules);
// The user's sheet, as Qt was given it before the program set one.
const QString &userStyleSheet();

} // namespace qx
