#pragma once
// ShowAttention: the modal attention dialog (TFormLink) with up to three lines.
// Tests and headless tools install their own handler to see what would be shown.

#include <QString>
#include <functional>

namespace halvane {

void ShowAttention(const QString &line1, const QString &line2 = QString(), const QString &line3 = QString());
// The message of a missing pack: the phrase "Can`t find the file", a blank and the file name.
void ShowMissingPack(const QString &fileName);

using AttentionHandler = std::function<void(const QString &, const QString &, const QString &)>;
// Replaces what ShowAttention does; an empty handler restores the dialog.
// Returns the previous handler.
AttentionHandler SetAttentionHandler(AttentionHandler handler);

} // namespace halvane
