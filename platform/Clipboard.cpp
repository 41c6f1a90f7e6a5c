#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/QtText.h"

namespace platform {

std::string ReadClipboardText() { return FromQString(QGuiApplication::clipboard()->text()); }

void CopyTextToClipboard(std::string_view cp1251) { QGuiApplication::clipboard()->setText(ToQString(cp1251)); }

}  // namespace platform
