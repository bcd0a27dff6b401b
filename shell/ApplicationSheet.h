#pragma once

#include <QString>

namespace qx {

// The application's one style sheet, built from parts in this order: the
// pages' own looks, the skin's colours, and last the sheet the user gave Qt
// with -stylesheet, which so outranks both (a deployment's "#ZapButPic
// { background: yellow }" holds under every skin). No control gets a sheet
// of its own: it would outrank the user's.
enum class SheetPart { PageLooks, Skin };

// Replaces one part and sets the whole sheet again when it changed.
void setApplicationSheetPart(SheetPart part, const QString &rules);

} // namespace qx
