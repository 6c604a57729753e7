#include "dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "qt_text.h"
#include "window_keeper.h"

namespace {

TextHook& MsgBoxHook() {
  static TextHook hook;
  return hook;
}

TextHook& ShowURLHook() {
  static TextHook hook;
  return hook;
}

}  // namespace

void MsgBox(const std::string& text) {
  if (MsgBoxHook()) {
    MsgBoxHook()(text);
    return;
  }
  // No parent and on top, like the program's other dialogs: a box transient for one window is
  // stacked with that window, below a dialog the user raises, and is hidden with it.
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), ToQt(text),
                  QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  WindowKeeper::KeepInReach(&box);
  box.exec();
}

void ShowURL(const std::string& address) {
  if (ShowURLHook()) {
    ShowURLHook()(address);
    return;
  }
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

TextHook SetMsgBoxHook(TextHook hook) {
  return std::exchange(MsgBoxHook(), std::move(hook));
}

TextHook SetShowURLHook(TextHook hook) {
  return std::exchange(ShowURLHook(), std::move(hook));
}
