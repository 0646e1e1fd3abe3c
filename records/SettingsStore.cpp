#include "SettingsStore.h"

#include "records/codec/ClubStore.h"
#include "records/codec/SettingsFile.h"
#include "records/codec/TextFile.h"
#include "table/Dictionary.h"
#include "table/FontSlots.h"
#include "table/phrases/OptionsPhrases.h"

#include <QDir>

namespace halvane {

QString SettingsStore::FilePath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("Halvane.ini"));
}

void SettingsStore::ReadSettings(const QString &folder)
{
    const std::filesystem::path path(FilePath(folder).toStdString());
    auto bytes = ReadFileBytes(path);
    if (!bytes)
        bytes = ReadFileBytes(path); // one more try, as for a file another program holds
    Settings &settings = CurrentSettings();
    settings = ParseSettingsFile(bytes);
    SetLanguageIndex(settings.LanguageIndex);
    FontSlotSet &fontSlots = CurrentFontSlots();
    for (std::size_t k = 0; k < fontSlots.size(); ++k)
        fontSlots[k] = FontSlot{settings.FontSlots[k].name, settings.FontSlots[k].percent};
}

bool SettingsStore::WriteSettings(const QString &folder, const ShowError &showError)
{
    if (CurrentClubFiles().startupCheckFailed)
        return false;
    Settings &settings = CurrentSettings();
    settings.LanguageIndex = LanguageIndex();
    const FontSlotSet &fontSlots = CurrentFontSlots();
    for (std::size_t k = 0; k < fontSlots.size(); ++k)
        settings.FontSlots[k] = FontSlotSetting{fontSlots[k].name, fontSlots[k].percent};
    const std::filesystem::path path(FilePath(folder).toStdString());
    const std::string bytes = SettingsFileBytes(settings);
    if (WriteFileAtomically(path, bytes) || WriteFileAtomically(path, bytes))
        return true;
    if (showError)
        showError(Phrase(ph::CantSaveOptions));
    return false;
}

} // namespace halvane
