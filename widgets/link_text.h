#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// What a link control opens: a web address, a file, anything the desktop can open.
class LinkText {
  public:
    // Hands an address to the desktop; true when the desktop took it.
    using Opener = std::function<bool(const QUrl&)>;

    LinkText();
    explicit LinkText(QString text);
    virtual ~LinkText() = default;

    // False, without asking the desktop, for an empty text.
    virtual bool OpenLink() const;

    const QString& Text() const { return text_; }
    void SetText(QString text) { text_ = std::move(text); }
    bool IsEmpty() const { return text_.isEmpty(); }
    void SetOpener(Opener opener) { opener_ = std::move(opener); }

  private:
    QString text_;
    Opener opener_;
};
