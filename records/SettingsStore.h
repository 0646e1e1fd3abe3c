#pragma once
// Reading and writing "Halvane.ini" for the running program: the file codec
// plus the settings that other owners keep (the language, the font slots).

#include <QString>

#include <functional>

namespace halvane {

class SettingsStore
{
public:
    using ShowError = std::function<void(const QString &message)>;

    // Sets every default, then reads the file of `folder` into the program's
    // settings and hands the language and fonts to their owners.
    static void ReadSettings(const QString &folder);
    // Writes the whole file; shows "Can`t save options!" when that fails.
    // Nothing is written once the start-up check of the club files has failed.
    static bool WriteSettings(const QString &folder, const ShowError &showError);

    static QString FilePath(const QString &folder);
};

} // namespace halvane
