#include "Attention.h"

#include "Dictionary.h"
#include "TFormLink.h"
#include "phrases/MainWindowPhrases.h"

#include <QApplication>

namespace halvane {

namespace {
AttentionHandler &handlerSlot()
{
    static AttentionHandler handler;
    return handler;
}
} // namespace

void ShowAttention(const QString &line1, const QString &line2, const QString &line3)
{
    if (handlerSlot()) {
        handlerSlot()(line1, line2, line3);
        return;
    }
    TFormLink dialog(line1, line2, line3, QApplication::activeWindow());
    dialog.exec();
}

void ShowMissingPack(const QString &fileName)
{
    ShowAttention(Phrase(ph::CantFindFile) + QLatin1Char(' ') + fileName);
}

AttentionHandler SetAttentionHandler(AttentionHandler handler)
{
    AttentionHandler previous = std::move(handlerSlot());
    handlerSlot() = std::move(handler);
    return previous;
}

} // namespace halvane
