#include "link_text.h"

#include <QDesktopServices>
#include <QDir>

LinkText::LinkText() : LinkText(QString()) {}

LinkText::LinkText(QString text)
    : text_(std::move(text)),
      opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

bool LinkText::OpenLink() const {
    if (text_.isEmpty()) return false;
    // Like the shell, take a bare name as a file of the current directory when there is
    // one, and as a web address otherwise.
    return opener_(QUrl::fromUserInput(text_, QDir::currentPath()));
}
