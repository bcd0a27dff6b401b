#pragma once

#include <QString>

class QTextStream;

namespace qx {

// How a comparison of two parameter files ended, as the process's exit status.
enum DiffStatus { FilesEqual = 0, FilesDiffer = 1, FileTrouble = 2 };

// Compares two parameter files as the Parameters page would load them and
// prints each parameter they hold differently, in file order, one a line:
// "code caption: left -> right". Captions and list entries are in the
// language the program starts in; a tick shows as "[x]" or "[ ]", a value a
// file lacks as "-", an empty text (a list without a selection) as "".
// A file that cannot be read or is refused gets a message on err and
// nothing on out.
DiffStatus diffParameterFiles(const QString &left, const QString &right, QTextStream &out, QTextStream &err);

} // namespace qx
