#pragma once

#include <QString>

namespace qx {

// Where the program looks for lang/, skins/ and help/, in this order: the
// working directory (a fitter's own copy wins), the program's folder (a
// build or an unpacked archive), the data folder of an installed program.
struct DataFolders
{
    QString working;
    QString program;
    QString installed;
};

// The folders for this run of the program.
DataFolders programDataFolders();

// relative ("lang/polish.lng") below the first folder holding its top folder
// ("lang"): a folder of languages or skins is used whole, never mixed with
// another's. When none holds it, below the working directory, so that a
// message names the place a fitter would put the file.
QString dataFilePath(const DataFolders &folders, const QString &relative);
QString dataFilePath(const QString &relative);

// An installed program: the languages are found neither in the working
// directory nor beside the program, but in the installed data folder.
bool runsInstalled(const DataFolders &folders);

// The folder below which param/ holds the parameter files: the working
// directory as always, the user's documents folder for an installed program
// (whose working directory may be anywhere, even read-only).
QString parameterHome(const DataFolders &folders);
QString parameterHome();

} // namespace qx
