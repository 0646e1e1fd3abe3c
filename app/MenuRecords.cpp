#include "MenuRecords.h"

#include "TForm1.h"
#include "core/Cp1251.h"
#include "records/ClubStartupCheck.h"
#include "records/LocalGameEndSteps.h"
#include "records/SettingsStore.h"
#include "records/TFHistory.h"
#include "records/TFormCount.h"
#include "records/TFormOptions.h"
#include "records/TFormPassword.h"
#include "records/TFormSpeed.h"
#include "records/TFormTopTen.h"
#include "records/codec/ClubStore.h"
#include "records/codec/PlayerLine.h"
#include "records/codec/Settings.h"
#include "records/codec/TopTenLine.h"
#include "online/ServiceHost.h"
#include "platform/PackNames.h"
#include "platform/UrlDownload.h"
#include "table/CardImages.h"
#include "table/OwnCursors.h"
#include "table/PackDownload.h"
#include "table/Dictionary.h"
#include "table/PackTableArt.h"
#include "table/phrases/GameTablePhrases.h"
#include "table/phrases/MainWindowPhrases.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace halvane {

namespace {
QString FromBytes(const std::string &bytes)
{
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

const ClubStore &StoreInUse(const TForm1 &form)
{
    return CurrentClubFiles().InUse(form.NetGame);
}

void Save(const ClubStore &store, const ClubFile &club)
{
    if (store.Save(club) == ClubStore::SaveResult::Failed)
        MenuRecords::ShowError(Phrase(ph::DiskWriteError));
}
} // namespace

void MenuRecords::ShowError(const QString &message)
{
    std::fprintf(stderr, "halvane: %s\n", qPrintable(DisplayLines(message)));
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QMessageBox::critical(nullptr, Phrase(ph::ProductName), DisplayLines(message));
}

std::unique_ptr<LocalGameEndSteps> MenuRecords::EndSteps(TForm1 &form, WavePlayer *sounds)
{
    auto steps = std::make_unique<LocalGameEndSteps>(form.ProgramFolder, &form, sounds, form.Counters);
    steps->setAccountMode([&form] { return form.AccountMode; });
    return steps;
}

bool MenuRecords::StartUp(TForm1 &form)
{
    SettingsStore::ReadSettings(form.ProgramFolder);
    form.MenuDisplayMode = CurrentSettings().MenuDisplayMode;
    form.NetGame = CurrentSettings().NetGame;
    if (!ClubStartupCheck::Run(form.ProgramFolder, &ClubStartupCheck::ShowMessage))
        return false;
    SettingsStore::WriteSettings(form.ProgramFolder, &MenuRecords::ShowError);
    return true;
}

void MenuRecords::RefreshMenu(TForm1 &form)
{
    const auto club = StoreInUse(form).Load();
    if (!club)
        return; // no club file yet (the start-up check reports why)
    std::array<MemberLine, 5> members{};
    for (int k = 1; k <= 5; ++k) {
        const auto p = PlayerLine::Parse(club->line(k));
        if (!p)
            continue;
        MemberLine &m = members[std::size_t(k - 1)];
        m.empty = false;
        m.name = FromBytes(p->name);
        m.games = p->games;
        m.cycleScore = p->cycleScore;
        m.rating = p->rating;
    }
    form.setMemberLines(members);
    std::array<std::pair<QString, int>, 3> top{};
    for (int k = 1; k <= 3; ++k) {
        const TopTenEntry e = ReadTopTenLine(club->line(k + 5));
        top[std::size_t(k - 1)] = e.filled ? std::pair(FromBytes(e.name), e.value) : std::pair(QString(), 0);
    }
    form.setTopThree(top);
}

bool MenuRecords::Welcome(TForm1 &form, int slot)
{
    const ClubStore &store = StoreInUse(form);
    const ClubFile club = store.Load().value_or(ClubFile::Fresh());
    const bool member = slot >= 1 && slot <= 5;
    const auto line = member ? PlayerLine::Parse(club.line(slot)) : std::nullopt;
    if (member && !line)
        return false;
    TFormPassword dialog(member ? TFormPassword::Mode::Member : TFormPassword::Mode::NewPlayer,
                         line ? line->name : std::string(), line ? line->passwordField : std::string(),
                         CurrentSettings().LastPlayerName, &form);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    form.Counters = LoadCounters(club, slot, dialog.name(), dialog.password());
    if (!member)
        CurrentSettings().LastPlayerName = TrimmedName(dialog.name());
    return true;
}

void MenuRecords::Abandon(TForm1 &form, int slot)
{
    if (form.TournamentGame || form.AccountMode == 3 || slot < 1 || slot > 5)
        return;
    const ClubStore &store = StoreInUse(form);
    auto club = store.Load();
    if (!club)
        return;
    RemovePlayer(*club, slot);
    Save(store, *club);
    if (form.MenuShown)
        RefreshMenu(form);
}

void MenuRecords::Close(TForm1 &form)
{
    SettingsStore::WriteSettings(form.ProgramFolder, &MenuRecords::ShowError);
}

void MenuRecords::ShowTopTen(TForm1 &form)
{
    // The purple look opens the world top ten instead (its own subsystem).
    if (CurrentSettings().PurpleDialogs)
        return;
    TFormTopTen dialog(StoreInUse(form).Load().value_or(ClubFile::Fresh()), form.NetGame, &form);
    dialog.exec();
}

void MenuRecords::ShowHistory(TForm1 &form)
{
    TFHistory dialog(form.ProgramFolder + QStringLiteral("History"), &form);
    dialog.exec();
}

void MenuRecords::ShowOptions(TForm1 &form)
{
    OptionsHooks hooks;
    hooks.menuShown = [&form] { return form.MenuShown; };
    hooks.netGameChanged = [&form] {
        form.NetGame = CurrentSettings().NetGame;
        RefreshMenu(form);
        form.BuildMemberButtons();
    };
    hooks.languageChanged = [&form] { form.ApplyLanguage(); };
    hooks.musicChanged = [&form](bool) { form.MusicSettingChanged(); };
    hooks.cursorsChanged = [&form] { form.ApplyCursors(); };
    hooks.buttonsChanged = [&form] { form.ApplyButtonStyle(); };
    hooks.windowSizeChanged = [&form] { form.ApplyWindowSize(); };
    hooks.cardSetChanged = [] { return LoadCardFaces(); };
    hooks.backSetChanged = [] { return LoadCardBacks(); };
    hooks.backgroundChanged = [&form] {
        const bool ok = LoadBackground(CurrentSettings().MainMenuDesign == 1);
        form.RefreshMenuLook();
        return ok;
    };
    hooks.designChanged = [&form] {
        LoadBackground(CurrentSettings().MainMenuDesign == 1);
        form.RefreshMenuLook();
    };
    hooks.fontsChanged = [&form] { form.RefreshMenuLook(); };
    hooks.art = &form.tableArt();
    hooks.download = [&form](const QString &file) { DownloadPackFile(form, file); };
    hooks.speed = [&form] { ShowSpeed(form); };
    // The decor pack lies beside the program or in its parent folder.
    hooks.decorPackAvailable = [&form] {
        const QString name = QStringLiteral("VyxCGraph1.dll");
        return QFileInfo::exists(form.ProgramFolder + name) || QFileInfo::exists(form.ProgramFolder + QStringLiteral("../") + name);
    };
    hooks.missingPack = [](const QString &file) { ShowError(Phrase(ph::CantFindFile) + QLatin1Char(' ') + file); };
    TFormOptions dialog(hooks, &form);
    dialog.exec();
}

void MenuRecords::DownloadPackFile(TForm1 &form, const QString &file)
{
    QApplication::setOverrideCursor(form.cursors().cursor(CursorRole::Wait));
    QString error;
    const bool ok = DownloadPack(DownloadNumberOf(file), ServiceHost(), [&error](const QString &url, const QString &target) {
        const UrlDownloadResult result = DownloadUrlToFile(url, target);
        error = result.error;
        return result.ok;
    });
    QApplication::restoreOverrideCursor();
    if (!ok)
        std::fprintf(stderr, "halvane: download of %s failed: %s\n", qPrintable(file), qPrintable(error));
    form.PlayWave(ok ? "WToMenK" : "WWrongs");
}

void MenuRecords::ShowSpeed(TForm1 &form)
{
    TFormSpeed dialog(&form);
    dialog.exec();
}

void MenuRecords::ShowCount(TForm1 &form)
{
    if (!form.GameRunning)
        return;
    const TFormCount::Kind kind = form.TournamentGame ? TFormCount::Kind::Tournament
                                  : form.AccountMode == 3 ? TFormCount::Kind::Account
                                  : form.NetGame        ? TFormCount::Kind::Network
                                                        : TFormCount::Kind::Computer;
    const CountKind figures = kind == TFormCount::Kind::Tournament ? CountKind::Tournament
                              : kind == TFormCount::Kind::Account  ? CountKind::Account
                                                                   : CountKind::Club;
    // The account's own cycle count is not kept here yet: its games stand in.
    const int accountCycleGame = GameInCycle(form.Counters.Kon);
    TFormCount dialog(FillCount(form.Counters, figures, accountCycleGame), form.Counters.Name, kind, form.AccountMode,
                      &form);
    dialog.exec();
}

void MenuRecords::ChangeName(TForm1 &form)
{
    if (form.TournamentGame || form.AccountMode == 3 || form.NetGame)
        return;
    GameCounters &c = form.Counters;
    TFormPassword dialog(TFormPassword::Mode::ChangeName, c.Name, c.PasswordField, c.Name, &form);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ClubStore &store = CurrentClubFiles().local;
    if (c.PlayerSlot >= 1 && c.PlayerSlot <= 5) {
        auto club = store.Load();
        if (club) {
            const int line = halvane::ChangeName(*club, c.PlayerSlot, dialog.name(), dialog.password());
            c.PlayerSlot = line > 0 ? line : 6;
            form.PlayerSlot = c.PlayerSlot;
            Save(store, *club);
        }
    }
    c.Name = PlayerNameField(dialog.name());
    c.PasswordField = PasswordField(dialog.password());
    QMessageBox::information(&form, Phrase(ph::ProductName),
                             DisplayLines(Phrase(ph::NameChanged) + FromBytes(TrimmedName(c.Name))));
}

} // namespace halvane
