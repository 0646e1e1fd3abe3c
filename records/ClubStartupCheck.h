#pragma once
// The start-up check of both club files: a missing or damaged file ends the
// program; a file the program must not write is reported and then left alone.

#include <QString>

#include <functional>

namespace halvane {

class ClubStartupCheck
{
public:
    // Shows one message; `fatal` for the messages that end the program.
    using Notify = std::function<void(const QString &message, bool fatal)>;

    // Checks "Halvane.clb" then "Halvane.net" in `folder` and sets up the
    // program-wide club files. Returns false when the program must close.
    static bool Run(const QString &folder, const Notify &notify);

    // The error box of the real program: the message on standard error, and in
    // a box unless the program runs without a screen.
    static void ShowMessage(const QString &message, bool fatal);
};

} // namespace halvane
