#pragma once

#include <QString>
#include <functional>

class Constants;
class QWidget;

// A yes/no question: true for Yes.
using AskYesNo = std::function<bool(const QString& prompt, const QString& title)>;
// A message with an OK button.
using TellUser = std::function<void(const QString& text)>;

// Message boxes owned by `owner`: the question shows a warning icon and has
// No as its default button. With `strings`, the buttons carry the language
// file's words.
AskYesNo MessageBoxQuestion(QWidget* owner, const Constants* strings = nullptr);
// A yes/no question after good news: an information icon, Yes the default.
AskYesNo MessageBoxOffer(QWidget* owner, const Constants* strings = nullptr);
TellUser MessageBoxNotice(QWidget* owner, const QString& title, const Constants* strings = nullptr);
