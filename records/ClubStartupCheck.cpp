#include "ClubStartupCheck.h"

#include "records/codec/ClubCheck.h"
#include "records/codec/ClubStore.h"
#include "table/Dictionary.h"
#include "table/phrases/MainWindowPhrases.h"
#include "table/phrases/GameTablePhrases.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace halvane {

namespace {
QString Quoted(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}
} // namespace

bool ClubStartupCheck::Run(const QString &folder, const Notify &notify)
{
    ClubFiles &files = CurrentClubFiles();
    files.SetFolder(std::filesystem::path(QDir(folder).absolutePath().toStdString()));
    files.startupCheckFailed = false;
    for (ClubStore *store : {&files.local, &files.network}) {
        const bool local = store == &files.local;
        const QString path = QString::fromStdString(store->path().string());
        const ClubCheckResult result = CheckClubFile(store->path(), local);
        if (result.status == ClubCheckResult::Status::Missing) {
            notify(Phrase(ph::CantFindFile) + QLatin1Char(' ') + Quoted(path) + QLatin1Char('!'), true);
            files.startupCheckFailed = true;
            return false;
        }
        if (result.status == ClubCheckResult::Status::Incorrect) {
            notify(Phrase(ph::IncorrectFile) + QLatin1Char(' ') + Quoted(path) + QLatin1Char('!'), true);
            files.startupCheckFailed = true;
            return false;
        }
        if (local && result.russian)
            SetLanguageIndex(1);
        store->setWriteAllowed(!result.badAttributes);
        if (result.badAttributes)
            notify(Phrase(ph::TheFileQuote) + QDir::toNativeSeparators(path) + Phrase(ph::QuoteHasIncorrectAttributes),
                   false);
    }
    return true;
}

void ClubStartupCheck::ShowMessage(const QString &message, bool fatal)
{
    std::fprintf(stderr, "halvane: %s\n", qPrintable(DisplayLines(message)));
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    if (fatal)
        QMessageBox::critical(nullptr, Phrase(ph::ProductName), DisplayLines(message));
    else
        QMessageBox::warning(nullptr, Phrase(ph::ProductName), DisplayLines(message));
}

} // namespace halvane
