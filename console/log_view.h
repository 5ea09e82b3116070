#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <string>

#include "gbk.h"

// Shows the job log (GBK bytes) in the read-only log box with its last line in view. The
// log only ever grows, so each call adds just the bytes that arrived since the last one:
// a long log costs no more to bring up to date than a short one.
class LogView {
  public:
    explicit LogView(QPlainTextEdit& box) : box_(box) {}

    void Show(const std::string& jobLog);

    // The box's right-click menu: the text control's own entries, then these actions.
    void OfferInContextMenu(const QList<QAction*>& actions);

  private:
    QPlainTextEdit& box_;
    GbkScreenDecoder decoder_;
    std::size_t shownBytes_ = 0;
};
