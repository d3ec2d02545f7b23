#pragma once
// Every file of the program lies in the folder of its executable. Tests point
// the program at a folder of their own.
#include <QString>

namespace vel {

// The program's folder, always ending with '/'.
QString ProgramFolder();
// The program's folder followed by a file name.
QString ProgramPath(const QString &fileName);
// Replaces the folder (an empty text restores the executable's folder).
void SetProgramFolder(const QString &folder);

}  // namespace vel
