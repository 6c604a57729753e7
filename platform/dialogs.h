#pragma once

#include <functional>
#include <string>

// A modal message box with one button; returns when the user has dismissed it.
void MsgBox(const std::string& text);
// Opens a web address in the desktop's browser.
void ShowURL(const std::string& address);

// Both go through a hook, which tests replace with a recorder. The previous hook is returned; an
// empty hook restores the real behaviour.
using TextHook = std::function<void(const std::string&)>;
TextHook SetMsgBoxHook(TextHook hook);
TextHook SetShowURLHook(TextHook hook);
