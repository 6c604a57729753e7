#include "text_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "qt_text.h"
#include "window.h"

namespace {

Qt::Alignment ToQt(Alignment align) {
  switch (align) {
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

}  // namespace

StaticText::StaticText(Window& owner, const ControlSpec& entry)
    : Control(owner, entry), text_(entry.Text), align_(entry.Align), size_(entry.TextSize) {
  auto* label = new QLabel(::ToQt(text_), owner.Content());
  label->setAlignment(ToQt(align_) | Qt::AlignTop);
  label->setWordWrap(entry.MultiLine);
  label->setTextFormat(Qt::PlainText);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  Adopt(label, entry);
}

void StaticText::SetText(const std::string& text) {
  text_ = text;
  static_cast<QLabel*>(Widget())->setText(::ToQt(text));
}

EditField::EditField(Window& owner, const ControlSpec& entry)
    : Control(owner, entry),
      multiLine_(entry.MultiLine),
      limit_(entry.LimitText),
      readOnly_(entry.ReadOnly) {
  QWidget* widget;
  if (multiLine_) {
    auto* edit = new QPlainTextEdit(::ToQt(entry.Text), owner.Content());
    edit->setReadOnly(readOnly_);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(entry.ScrollBarVertical ? Qt::ScrollBarAlwaysOn
                                                             : Qt::ScrollBarAsNeeded);
    widget = edit;
  } else {
    auto* edit = new QLineEdit(::ToQt(entry.Text), owner.Content());
    edit->setReadOnly(readOnly_);
    if (limit_ > 0) edit->setMaxLength(limit_);
    edit->setAlignment(ToQt(entry.Align) | Qt::AlignVCenter);
    widget = edit;
  }
  Adopt(widget, entry);
}

std::string EditField::Text() const {
  if (multiLine_) return FromQt(static_cast<QPlainTextEdit*>(Widget())->toPlainText());
  return FromQt(static_cast<QLineEdit*>(Widget())->text());
}

void EditField::SetText(const std::string& text) {
  if (multiLine_) {
    static_cast<QPlainTextEdit*>(Widget())->setPlainText(::ToQt(text));
  } else {
    // The limit holds for the program's texts as for typed ones.
    static_cast<QLineEdit*>(Widget())->setText(::ToQt(text));
  }
}

int EditField::SelStart() const {
  if (multiLine_) return static_cast<QPlainTextEdit*>(Widget())->textCursor().selectionStart();
  auto* edit = static_cast<QLineEdit*>(Widget());
  return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

int EditField::SelLength() const {
  if (multiLine_) {
    QTextCursor cursor = static_cast<QPlainTextEdit*>(Widget())->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
  }
  return static_cast<int>(static_cast<QLineEdit*>(Widget())->selectedText().size());
}

void EditField::SetSelStart(int start) {
  if (multiLine_) {
    auto* edit = static_cast<QPlainTextEdit*>(Widget());
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(std::clamp(start, 0, static_cast<int>(edit->toPlainText().size())));
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
  } else {
    static_cast<QLineEdit*>(Widget())->setCursorPosition(start);
  }
}

void EditField::SetSelLength(int length) {
  const int start = SelStart();
  if (multiLine_) {
    auto* edit = static_cast<QPlainTextEdit*>(Widget());
    QTextCursor cursor = edit->textCursor();
    const int end = std::clamp(start + length, 0, static_cast<int>(edit->toPlainText().size()));
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
  } else {
    auto* edit = static_cast<QLineEdit*>(Widget());
    if (length > 0) {
      edit->setSelection(start, length);
    } else {
      edit->setCursorPosition(start);
    }
  }
}
